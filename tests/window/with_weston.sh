#!/usr/bin/env bash
# Runs a command against a private headless Wayland compositor (weston), then
# stops it. Usage: with_weston.sh COMMAND [ARG...]
set -euo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime"
cleanup() {
  [[ -n "${weston_pid:-}" ]] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$runtime
weston --backend=headless-backend.so --socket=wayland-test --idle-time=0 --shell=desktop-shell.so \
  >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
  [[ -S "$runtime/wayland-test" ]] && break
  sleep 0.1
done
[[ -S "$runtime/wayland-test" ]] || { cat "$runtime/weston.log" >&2; exit 1; }
unset DISPLAY
export WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland
"$@"
