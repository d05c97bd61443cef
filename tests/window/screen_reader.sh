#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# What a screen reader gets from the real tool over AT-SPI, in a private D-Bus
# session with its own accessibility bus (screen_reader.py says what is
# checked). Then Escape leaves without saving the last, keyboard, change.
set -euo pipefail
if [[ -z ${ZUNKEL_PRIVATE_BUS:-} ]]; then
  ZUNKEL_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
tool=$1
sample=$2

dir=$(make_tool_dir "$tool" "$sample")
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$dir/bus.log" 2>&1 &
bus_pid=$!
trap 'kill "${tool_pid:-}" "$bus_pid" 2>/dev/null; rm -rf "$dir"' EXIT
printf 'FALSE\r\n800\r\n600\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n' >"$dir/expected"

start_tool "$dir" env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
window=$(find_window "$tool_pid" Config)
xdotool mousemove --window "$window" 150 172 # keys go where the pointer is
/usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$tool_pid" "$dir/zunkel.cfg" "$dir/expected"
xdotool key Escape
wait_exit "$tool_pid"
[[ $exit_status == 0 ]] || fail "Escape did not end the tool with status 0"
cmp "$dir/zunkel.cfg" "$dir/expected" || fail "the unsaved keyboard change was written"
echo "screen reader: passed"
