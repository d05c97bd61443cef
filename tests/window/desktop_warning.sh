#!/usr/bin/env bash
# On a desktop 1280 x 720, picking 1024x768 windowed warns once; the pick
# stands and is saved. Run under a 1280x720 X screen. With SCALE=2 the tool
# runs scaled: the desktop is still 720 device pixels high (360 scaled ones),
# so 800x600 must still not warn.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
tool=$1
sample=$2

dir=$(make_tool_dir "$tool" "$sample")
trap 'rm -rf "$dir"' EXIT
printf 'FALSE\r\n1024\r\n768\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n' >"$dir/expected"

start_tool "$dir" env QT_SCALE_FACTOR="${SCALE:-1}"
window=$(find_window "$tool_pid" Config)
click "$window" 209 55
sleep 0.3
xdotool key --delay 50 Down Return     # 800x600 fits: no warning
sleep 0.3
[[ $(window_count "$tool_pid" Config) == 1 ]] || fail "800x600 warned on a 720 pixel high desktop"
click "$window" 209 55
sleep 0.3
xdotool key --delay 50 Down Return     # 1024x768 is taller than the desktop
waited=0
until [[ $(window_count "$tool_pid" Config) == 2 ]]; do
  ((waited++ < 100)) || fail "no warning for 1024x768 on a 720 pixel high desktop"
  sleep 0.1
done
warning=$(xdotool search --all --onlyvisible --pid "$tool_pid" --name '^Config$' | grep -vx "$window")
press_on "$warning" Return
sleep 0.3
[[ $(window_count "$tool_pid" Config) == 1 ]] || fail "the warning did not close"
click "$window" 185 159         # Save
wait_for_content "$dir/zunkel.cfg" "$dir/expected"
click "$window" 236 159         # Quit
wait_exit "$tool_pid"
[[ $exit_status == 0 ]] || fail "Quit did not end the tool with status 0"
echo "desktop warning: passed"
