#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# Saves that fail for real reasons and for injected ones: each time the player
# sees the error box, the tool ends with status 1, the old file is kept byte
# for byte and no temporary file is left. The really full disk, last, needs
# root (for a tiny tmpfs).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
tool=$1
sample=$2
new_scratch
trap 'mountpoint -q "$scratch/full" && umount "$scratch/full"; remove_scratch' EXIT

# A file size limit (EFBIG), with the signal it raises ignored as a shell would.
dir=$(make_tool_dir "$tool" "$sample")
start_tool "$dir" bash -c 'trap "" XFSZ; exec prlimit --fsize=16 "$0"'
save_fails_cleanly "$dir" "$sample"
echo "  file size limit: kept"

# Injected into the real tool: the data cannot be synced; the rename fails.
for injection in fsync:error=EIO renameat:error=EIO; do
  dir=$(make_tool_dir "$tool" "$sample")
  # LeakSanitizer (in a sanitizer build) cannot work under ptrace.
  start_tool "$dir" env ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    strace -f -qq -o /dev/null -e trace="${injection%%:*}" -e inject="$injection"
  save_fails_cleanly "$dir" "$sample"
  echo "  $injection: kept"
done

needs_root "mounting a small tmpfs for a full disk"
# A disk that is really full: a small tmpfs holding the tool, its settings
# and a filler that takes every block left.
mkdir "$scratch/full"
mount -t tmpfs -o size=$(( $(stat -c %s "$tool") / 1024 + 512 ))k tmpfs "$scratch/full"
cp "$tool" "$scratch/full/zunkel-config"
cp "$sample" "$scratch/full/zunkel.cfg"
dd if=/dev/zero of="$scratch/full/filler" bs=4k 2>/dev/null || true
start_tool "$scratch/full"
save_fails_cleanly "$scratch/full" "$sample"
umount "$scratch/full"
echo "  full disk: kept"
echo "save failures: passed"
