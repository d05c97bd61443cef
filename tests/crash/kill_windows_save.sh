#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# The Windows program under Wine, killed during a save (--set) after each step
# it asks of the system: the wine server's (making the new file, giving it the
# old one's security, renaming it) held at that call while the program is
# killed, and the program's own (writing, flushing) killed at that call. The
# settings file must always be there and whole, as it was or as it became;
# the next start must read it, and the next save leave nothing beside it.
# Then two saves at once, many times: both end with status 0 and both
# changes land.
# Usage, under with_wine.sh: kill_windows_save.sh PROGRAM.exe [ROUNDS]
set -euo pipefail
program=$1
rounds=${2:-30}
server=$(dirname "$WINE")/wineserver
work=$(mktemp -d)
trap 'kill "${tracer:-}" 2>/dev/null || true; "$server" -k 2>/dev/null || true; rm -rf "$work"' EXIT
dir=$work/game
mkdir "$dir"
cp "$program" "$dir/zunkel-config.exe"
fail() { echo "FAIL: $*" >&2; exit 1; }
settings() { printf '%s\r\n640\r\n480\r\n%s\r\nFALSE\r\n%s\r\n0\r\n' "$1" "$2" "$3"; } # FULLSCREEN MUSIC FLAT
tool() { "$WINE" "$dir/zunkel-config.exe" "$@"; }

# One server for every run, so that it can be traced: the one of this prefix.
"$server" -k 2>/dev/null || true
"$server" -p
for pid in $(pgrep wineserver); do
  { tr '\0' '\n' <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" && wine_server=$pid; } 2>/dev/null || true
done
[[ -n ${wine_server:-} ]] || fail "the wine server of $WINEPREFIX was not found"

# A save from music on to off: which calls the server and the program make.
settings FALSE TRUE FALSE >"$dir/zunkel.cfg"
tool --print >/dev/null
strace -qq -p "$wine_server" -o "$work/server" & tracer=$!
sleep 0.5
strace -f -qq -o "$work/program" "$WINE" "$dir/zunkel-config.exe" --set music=off
sleep 0.5
kill "$tracer" && wait "$tracer" || true
count() { grep -c -E "^([0-9]+ +)?$1\(.*$2" "$work/$3" || true; }
declare -A server_calls=(
  [openat]="$(count openat 'zunkel-config-.*O_CREAT' server)" [fchmod]="$(count fchmod '' server)"
  [rename]="$(count rename '' server)" [unlink]="$(count unlink 'zunkel' server)")
declare -A program_calls=(
  [pwrite64]="$(count pwrite64 '' program)" [fsync]="$(count fsync '' program)"
  [fdatasync]="$(count fdatasync '' program)" [ftruncate]="$(count ftruncate '' program)")
echo "a save makes: server $(for c in "${!server_calls[@]}"; do printf '%s x%d ' "$c" "${server_calls[$c]}"; done)" \
  "program $(for c in "${!program_calls[@]}"; do printf '%s x%d ' "$c" "${program_calls[$c]}"; done)"

# after_kill WHAT: the file is whole (music on or off), the next start reads
# it, and the next save leaves only it.
after_kill() {
  if ! cmp -s "$dir/zunkel.cfg" <(settings FALSE TRUE FALSE) && ! cmp -s "$dir/zunkel.cfg" <(settings FALSE FALSE FALSE)
  then
    fail "killed at $1: the folder holds $(ls -A "$dir" | tr '\n' ' ')"
  fi
  tool --print >/dev/null || fail "killed at $1: the next start could not read the file"
  tool --set music=on || fail "killed at $1: the next save failed"
  [[ $(ls -A "$dir") == $'zunkel-config.exe\nzunkel.cfg' ]] || fail "killed at $1: left $(ls -A "$dir")"
}

kills=0
for call in "${!server_calls[@]}"; do
  for ((n = 1; n <= server_calls[$call]; n++)); do
    settings FALSE TRUE FALSE >"$dir/zunkel.cfg"
    # The server holds still after the call while the program is killed.
    : >"$work/held"
    strace -qq -p "$wine_server" -e trace="$call" -e inject="$call":delay_exit=3000000:when="$n" \
      -o "$work/held" & tracer=$!
    sleep 0.5
    "$WINE" "$dir/zunkel-config.exe" --set music=off & saving=$!
    for _ in $(seq 200); do
      grep -q DELAYED "$work/held" && break
      sleep 0.05
    done
    grep -q DELAYED "$work/held" || fail "the server made no $call #$n"
    kill -9 "$saving"
    wait "$saving" 2>/dev/null || true
    sleep 3
    kill "$tracer" && wait "$tracer" || true
    after_kill "the server's $call #$n"
    kills=$((kills + 1))
  done
done
for call in "${!program_calls[@]}"; do
  for ((n = 1; n <= program_calls[$call]; n++)); do
    settings FALSE TRUE FALSE >"$dir/zunkel.cfg"
    # As in kill_during_save.sh: bash's report of the killed strace silenced.
    (strace -f -qq -o /dev/null -e trace="$call" -e inject="$call":signal=SIGKILL:when="$n" \
      "$WINE" "$dir/zunkel-config.exe" --set music=off
     exit $?) 2>/dev/null || true
    after_kill "the program's $call #$n"
    kills=$((kills + 1))
  done
done
echo "killed at every step of a save: $kills kills, the settings file always there and whole"

# Two saves at once, each changing its own value.
failures=0 lost=0
for ((round = 0; round < rounds; round++)); do
  settings FALSE FALSE FALSE >"$dir/zunkel.cfg"
  tool --set music=on 2>"$work/first.err" & first=$!
  tool --set flat=on 2>"$work/second.err" & second=$!
  for saving in "$first" "$second"; do
    if ! wait "$saving"; then
      failures=$((failures + 1))
      echo "  failed: $(cat "$work/first.err" "$work/second.err")"
    fi
  done
  cmp -s "$dir/zunkel.cfg" <(settings FALSE TRUE TRUE) || lost=$((lost + 1))
done
echo "two saves at once: $rounds rounds, $failures failed, $lost with a change lost"
((failures == 0 && lost == 0)) || fail "two saves at once did not both land"
