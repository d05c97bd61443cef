#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# The Windows program under Wine, as players on Windows use it. In game folders
# named "Spiele ä" and "ゲーム" its window is 280 x 180, without a frame and
# centred; Save writes the designed bytes and Escape then ends it with status
# 0. Without a settings file only the error box shows, and it ends with status
# 1. From a console (its twin zunkel-config.com) it prints, saves and refuses
# as the Linux program does, with the same statuses and files; the twin starts
# it from a folder of more than 260 characters, finds it under other names,
# and ends it when interrupted; its messages name a folder of any letters
# both in a file and on a console.
# Usage, under with_xvfb.sh and with_wine.sh: windows.sh PROGRAM.exe LINUX_TOOL SAMPLE
set -euo pipefail
tool_name=zunkel-config.exe
source "$(dirname "$0")/lib.sh"
program=$1
linux=$2
sample=$3
new_scratch
printf 'FALSE\r\n640\r\n480\r\nFALSE\r\nFALSE\r\nFALSE\r\n0\r\n' >"$scratch/music_off"
read -r screen_width screen_height < <(xdotool getdisplaygeometry)

for folder in 'Spiele ä' 'ゲーム'; do
  dir=$(make_tool_dir "$program" "$sample" "$folder")
  start_tool "$dir" "$WINE"
  window=$(find_window "$tool_pid" Config)
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [[ "$WIDTH x $HEIGHT" == "280 x 180" ]] || fail "in $folder the window is $WIDTH x $HEIGHT"
  [[ "$X,$Y" == "$(((screen_width - 280) / 2)),$(((screen_height - 180) / 2))" ]] ||
    fail "in $folder the window is at $X,$Y, not centred"
  click "$window" 47 157          # Play Music
  click "$window" 185 159         # Save
  wait_for_content "$dir/zunkel.cfg" "$scratch/music_off"
  press_on "$window" Escape
  wait_exit "$tool_pid"
  [[ $exit_status == 0 ]] || fail "in $folder Escape ended the program with status $exit_status"
  echo "  in $folder: saved, and ended by Escape"
done

dir=$(make_tool_dir "$program" "" "no settings")
start_tool "$dir" "$WINE"
refused_at_start
[[ ! -e "$dir/zunkel.cfg" ]] || fail "a settings file was made"
echo "  without a settings file: the error box, status 1"

# same_as_linux SETTINGS ARGUMENT...: both programs, each in a folder of its
# own with a copy of SETTINGS (none when it is empty), print the same (but for
# Windows' line ends), say as many lines on standard error, end with the same
# status and leave the same file.
linux_dir=$(tool_name=zunkel-config make_tool_dir "$linux" "" linux)
windows_dir=$(make_tool_dir "$program" "" windows)
cp "${program%.exe}.com" "$windows_dir/zunkel-config.com"
same_as_linux() {
  local settings=$1 linux_status=0 windows_status=0
  shift
  for dir in "$linux_dir" "$windows_dir"; do
    rm -f "$dir/zunkel.cfg"
    [[ -z $settings ]] || cp "$settings" "$dir/zunkel.cfg"
  done
  "$linux_dir/zunkel-config" "$@" >"$scratch/linux.out" 2>"$scratch/linux.err" || linux_status=$?
  "$WINE" "$windows_dir/zunkel-config.com" "$@" >"$scratch/windows.out" 2>"$scratch/windows.err" ||
    windows_status=$?
  [[ $windows_status == "$linux_status" ]] ||
    fail "'$*' ended with $windows_status on Windows, $linux_status on Linux: $(cat "$scratch/windows.err")"
  cmp -s <(tr -d '\r' <"$scratch/windows.out") "$scratch/linux.out" ||
    fail "'$*' printed on Windows: $(cat "$scratch/windows.out")"
  [[ $(wc -l <"$scratch/windows.err") == $(wc -l <"$scratch/linux.err") ]] ||
    fail "'$*' said on Windows: $(cat "$scratch/windows.err")"
  [[ -z $settings ]] || cmp "$windows_dir/zunkel.cfg" "$linux_dir/zunkel.cfg" ||
    fail "'$*' saved on Windows: $(od -c "$windows_dir/zunkel.cfg")"
  echo "  '$*': status $windows_status, as on Linux"
}
printf 'true\r\n1280\r\n720\r\nTRUE\r\nFALSE\r\nTRUE\r\n"kept, as read"\r\n' >"$scratch/wide"
same_as_linux "$sample" --print
same_as_linux "$scratch/wide" --print
same_as_linux "$scratch/wide" --set resolution=1024x768 fullscreen=On music=false
same_as_linux "$scratch/wide" --set music=loud
same_as_linux "" --set music=on
# --version too, but for where Qt's licences are: in the zip, beside the
# program that Qt is built into.
"$linux_dir/zunkel-config" --version >"$scratch/linux.out"
"$WINE" "$windows_dir/zunkel-config.com" --version >"$scratch/windows.out" || fail "--version ended with $?"
tr -d '\r' <"$scratch/windows.out" | grep -q "relink the program with another Qt are in the folder Qt" ||
  fail "--version on Windows: $(cat "$scratch/windows.out")"
cmp -s <(tr -d '\r' <"$scratch/windows.out" | head -n 7) <(head -n 7 "$scratch/linux.out") ||
  fail "--version on Windows: $(cat "$scratch/windows.out")"

# Too long a name for CreateProcessW: the twin starts the program anyway, and
# it saves there.
dir=$(make_tool_dir "$program" "$sample" "$(printf 'l%.0s' {1..250})")
cp "${program%.exe}.com" "$dir/zunkel-config.com"
status=0
"$WINE" "$dir/zunkel-config.com" --set music=off || status=$?
[[ $status == 0 ]] || fail "in a folder of ${#dir} characters the twin ended with $status"
cmp "$dir/zunkel.cfg" "$scratch/music_off" || fail "in a folder of ${#dir} characters it saved another content"
echo "  from a folder of ${#dir} characters: started and saved"

# The twin under other names: without an extension it still finds the
# program; under the program's own name it says so rather than start itself.
dir=$(make_tool_dir "$program" "$sample" renamed)
cp "${program%.exe}.com" "$dir/zunkel-config"
"$WINE" "$dir/zunkel-config" --print >"$scratch/out" || fail "the twin named zunkel-config ended with $?"
grep -q '^resolution=640x480' "$scratch/out" || fail "the twin named zunkel-config printed: $(cat "$scratch/out")"
rm "$dir/zunkel-config.exe"
cp "${program%.exe}.com" "$dir/zunkel-config.exe"
status=0
timeout 20 "$WINE" "$dir/zunkel-config.exe" --print 2>"$scratch/err" || status=$?
[[ $status == 1 ]] && grep -q "console twin" "$scratch/err" ||
  fail "the twin named zunkel-config.exe ended with $status: $(cat "$scratch/err")"
echo "  the twin without an extension, and under the program's name"

# Interrupted, the twin takes its window program with it. Ctrl+C reaches the
# programs on the console: the twin, not the window program it started.
dir=$(make_tool_dir "$program" "$sample" interrupted)
cp "${program%.exe}.com" "$dir/zunkel-config.com"
"$WINE" "$dir/zunkel-config.com" &
twin=$!
waited=0
until [[ -n $(xdotool search --onlyvisible --name '^Config$' 2>/dev/null) ]]; do
  ((waited++ < 150)) || fail "the twin started no window"
  sleep 0.1
done
kill -INT "$twin"
wait_exit "$twin"
# The prefix's server ends once no program of it runs.
timeout 20 "$(dirname "$WINE")/wineserver" -w || fail "the window program outlived its interrupted twin"
echo "  interrupted, the twin ended its window program"

# A message names the folder in UTF-8 in a file, and rightly on a console:
# Wine's, on a terminal, shows what the program gave it in the terminal's
# encoding (cut into lines of 80 columns, with escapes, and a space at times
# drawn as a move to the right).
folder='Zünkel ゲーム'
dir=$(make_tool_dir "$program" "" "$folder")
cp "${program%.exe}.com" "$dir/zunkel-config.com"
status=0
"$WINE" "$dir/zunkel-config.com" --print 2>"$scratch/err" || status=$?
[[ $status == 1 ]] && grep -qF "\\$folder\\zunkel.cfg" "$scratch/err" ||
  fail "in a file the message was: $(cat "$scratch/err")"
LC_ALL=C.UTF-8 TOOL=$dir/zunkel-config.com script -qec '"$WINE" "$TOOL" --print' /dev/null \
  </dev/null >"$scratch/console" || true
tr -d '\r\n' <"$scratch/console" | sed 's/\x1b\[1C/ /g; s/\x1b\[[0-9;?]*[A-Za-z]//g' | grep -qF "\\$folder\\zunkel.cfg" ||
  fail "on a console the message was: $(cat -v "$scratch/console")"
rm "$dir/zunkel-config.exe"
"$WINE" "$dir/zunkel-config.com" --print 2>"$scratch/err" && fail "the twin ran without its program"
grep -qF "\\$folder\\zunkel-config.exe" "$scratch/err" || fail "the twin said: $(cat "$scratch/err")"
echo "  in $folder: the messages name it in a file and on a console"

# Installed where a player may not make files but may write the settings (as
# under Program Files with the file opened to users): saved in place. As
# another user, with a Wine prefix of their own, since root may write
# anywhere; needs root.
needs_root "running Wine as another user"
dir=$(make_tool_dir "$program" "$sample" installed)
cp "${program%.exe}.com" "$dir/zunkel-config.com"
chmod 666 "$dir/zunkel.cfg"
chmod 555 "$dir"
run_as 65534 65534
player_prefix=$(mktemp -d -p "$scratch")
chown 65534:65534 "$player_prefix"
as_player=("${run_as[@]}" env WINEPREFIX="$player_prefix" HOME="$player_prefix")
"${as_player[@]}" "$WINE" wineboot -i >/dev/null 2>&1
status=0
"${as_player[@]}" "$WINE" "$dir/zunkel-config.com" --set music=off || status=$?
"${as_player[@]}" "$(dirname "$WINE")/wineserver" -k 2>/dev/null || true
[[ $status == 0 ]] || fail "a player's save where no file may be made ended with $status"
cmp "$dir/zunkel.cfg" "$scratch/music_off" || fail "a player's save where no file may be made wrote another content"
[[ $(ls -A "$dir") == $'zunkel-config.com\nzunkel-config.exe\nzunkel.cfg' ]] || fail "it left: $(ls -A "$dir")"
echo "  a player's save where no file may be made: in place"
echo "windows: passed"
