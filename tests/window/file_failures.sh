#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# The settings file cannot be read at start or written on Save: the player sees
# only the error box, the tool ends with a failure status after OK, and no
# settings are created or lost. The cases after the first three run the tool
# as another user and need root.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
tool=$1
sample=$2
new_scratch

# No settings file beside the tool, in a folder whose name looks like markup:
# the box shows the path as it is, so a heading in it makes the box no taller.
for name in 'Zunkel <h1>Beta' 'Zunkel <hx>Beta'; do
  dir=$(make_tool_dir "$tool" "" "$name")
  start_tool "$dir"
  refused_at_start
  [[ ! -e "$dir/zunkel.cfg" ]] || fail "a settings file was created"
  heights+=("$box_height")
done
[[ ${heights[0]} == "${heights[1]}" ]] || fail "the folder's name was read as markup (${heights[*]} pixels high)"

# The tool's folder is gone (removed while it was started): the working
# directory's settings are not used instead.
start_in=$scratch/elsewhere
mkdir "$start_in"
cp "$sample" "$start_in/zunkel.cfg"
dir=$(make_tool_dir "$tool" "$sample")
exec 3<"$dir/zunkel-config"
rm -r "$dir"
(cd "$start_in" && exec /proc/self/fd/3) &
tool_pid=$!
exec 3<&-
refused_at_start
cmp "$start_in/zunkel.cfg" "$sample" || fail "the working directory's settings changed"
unset start_in

# A file saved as UTF-16 ("Unicode" in some editors) is refused, not read as garbage.
dir=$(make_tool_dir "$tool")
printf 'TRUE\r\n800\r\n600\r\nTRUE\r\nTRUE\r\nTRUE\r\n0\r\n' | iconv -t UTF-16 >"$dir/zunkel.cfg"
cp "$dir/zunkel.cfg" "$scratch/utf16"
start_tool "$dir"
refused_at_start
cmp "$dir/zunkel.cfg" "$scratch/utf16" || fail "the UTF-16 file changed"

needs_root "running the tool as other users"
run_as 65534 65534
as_player=("${run_as[@]}")

# A folder the player may not write to.
dir=$(make_tool_dir "$tool" "$sample")
chmod 555 "$dir"
chmod 644 "$dir/zunkel.cfg"
start_tool "$dir" "${as_player[@]}"
save_fails_cleanly "$dir" "$sample" "$tool_pid"

# A settings file the player may not write to, in a folder they may.
dir=$(make_tool_dir "$tool" "$sample")
chown nobody "$dir" "$dir/zunkel.cfg"
chmod 444 "$dir/zunkel.cfg"
start_tool "$dir" "${as_player[@]}"
save_fails_cleanly "$dir" "$sample" "$tool_pid"
[[ $(stat -c %a "$dir/zunkel.cfg") == 444 ]] || fail "the read-only file's mode changed"

# A settings file the player may not read: only the error box, at start.
dir=$(make_tool_dir "$tool" "$sample")
chmod 000 "$dir/zunkel.cfg"
start_tool "$dir" "${as_player[@]}"
refused_at_start
cmp "$dir/zunkel.cfg" "$sample" || fail "the unreadable file changed"

# In a player's folder, a link the player made to a file of root's: root's
# tool neither reads nor writes through it.
dir=$(make_tool_dir "$tool")
chown nobody "$dir"
printf 'FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\nroot only\r\n' >"$scratch/system.conf"
cp "$scratch/system.conf" "$scratch/system.before"
"${as_player[@]}" ln -s "$scratch/system.conf" "$dir/zunkel.cfg"
start_tool "$dir"
refused_at_start
cmp "$scratch/system.conf" "$scratch/system.before" || fail "root's file changed through a planted link"
echo "file failures: passed"
