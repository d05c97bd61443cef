#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# Whoever saves, a Save changes the settings file's content and nothing else
# about it: owner, group, mode, link count, ACL and extended attributes stay.
# Root saves a player's file; two members of a group save a file of the
# group's in turn; a player saves the one file of a system-wide install that
# is theirs to write. Needs root.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
tool=$1
sample=$2
needs_root "giving files to other users and running the tool as them"
new_scratch
printf 'FALSE\r\n640\r\n480\r\nFALSE\r\nFALSE\r\nFALSE\r\n0\r\n' >"$scratch/music_off"

# All that a Save must keep of a file.
describe() {
  stat -c 'owner %u:%g, mode %a, links %h' "$1"
  getfacl -p "$1"
  getfattr -d "$1"
}

# saved_by DIR EXPECTED [RUN_AS...]: the player saves in the real window; the
# file then holds the expected bytes and is described as before.
saved_by() {
  local dir=$1 expected=$2 before
  shift 2
  before=$(describe "$dir/zunkel.cfg")
  start_tool "$dir" "$@"
  save_and_quit "$dir" "$expected" "$tool_pid"
  [[ $(describe "$dir/zunkel.cfg") == "$before" ]] ||
    fail "the save changed the file: $(diff <(echo "$before") <(describe "$dir/zunkel.cfg"))"
  [[ $(ls -A "$dir") == $'zunkel-config\nzunkel.cfg' ]] || fail "stray files: $(ls -A "$dir")"
}

# Root saves a player's file that has an ACL entry and an attribute.
dir=$(make_tool_dir "$tool" "$sample")
chown 1000:100 "$dir" "$dir/zunkel.cfg"
chmod 600 "$dir/zunkel.cfg"
setfacl -m u:65534:rw "$dir/zunkel.cfg"
setfattr -n user.origin -v "the player's own" "$dir/zunkel.cfg"
saved_by "$dir" "$scratch/music_off"
echo "  root's save: kept"

# Members of group 100 share a folder; the file belongs to another member.
dir=$(make_tool_dir "$tool" "$sample")
chown 1000:100 "$dir" "$dir/zunkel.cfg"
chmod 775 "$dir"
chmod 664 "$dir/zunkel.cfg"
run_as 65534 65534 100
saved_by "$dir" "$scratch/music_off" "${run_as[@]}"
run_as 1001 1001 100
saved_by "$dir" "$sample" "${run_as[@]}"
echo "  two group members' saves: kept"

# A system-wide install: root's folder, a settings file that anyone may write.
dir=$(make_tool_dir "$tool" "$sample")
chmod 666 "$dir/zunkel.cfg"
run_as 65534 65534
saved_by "$dir" "$scratch/music_off" "${run_as[@]}"
echo "  a player's save in root's folder: kept"
echo "owners: passed"
