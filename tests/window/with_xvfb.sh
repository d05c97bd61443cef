#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# Runs a command against a private X server on a free display, then stops it.
# Usage: with_xvfb.sh [--retro] [--screen WxH] COMMAND [ARG...]
# --retro draws a black/white weave behind windows, so that cut-away parts of
# a shaped window show in screenshots instead of vanishing into black.
set -euo pipefail

xvfb_args=()
screen=1024x768
while [[ $# -gt 0 ]]; do
  case "$1" in
    --retro) xvfb_args+=(-retro); shift ;;
    --screen) screen=$2; shift 2 ;;
    *) break ;;
  esac
done

scratch=$(mktemp -d)
cleanup() {
  if [[ -n "${xvfb_pid:-}" ]] && ! kill "$xvfb_pid" 2>/dev/null; then
    echo "the X server on :${display:-?} ended before the test did:" >&2
    cat "$scratch/xvfb.log" >&2
  fi
  [[ -n "${xvfb_pid:-}" ]] && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

mkfifo "$scratch/display"
# -noreset: by default the server resets when its last client leaves, and a
# client that connects meanwhile is refused (a test's xdotool call, then the tool).
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset "${xvfb_args[@]}" \
  3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
if ! read -r -t 20 display <"$scratch/display"; then
  echo "Xvfb did not start:" >&2
  cat "$scratch/xvfb.log" >&2
  exit 1
fi

export DISPLAY=":$display"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
# Without a session bus Qt would have one started for this display, which
# outlives the test until the server ends; a test that wants a bus makes its own.
export DBUS_SESSION_BUS_ADDRESS=${DBUS_SESSION_BUS_ADDRESS:-disabled:}
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR="$scratch/runtime"
"$@"
