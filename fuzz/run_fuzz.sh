#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# A short bounded fuzzing run of the settings reader from a scratch copy of the
# corpus, so the committed seeds stay as they are. libFuzzer's progress lines
# would push its report out of CTest's kept output, so they go to a log; on a
# failure the end of that log is printed, with the failing input itself (as
# base64) and where it is kept.
# Usage: run_fuzz.sh FUZZER CORPUS SECONDS KEEP_DIR
set -uo pipefail
fuzzer=$1 corpus=$2 seconds=$3 keep=$4
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/corpus" && cp -r "$corpus/." "$scratch/corpus/"
mkdir -p "$keep"
log=$keep/fuzz.log
"$fuzzer" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
  -artifact_prefix="$keep/" "$scratch/corpus" >"$log" 2>&1
status=$?
if ((status == 0)); then
  grep -E '^stat::(number_of_executed_units|new_units_added)' "$log"
  exit 0
fi
echo "fuzz_settings_reader failed with status $status; the end of $log:"
tail -n 80 "$log"
for input in "$keep"/crash-* "$keep"/leak-* "$keep"/timeout-* "$keep"/oom-* "$keep"/slow-unit-*; do
  [[ -f $input ]] || continue
  echo "failing input kept as $input; its bytes in base64:"
  base64 "$input"
done
exit "$status"
