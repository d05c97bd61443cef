#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# Runs a command against a private headless Wayland compositor (weston) with
# XWayland, then stops it. The background is plain blue, so that whatever a
# window leaves see-through shows in a screenshot (weston-screenshooter).
# Usage: with_weston.sh COMMAND [ARG...]
set -euo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime"
held_locks=()
cleanup() {
  [[ -n "${weston_pid:-}" ]] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  rm -f "${held_locks[@]}"
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
# XWayland's sockets go where X servers keep them; on a machine that has never
# run one, that folder is not there yet.
mkdir -p -m 1777 /tmp/.X11-unix
# Weston gives XWayland the lowest display number with no live lock file in
# /tmp and no abstract socket in this network namespace, and replaces the
# socket file there. With the network cut off (`unshare -n`, as sbuild runs
# tests) a server whose lock file is not seen here looks free, and would lose
# its socket to weston. Each number whose socket is there without a lock file
# is held by a lock file of this script's own until weston has chosen.
for ((number = 0; number < 64; number++)); do
  lock=/tmp/.X$number-lock
  [[ -e $lock ]] && continue
  [[ -S /tmp/.X11-unix/X$number ]] || break
  # noclobber: the lock file of a server starting meanwhile stays its own.
  if (set -o noclobber && printf '%10d\n' $$ >"$lock") 2>/dev/null; then
    held_locks+=("$lock")
  fi
done
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
rm -f "${held_locks[@]}"
held_locks=()
# A Wayland session with XWayland; the command itself runs on Wayland.
export DISPLAY=$display WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland
"$@"
