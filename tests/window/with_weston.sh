#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# Runs a command against a private headless Wayland compositor (weston) with
# XWayland, then stops it. The background is plain blue, so that whatever a
# window leaves see-through shows in a screenshot (weston-screenshooter).
# Usage: with_weston.sh COMMAND [ARG...]
set -euo pipefail
source "$(dirname "$0")/lib.sh"
runtime=$(mktemp -d)
chmod 700 "$runtime"
cleanup() {
  [[ -n "${weston_pid:-}" ]] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  release_x_displays
  rm -rf "$runtime"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$runtime
cat >"$runtime/weston.ini" <<'INI'
[shell]
background-color=0xff0000ff
panel-position=none
animation=none
startup-animation=none
INI
hold_x_displays
# Made first: the loop below reads it before weston may have opened it.
: >"$runtime/weston.log"
# --debug lets weston-screenshooter take screenshots.
weston --config="$runtime/weston.ini" --backend=headless-backend.so --use-pixman --socket=wayland-test \
  --idle-time=0 --shell=desktop-shell.so --xwayland --debug >"$runtime/weston.log" 2>&1 &
weston_pid=$!
display=
for _ in $(seq 100); do
  display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$runtime/weston.log")
  [[ -S "$runtime/wayland-test" && -n $display ]] && break
  sleep 0.1
done
[[ -S "$runtime/wayland-test" && -n $display ]] || { cat "$runtime/weston.log" >&2; exit 1; }
release_x_displays
# A Wayland session with XWayland; the command itself runs on Wayland.
export DISPLAY=$display WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland
"$@"
