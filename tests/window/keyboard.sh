#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# A player who uses only the keyboard: Tab to Fullscreen, Space ticks it, Tab on
# to the chooser, Down picks the next resolution, Shift+Tab back to Save and
# Space presses it; then Escape leaves. Escape after a change saves nothing.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
tool=$1
sample=$2

dir=$(make_tool_dir "$tool" "$sample")
trap 'rm -rf "$dir"' EXIT
printf 'TRUE\r\n800\r\n600\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n' >"$dir/expected"

start_tool "$dir"
window=$(find_window "$tool_pid" Config)
# Focus starts on Save, the first control in the tab order.
press_on "$window" Tab Tab space              # Fullscreen
xdotool key --delay 50 Tab Tab Tab Tab Tab     # Filtering, Flat, Music, close, chooser
xdotool key --delay 50 Down                    # 640x480 -> 800x600
xdotool key --delay 50 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space # back to Save
wait_for_content "$dir/zunkel.cfg" "$dir/expected"
xdotool key Escape
wait_exit "$tool_pid"
[[ $exit_status == 0 ]] || fail "Escape did not end the tool with status 0"

start_tool "$dir"
window=$(find_window "$tool_pid" Config)
press_on "$window" Tab Tab space Escape       # untick Fullscreen, then leave
wait_exit "$tool_pid"
[[ $exit_status == 0 ]] || fail "Escape did not end the tool with status 0"
cmp "$dir/zunkel.cfg" "$dir/expected" || fail "Escape saved the change"
echo "keyboard: passed"
