#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# Redraws the pictures in art/ from draw_art.cpp. Needs the build's packages
# and imagemagick (Qt reads GIF but cannot write it).
# Usage: art/make-art.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target draw_art >/dev/null
QT_QPA_PLATFORM=offscreen "$build/art/draw_art" "$scratch"

cd "$root/art"
convert "$scratch/skin.png" -interlace GIF skin.gif
convert "$scratch/preview_frame.png" preview_frame.gif
convert "$scratch/preview_screen.png" preview_screen.gif
cp "$scratch/zunkel.ico" "$scratch"/icon-*.png .
identify skin.gif preview_frame.gif preview_screen.gif zunkel.ico icon-*.png
