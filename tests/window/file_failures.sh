#!/usr/bin/env bash
# The settings file cannot be read at start or written on Save: the player sees
# only the error box, the tool ends with a failure status after OK, and no
# settings are created or lost.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
tool=$1
sample=$2

# No settings file beside the tool.
dir=$(make_tool_dir "$tool")
trap 'rm -rf "$dir"' EXIT
start_tool "$dir"
box=$(find_window "$tool_pid" Error)
[[ $(window_count "$tool_pid" Config) == 0 ]] || fail "the window showed although nothing was read"
press_on "$box" Return
status=$(wait_exit "$tool_pid")
[[ $status == 1 ]] || fail "a failed start ended with status $status, not 1"
[[ ! -e "$dir/zunkel.cfg" ]] || fail "a settings file was created"
rm -rf "$dir"

# A folder the player may not write to. Root ignores permissions, so the tool
# runs as an ordinary user here.
dir=$(make_tool_dir "$tool" "$sample")
chmod 555 "$dir"
chmod 644 "$dir/zunkel.cfg"
runtime=$(mktemp -d)
chown nobody "$runtime"
chmod 700 "$runtime"
trap 'rm -rf "$dir" "$runtime"' EXIT
start_tool "$dir" env XDG_RUNTIME_DIR="$runtime" setpriv --reuid=65534 --regid=65534 --clear-groups
window=$(find_window "$tool_pid" Config)
click "$window" 47 157          # Play Music, so that the save would change the file
click "$window" 185 159         # Save
box=$(find_window "$tool_pid" Error)
press_on "$box" Return
status=$(wait_exit "$tool_pid")
[[ $status == 1 ]] || fail "a failed save ended with status $status, not 1"
cmp "$dir/zunkel.cfg" "$sample" || fail "the failed save changed the file"
[[ $(ls -A "$dir") == $'zunkel-config\nzunkel.cfg' ]] || fail "stray files: $(ls -A "$dir")"
echo "file failures: passed"
