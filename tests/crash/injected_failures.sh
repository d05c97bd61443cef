#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# Makes each system call of a save fail in turn: the save must report the
# failure, leave the old file byte for byte, and leave no temporary file. A
# new file that may not be made, or not be made like the old one, is no
# failure: the file is then rewritten in place. Also: another program's lock
# on the new file is not waited for; an attribute that grows while it is
# copied is copied whole or as it was; and from a trace, a save syncs the new
# file before the rename and the folder after it, also a folder the saving
# user may not list (that case as root).
# Usage: injected_failures.sh SAVE_HARNESS
set -euo pipefail
# LeakSanitizer cannot work under ptrace; in a sanitizer build the same save
# code is leak-checked by the tests that run without strace.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
harness=$1
work=$(mktemp -d)
chmod 755 "$work"
trap 'kill "${holder:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
dir=$work/game
mkdir "$dir"
fail() { echo "FAIL: $*" >&2; exit 1; }
old=$'TRUE\r\n800\r\n600\r\nFALSE\r\nTRUE\r\nTRUE\r\n41\r\n'
new=$'TRUE\r\n640\r\n480\r\nFALSE\r\nTRUE\r\nTRUE\r\n42\r\n'

# The number, counted from the start of the process, of each call's first use
# in the save (after the read's opening of the file), optionally the first
# whose line matches a pattern as well.
printf '%s' "$old" >"$dir/zunkel.cfg"
strace -f -qq -o "$work/trace" "$harness" "$dir" 1
start=$(grep -n 'zunkel.cfg' "$work/trace" | head -n 1 | cut -d: -f1)
first_in_save() {
  local call=$1 pattern=${2:-} line
  line=$(tail -n +"$((start + 1))" "$work/trace" | grep -n -E "^[0-9]+ +$call\(" | grep -m 1 -e "$pattern" |
         cut -d: -f1)
  [[ -n $line ]] || fail "a save makes no $call $pattern"
  head -n "$((start + line))" "$work/trace" | grep -c -E "^[0-9]+ +$call\("
}

# inject CALL:ERROR: runs one save with that call failing (for openat, the
# one that makes the new file); sets status and output.
inject() {
  local call=${1%%:*} error=${1#*:} when
  when=$(first_in_save "$call" "$([[ $call == openat ]] && echo O_CREAT)")
  printf '%s' "$old" >"$dir/zunkel.cfg"
  inode=$(stat -c %i "$dir/zunkel.cfg")
  status=0
  output=$(strace -f -qq -o /dev/null -e trace="$call" -e inject="$call":error="$error":when="$when" \
    "$harness" "$dir" 1 2>&1) || status=$?
  [[ $(ls -A "$dir") == zunkel.cfg ]] || fail "$1 left behind: $(ls -A "$dir")"
}

failures=0
for injection in pwrite64:ENOSPC pwrite64:EIO pwrite64:EFBIG fsync:EIO fsync:ENOSPC renameat:EIO \
                 renameat:EXDEV fchmod:EIO flistxattr:EIO openat:ENOSPC openat:EMFILE; do
  inject "$injection"
  [[ $status == 4 ]] || fail "$injection: the save ended with $status, not as a failure ($output)"
  cmp -s "$dir/zunkel.cfg" <(printf '%s' "$old") || fail "$injection changed the old file"
  echo "  $injection: $output"
  failures=$((failures + 1))
done

# No new file may be made beside it, or it may not be given the old one's
# mode (refused, or not supported as on fusefat): the file is rewritten in
# place, and holds the new content.
for injection in openat:EACCES fchmod:EPERM fchmod:ENOSYS; do
  inject "$injection"
  [[ $status == 0 ]] || fail "$injection: the save ended with $status ($output)"
  cmp -s "$dir/zunkel.cfg" <(printf '%s' "$new") || fail "$injection: the file does not hold the new content"
  [[ $(stat -c %i "$dir/zunkel.cfg") == "$inode" ]] || fail "$injection: the file was replaced, not rewritten"
  echo "  $injection: rewritten in place"
done

# Another program locks the new file before the save does (on a disk that
# ignores file modes anyone may open it): the save gives that name up for
# another instead of waiting for ever.
printf '%s' "$old" >"$dir/zunkel.cfg"
when=$(first_in_save flock LOCK_EX)
(
  for _ in $(seq 200); do
    for temporary in "$dir"/.zunkel.cfg.zunkel-config-*; do
      [[ -e $temporary ]] && exec 9<"$temporary" && flock -n 9 && exec sleep 60
    done
    sleep 0.05
  done
) &
holder=$!
status=0
timeout 20 strace -f -qq -o /dev/null -e trace=flock -e inject=flock:delay_enter=2000000:when="$when" \
  "$harness" "$dir" 1 || status=$?
kill "$holder" 2>/dev/null || fail "the new file was never locked by the other program"
[[ $status == 0 ]] || fail "a save whose new file another program locked ended with $status"
cmp -s "$dir/zunkel.cfg" <(printf '%s' "$new") || fail "a save whose new file was locked wrote something else"
[[ $(ls -A "$dir") == zunkel.cfg ]] || fail "a save whose new file was locked left: $(ls -A "$dir")"
echo "  a lock on the new file: another name taken"

# An attribute that is empty when its size is asked and has grown when its
# bytes are: the new file gets a value that the attribute really had.
printf '%s' "$old" >"$dir/zunkel.cfg"
setfattr -n user.note -v "" "$dir/zunkel.cfg"
(sleep 0.5 && setfattr -n user.note -v grown "$dir/zunkel.cfg") &
strace -f -qq -o /dev/null -e trace=fgetxattr -e inject=fgetxattr:delay_exit=1500000:when=1 "$harness" "$dir" 1
wait $!
value=$(getfattr --absolute-names -e hex -n user.note "$dir/zunkel.cfg" | sed -n 's/^user\.note=//p')
[[ $value == 0x || $value == 0x67726f776e ]] || fail "an attribute that grew was copied as $value"
echo "  an attribute that grew: copied as '$value'"

# The order that makes a save durable: the new file synced, renamed in, the
# folder synced.
printf '%s' "$old" >"$dir/zunkel.cfg"
strace -f -qq -o "$work/trace" -e trace=fdatasync,renameat,fsync,openat "$harness" "$dir" 1
order=$(grep -oE '^[0-9]+ +(fdatasync|renameat|fsync)\([0-9]+' "$work/trace" | sed -E 's/^[0-9]+ +//' | tr '\n' ' ')
[[ $order =~ ^fsync\([0-9]+\ renameat\(([0-9]+)\ fsync\(([0-9]+)\ $ ]] || fail "a save is not synced in order: $order"
grep -q -E "openat\(${BASH_REMATCH[1]}, \"\.\", .*O_DIRECTORY.* = ${BASH_REMATCH[2]}$" "$work/trace" ||
  fail "the synced folder is not the one renamed in: $order"

# A folder that the saving user may enter and write but not list cannot be
# opened to be synced: its file system is synced instead.
if ((EUID == 0)); then
  hidden=$work/hidden
  mkdir "$hidden"
  printf '%s' "$old" >"$hidden/zunkel.cfg"
  cp "$harness" "$work/save_harness"
  chown -R 65534:65534 "$hidden"
  chmod 300 "$hidden"
  strace -f -qq -o "$work/trace" -e trace=renameat,fsync,syncfs \
    setpriv --reuid=65534 --regid=65534 --clear-groups "$work/save_harness" "$hidden" 1
  grep -A1 -E '^[0-9]+ +renameat\(' "$work/trace" | grep -q -E '^[0-9]+ +syncfs\(.* = 0$' ||
    fail "a save in a folder that may not be listed was not made durable: $(cat "$work/trace")"
  order+="(unlistable folder: syncfs)"
fi
echo "injected failures: $failures failed saves, each kept the old file; sync order: $order"
