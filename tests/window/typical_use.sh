#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# A player opens the tool on the sample settings, picks 1024x768, ticks
# Fullscreen, saves and quits; then opens it again, changes a box and leaves by
# the close button without saving. The game's folder has a Latin-1 name, which
# is no valid UTF-8, and holds the player's own copies of the settings; the
# tool is started from another folder with a settings file of its own. Only
# the file beside the tool is read and written. LANGUAGE names the language
# the tool shows.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
tool=$1
sample=$2
new_scratch

dir=$(make_tool_dir "$tool" "$sample" "Spiele"$'\xe4')
printf 'TRUE\r\n1024\r\n768\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n' >"$dir/expected"
start_in=$scratch/elsewhere
mkdir "$start_in"
printf 'FALSE\r\n320\r\n240\r\nFALSE\r\nTRUE\r\nTRUE\r\nnot the game\r\n' >"$start_in/zunkel.cfg"
for copy in "$dir/zunkel.cfg.backup" "$dir/zunkel.cfg.old123" "$start_in/zunkel.cfg.backup"; do
  echo "the player's own $copy" >"$copy"
done
# Every file but the tool and its settings, with its content.
others() { (cd "$scratch" && find . -type f ! -name zunkel-config ! -path "./Spiele*/zunkel.cfg" -exec md5sum {} + | sort); }
before=$(others)

title=$(translated Config)
start_tool "$dir"
window=$(find_window "$tool_pid" "$title")
click "$window" 209 55          # the resolution chooser opens its list
sleep 0.3
xdotool key --delay 50 Down Down Return
click "$window" 174 129         # Fullscreen
click "$window" 185 159         # Save
wait_for_content "$dir/zunkel.cfg" "$dir/expected"
[[ $(window_count "$tool_pid" "$title") == 1 ]] || fail "Save showed a message"
click "$window" 236 159         # Quit
wait_exit "$tool_pid"
[[ $exit_status == 0 ]] || fail "Quit did not end the tool with status 0"
cmp "$dir/zunkel.cfg" "$dir/expected" || fail "the saved file changed after Save"
[[ $(ls -A "$dir") == $'expected\nzunkel-config\nzunkel.cfg\nzunkel.cfg.backup\nzunkel.cfg.old123' ]] ||
  fail "stray or missing files: $(ls -A "$dir")"
[[ $(others) == "$before" ]] || fail "a save changed other files: $(others)"

start_tool "$dir"
window=$(find_window "$tool_pid" "$title")
click "$window" 47 157          # Play Music
click "$window" 264 13          # the close button
wait_exit "$tool_pid"
[[ $exit_status == 0 ]] || fail "the close button did not end the tool with status 0"
cmp "$dir/zunkel.cfg" "$dir/expected" || fail "leaving without Save changed the file"
echo "typical use: passed"
