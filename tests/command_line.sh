#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# The command line, with no display at all: help and version, printing the
# settings as the window reads them, changing some and saving, and refusing
# anything wrong with one line on standard error and the file untouched.
# Usage: command_line.sh TOOL VERSION
set -euo pipefail
tool=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
fail() { echo "FAIL: $*" >&2; exit 1; }
dir=$(mktemp -d)
trap 'chmod -R u+w "$dir"; rm -rf "$dir"' EXIT
chmod 755 "$dir"
cp "$tool" "$dir/zunkel-config"
mkdir -m 700 "$dir/runtime"
export XDG_RUNTIME_DIR=$dir/runtime # for the window's runs
run() { # run COMMAND...: sets status, out, err
  status=0
  "$@" >"$dir/out" 2>"$dir/err" || status=$?
  out=$(cat "$dir/out") err=$(cat "$dir/err")
}

for help in --help -h; do
  run "$dir/zunkel-config" $help
  [[ $status == 0 && $out == Usage:*--print*--set* && -z $err ]] || fail "$help: $status '$out' '$err'"
  (($(wc -L <"$dir/out") <= 80)) || fail "$help is wider than 80 columns: '$out'"
done
for version_option in --version -V; do
  run "$dir/zunkel-config" $version_option
  # Qt's notices come with Debian's Qt here; only the Windows zip has a folder for them.
  [[ $status == 0 && $out == "zunkel-config $version"$'\n'*Copyright*$'\n'"License MIT"* &&
     $out != *"folder Qt"* ]] || fail "$version_option: $status '$out'"
done

# A quoted value holding a line end stays on its KEY=VALUE line, and one
# holding a right-to-left override cannot reorder what the terminal shows.
printf 'FALSE\r\n"12\r\n80"\r\n\xe2\x80\xae027\r\nTRUE\r\nFALSE\r\nTRUE\r\n0\r\n' >"$dir/zunkel.cfg"
run "$dir/zunkel-config" --print
[[ $status == 0 && $(wc -l <"$dir/out") == 5 && $out == *'resolution=12\r\n80x\u202e027'$'\n'* ]] ||
  fail "--print with a line end and an override in values: $status '$out' '$err'"
# A width the tool does not offer shows as stored; only exactly TRUE is on.
printf 'true\r\n1280\r\n720\r\nTRUE\r\nFALSE\r\nTRUE\r\n"kept, as read"\r\n' >"$dir/zunkel.cfg"
run "$dir/zunkel-config" --print
[[ $status == 0 && $out == $'fullscreen=off\nresolution=1280x720\nfiltering=off\nflat=on\nmusic=on' ]] ||
  fail "--print: $status '$out' '$err'"
# Every language translates the help and the messages, but prints the same
# keys and values: scripts rely on them.
printed=$out
english_help=$("$dir/zunkel-config" --help)
for translation in "$(dirname "$0")"/../translations/zunkel_*.ts; do
  language=${translation##*/zunkel_} language=${language%.ts}
  run env LANGUAGE="$language" "$dir/zunkel-config" --print
  [[ $status == 0 && $out == "$printed" ]] || fail "--print in $language: $status '$out' '$err'"
  run env LANGUAGE="$language" "$dir/zunkel-config" --help
  [[ $status == 0 && $out == *--print*--set* && $out != "$english_help" ]] || fail "--help in $language: '$out'"
  # Columns as a terminal counts them, two for each East Asian character,
  # below the usage line, which holds the path the tool was started by.
  (($(tail -n +2 "$dir/out" | LC_ALL=C.UTF-8 wc -L) <= 80)) ||
    fail "--help in $language is wider than 80 columns: '$out'"
  run env LANGUAGE="$language" "$dir/zunkel-config" --set colour=on
  [[ $status == 2 && $err == *colour* && $err != *"unknown setting"* ]] || fail "a refusal in $language: '$err'"
done

# A language Qt does not know passes to the next; Portugal's Portuguese is
# Brazil's, not English.
run env LANGUAGE=tok:de "$dir/zunkel-config" --set colour=on
[[ $err == *"unbekannte Einstellung"* ]] || fail "LANGUAGE=tok:de: '$err'"
run env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=pt_PT.UTF-8 "$dir/zunkel-config" --set colour=on
[[ $err == *"ajuste desconhecido"* ]] || fail "LANG=pt_PT.UTF-8: '$err'"
# The system's reason in an 8-bit locale is read in its encoding.
mkdir "$dir/locales"
if localedef -i ru_RU -f KOI8-R "$dir/locales/ru_RU.KOI8-R" 2>/dev/null; then
  mv "$dir/zunkel.cfg" "$dir/elsewhere"
  run env -u LANGUAGE LOCPATH="$dir/locales" LC_ALL=ru_RU.KOI8-R "$dir/zunkel-config" --print
  mv "$dir/elsewhere" "$dir/zunkel.cfg"
  [[ $status == 1 && $err == *"Нет такого файла"* ]] || fail "the reason in KOI8-R: '$err'"
  status=0
  env -u LANGUAGE LOCPATH="$dir/locales" LC_ALL=ru_RU.KOI8-R "$dir/zunkel-config" --help >/dev/full 2>"$dir/err" ||
    status=$?
  [[ $status == 1 && $(cat "$dir/err") == *"На устройстве не осталось"* ]] ||
    fail "the output's reason in KOI8-R: '$(cat "$dir/err")'"
fi

run "$dir/zunkel-config" --set resolution=1024x768 -- fullscreen=On music=false
[[ $status == 0 && -z $out && -z $err ]] || fail "--set: $status '$out' '$err'"
printf 'TRUE\r\n1024\r\n768\r\nFALSE\r\nFALSE\r\nTRUE\r\n"kept, as read"\r\n' >"$dir/expected"
cmp "$dir/zunkel.cfg" "$dir/expected" || fail "--set wrote $(od -c "$dir/zunkel.cfg")"

# Each mistake is named on one line, also when it holds a line end, and
# nothing is written. What names none of the tool's options is the window's:
# Qt takes its own options first, on a display.
refused() { # refused WHAT COMMAND...
  run "${@:2}"
  [[ $status == 2 && -z $out && $(wc -l <"$dir/err") == 1 && $err == zunkel-config:* ]] ||
    fail "'$1' was not refused properly: $status '$out' '$err'"
  cmp -s "$dir/zunkel.cfg" "$dir/expected" || fail "'$1' changed the file"
}
for wrong in "--print extra" "--print --set music=on" "--print --frob" "--set" "--set music" "--set colour=on" \
  "--set music=loud" "--set resolution=1280x720" "--set flat=on resolution=1024x768x"; do
  # shellcheck disable=SC2086
  refused "$wrong" "$dir/zunkel-config" $wrong
done
refused "a line end in a value" "$dir/zunkel-config" --set $'music=o\nn'
[[ $err == *"'o\nn'"* ]] || fail "the line end was not shown escaped: '$err'"
for wrong in "--frob" "extra" "-platform offscreen music=on"; do
  # shellcheck disable=SC2086
  refused "$wrong" env QT_QPA_PLATFORM=offscreen "$dir/zunkel-config" $wrong
done
# Qt's own options, also those that QCoreApplication takes, start the window.
status=0
timeout 3 "$dir/zunkel-config" -qmljsdebugger=port:1 -platform offscreen -style fusion -reverse \
  -qwindowgeometry 10x10 >"$dir/out" 2>&1 || status=$?
[[ $status == 124 ]] || fail "Qt's own options did not start the window: $status $(cat "$dir/out")"

# Output that is lost is a failure, said on one line.
for lost in "--print >&-" "--print >/dev/full" "--help >/dev/full"; do
  status=0
  eval "\"\$dir/zunkel-config\" $lost" 2>"$dir/err" || status=$?
  [[ $status == 1 && $(wc -l <"$dir/err") == 1 && $(cat "$dir/err") == *"standard output"* ]] ||
    fail "'$lost' ended with $status: $(cat "$dir/err")"
done
mv "$dir/zunkel.cfg" "$dir/elsewhere"
run "$dir/zunkel-config" --set music=on
[[ $status == 1 && $err == *zunkel.cfg* && ! -e "$dir/zunkel.cfg" ]] || fail "a missing file: $status '$err'"
mv "$dir/elsewhere" "$dir/zunkel.cfg"

# A save that fails keeps the old file, as in the window. As in a package,
# the file is a link's target, which is what the player is told to have
# changed, with what they can do on a line of its own.
mkdir "$dir/var"
mv "$dir/zunkel.cfg" "$dir/var/zunkel.cfg"
ln -s "$dir/var/zunkel.cfg" "$dir/zunkel.cfg"
chmod 555 "$dir" "$dir/var"
chmod 444 "$dir/var/zunkel.cfg"
as_user=()
[[ $(id -u) == 0 ]] && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
run "${as_user[@]}" "$dir/zunkel-config" --set music=on
[[ $status == 1 && $err == "zunkel-config: cannot save $dir/var/zunkel.cfg: "*$'\n'"zunkel-config: Ask whoever"* ]] ||
  fail "a failed save: $status '$err'"
cmp "$dir/var/zunkel.cfg" "$dir/expected" || fail "a failed save changed the file"
echo "command line: passed"
