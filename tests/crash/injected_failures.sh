#!/usr/bin/env bash
# Makes each system call of a save fail in turn: the save must report the
# failure, leave the old file byte for byte, and leave no temporary file. Also
# checks from a trace that a save syncs the data before the rename and the
# folder after it.
# Usage: injected_failures.sh SAVE_HARNESS
set -euo pipefail
# LeakSanitizer cannot work under ptrace; in a sanitizer build the same save
# code is leak-checked by the tests that run without strace.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
harness=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dir=$work/game
mkdir "$dir"
fail() { echo "FAIL: $*" >&2; exit 1; }
old=$'TRUE\r\n800\r\n600\r\nFALSE\r\nTRUE\r\nTRUE\r\n41\r\n'

# The number, counted from the start of the process, of each call's first use
# in the save (after the read's opening of the file). A write is the one into
# the new file: a sanitizer build writes to pipes of its own as well.
printf '%s' "$old" >"$dir/zunkel.cfg"
strace -f -qq -o "$work/trace" "$harness" "$dir" 1
start=$(grep -n 'zunkel.cfg' "$work/trace" | head -n 1 | cut -d: -f1)
new_file=$(grep -m 1 -E 'O_TMPFILE.*= [0-9]+$' "$work/trace" | sed -E 's/.*= //')
first_in_save() {
  local call=$1 args='' line
  [[ $call == write ]] && args="$new_file,"
  line=$(tail -n +"$((start + 1))" "$work/trace" | grep -n -m 1 -E "^[0-9]+ +$call\($args" | cut -d: -f1)
  [[ -n $line ]] || fail "a save makes no $call"
  head -n "$((start + line))" "$work/trace" | grep -c -E "^[0-9]+ +$call\("
}

failures=0
for injection in write:ENOSPC write:EIO write:EFBIG fdatasync:EIO fdatasync:ENOSPC rename:EIO rename:EXDEV \
                 linkat:EIO linkat:ENOSPC fchmod:EPERM openat:ENOSPC openat:EACCES openat:EMFILE; do
  call=${injection%%:*}
  error=${injection#*:}
  printf '%s' "$old" >"$dir/zunkel.cfg"
  status=0
  # The save's first use fails; for fchmod, which the save retries, every use.
  when=$(first_in_save "$call")
  [[ $call == fchmod ]] && when+=+
  output=$(strace -f -qq -o /dev/null -e trace="$call" -e inject="$call":error="$error":when="$when" \
    "$harness" "$dir" 1 2>&1) || status=$?
  [[ $status == 4 ]] || fail "$injection: the save ended with $status, not as a failure ($output)"
  cmp -s "$dir/zunkel.cfg" <(printf '%s' "$old") || fail "$injection changed the old file"
  [[ $(ls -A "$dir") == zunkel.cfg ]] || fail "$injection left behind: $(ls -A "$dir")"
  echo "  $injection: $output"
  failures=$((failures + 1))
done

# The order that makes a save durable: data synced, renamed in, folder synced.
printf '%s' "$old" >"$dir/zunkel.cfg"
strace -f -qq -o "$work/trace" -e trace=fdatasync,rename,renameat,renameat2,fsync,openat "$harness" "$dir" 1
order=$(grep -oE '^[0-9]+ +(fdatasync|rename[a-z0-9]*|fsync)|O_DIRECTORY' "$work/trace" | sed -E 's/^[0-9]+ +//' | tr '\n' ' ')
[[ $order =~ fdatasync.*rename.*O_DIRECTORY\ fsync ]] || fail "a save is not synced in order: $order"
echo "injected failures: $failures failed saves, each kept the old file; sync order: $order"
