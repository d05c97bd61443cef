#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# Runs a command with a fresh Wine prefix of its own, made for it in /tmp and
# removed afterwards: Windows programs in the command run under Wine as on a
# new Windows system, on the X server in DISPLAY if there is one.
# Usage: with_wine.sh COMMAND [ARG...]   (a Windows program may be the command itself)
set -euo pipefail
# Wine keeps the Linux side's QT_ variables from Windows programs, and gives
# them WINEQT_ ones under their QT_ names: Qt Test then prints its results to
# standard output, not to the debugger. No .NET or browser engine is set up.
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEQT_FORCE_STDERR_LOGGING=1
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
