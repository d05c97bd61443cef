#!/usr/bin/env bash
# Runs a command with a fresh Wine prefix of its own, made for it in /tmp and
# removed afterwards: Windows programs in the command run under Wine as on a
# new Windows system, on the X server in DISPLAY if there is one.
# Usage: with_wine.sh COMMAND [ARG...]   (a Windows program may be the command itself)
set -euo pipefail
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" QT_FORCE_STDERR_LOGGING=1
WINEPREFIX=$(mktemp -d)
wine=/usr/lib/wine/wine64
cleanup() {
  "$(dirname "$wine")/wineserver" -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
"$wine" wineboot -i >/dev/null 2>&1
if [[ $1 == *.exe || $1 == *.com ]]; then
  "$wine" "$@"
else
  WINE=$wine "$@"
fi
