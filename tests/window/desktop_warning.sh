#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# Picking 1024x768 windowed warns once when the X screen is less than 768
# pixels high, and not otherwise; 800x600 never warns there. The pick stands
# and is saved. With SCALES the tool runs at each of those scales in turn: the
# desktop keeps its height in device pixels at every one (a 768 pixel high
# screen at 2.25 is 768 high, not 341 scaled pixels times 2.25). Given a
# Windows program, under with_wine.sh, the same for it: Wine hands Windows
# programs its WINEQT_ variables as QT_ ones.
set -euo pipefail
[[ $1 == *.exe ]] && tool_name=zunkel-config.exe
source "$(dirname "$0")/lib.sh"
tool=$1
sample=$2

dir=$(make_tool_dir "$tool" "$sample")
trap 'rm -rf "$dir"' EXIT
printf 'FALSE\r\n1024\r\n768\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n' >"$dir/expected"
read -r _ desktop_height < <(xdotool getdisplaygeometry)

for SCALE in ${SCALES:-1}; do
  cp "$sample" "$dir/zunkel.cfg"
  start_tool "$dir" env QT_SCALE_FACTOR="$SCALE" WINEQT_SCALE_FACTOR="$SCALE" ${WINE:+"$WINE"}
  window=$(find_window "$tool_pid" Config)
  click "$window" 209 55
  sleep 0.3
  xdotool key --delay 50 Down Return     # 800x600 fits
  sleep 0.3
  [[ $(window_count "$tool_pid" Config) == 1 ]] || fail "800x600 warned on a $desktop_height pixel high desktop at scale $SCALE"
  click "$window" 209 55
  sleep 0.3
  xdotool key --delay 50 Down Return     # 1024x768
  if ((desktop_height >= 768)); then
    sleep 0.5
    [[ $(window_count "$tool_pid" Config) == 1 ]] || fail "1024x768 warned on a $desktop_height pixel high desktop at scale $SCALE"
  else
    waited=0
    until [[ $(window_count "$tool_pid" Config) == 2 ]] &&
      warning=$(xdotool search --all --onlyvisible --pid "$tool_pid" --name '^Config$' 2>/dev/null | grep -vx "$window"); do
      ((waited++ < 100)) || fail "no warning for 1024x768 on a $desktop_height pixel high desktop at scale $SCALE"
      sleep 0.1
    done
    press_on "$warning" Return
    sleep 0.3
    [[ $(window_count "$tool_pid" Config) == 1 ]] || fail "the warning did not close"
  fi
  click "$window" 185 159         # Save
  wait_for_content "$dir/zunkel.cfg" "$dir/expected"
  click "$window" 236 159         # Quit
  wait_exit "$tool_pid"
  [[ $exit_status == 0 ]] || fail "Quit ended the tool with status $exit_status, not 0, at scale $SCALE"
  echo "desktop warning on a $desktop_height pixel high desktop at scale $SCALE: passed"
done
