#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# Kills a save at every system call it makes, and then at random calls during
# runs of many saves: the settings file must always be complete, either as it
# was or as it became, the next start must read it, and the next save must
# leave no temporary file behind. Then two processes save the same file at
# once, many times each: every save succeeds.
# Usage: kill_during_save.sh SAVE_HARNESS [KILLS]
set -euo pipefail
# LeakSanitizer cannot work under ptrace; in a sanitizer build the same save
# code is leak-checked by the tests that run without strace.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
harness=$1
wanted_kills=${2:-1000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dir=$work/game
mkdir "$dir"

fail() { echo "FAIL: $*" >&2; exit 1; }

# The file after n saves from the sample.
state() {
  if (($1 % 2)); then printf 'FALSE\r\n1024\r\n768\r\nTRUE\r\nFALSE\r\nFALSE\r\n%d\r\n' "$1"
  else printf 'FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\n%d\r\n' "$1"; fi
}

# check_state LOW HIGH: the file is one whole state between the two; prints it.
check_state() {
  local n
  n=$(tail -c 12 "$dir/zunkel.cfg" | tr -d '\r' | tail -n 1)
  [[ $n =~ ^[0-9]+$ ]] && ((n >= $1 && n <= $2)) && cmp -s "$dir/zunkel.cfg" <(state "$n") \
    || { od -c "$dir/zunkel.cfg" | head >&2; fail "torn or unexpected file after a kill (wanted $1..$2)"; }
  echo "$n"
}

# after_kill LOW HIGH: the file is whole, the next start reads it, and the next
# save clears any leftover; prints the state reached.
after_kill() {
  local n
  n=$(check_state "$1" "$2")
  "$harness" "$dir" 1 || fail "the next start could not read or save the file"
  [[ $(ls -A "$dir") == zunkel.cfg ]] || fail "left behind: $(ls -A "$dir")"
  echo $((n + 1))
}

kills=0
killed_run() { # SYSCALL N SAVES
  local status=0
  # strace dies of the tracee's signal, and bash reports a child killed so on
  # its own standard error. A subshell whose last command is strace would
  # become strace (bash execs it) and the report would be this shell's; with
  # a command after it the subshell is strace's parent, and its standard
  # error, where the report goes, is silenced.
  (strace -f -qq -o /dev/null -e trace="$1" -e inject="$1":signal=SIGKILL:when="$2" "$harness" "$dir" "$3"
   exit $?) 2>/dev/null || status=$?
  if ((status == 137)); then kills=$((kills + 1)); elif ((status != 0)); then fail "$1 #$2 ended with $status"; fi
}

# Which file system calls one save makes, and how many of each come before it.
state 0 >"$dir/zunkel.cfg"
strace -f -qq -o "$work/trace" "$harness" "$dir" 1
start=$(grep -n 'zunkel.cfg' "$work/trace" | head -n 1 | cut -d: -f1)
calls=(openat read write pwrite64 fdatasync fsync linkat rename renameat renameat2 unlink unlinkat close statx
       newfstatat fstat access fchmod readlink getdents64 lseek fcntl ftruncate fchown flock flistxattr
       fgetxattr fsetxattr fremovexattr fallocate syncfs)
declare -A before total
for call in "${calls[@]}"; do
  total[$call]=$(grep -c -E "^[0-9]+ +$call\(" "$work/trace" || true)
  before[$call]=$(head -n $((start - 1)) "$work/trace" | grep -c -E "^[0-9]+ +$call\(" || true)
  ((total[$call] > before[$call])) || unset "total[$call]"
done
echo "a save makes: $(for c in "${!total[@]}"; do printf '%s x%d ' "$c" $((total[$c] - before[$c])); done)"

# Every call of every kind, one save each time.
for call in "${!total[@]}"; do
  for ((n = before[$call] + 1; n <= total[$call]; n++)); do
    state 0 >"$dir/zunkel.cfg"
    killed_run "$call" "$n" 1
    after_kill 0 1 >/dev/null
  done
done
systematic=$kills
echo "killed at every call of a save: $systematic kills"

# Random calls during runs of many saves, each continuing from the last state.
RANDOM=20261207
saves=20
current=0
state 0 >"$dir/zunkel.cfg"
names=("${!total[@]}")
while ((kills < wanted_kills)); do
  call=${names[RANDOM % ${#names[@]}]}
  per_save=$((total[$call] - before[$call]))
  n=$((before[$call] + 1 + RANDOM % (per_save * saves)))
  killed_run "$call" "$n" "$saves"
  current=$(after_kill "$current" $((current + saves)))
done
echo "kill test: $kills kills ($systematic systematic, $((kills - systematic)) random), no torn or empty file"

# Two processes saving the same file at the same time: neither may take the
# other's temporary away, so every save of both succeeds.
state 0 >"$dir/zunkel.cfg"
"$harness" "$dir" 2000 & first=$!
"$harness" "$dir" 2000 & second=$!
wait "$first" || fail "the first of two saving processes failed"
wait "$second" || fail "the second of two saving processes failed"
[[ $(ls -A "$dir") == zunkel.cfg ]] || fail "concurrent saves left behind: $(ls -A "$dir")"
"$harness" "$dir" 1 || fail "the file after concurrent saves cannot be read"
echo "concurrent saves: 2 x 2000, all succeeded"
