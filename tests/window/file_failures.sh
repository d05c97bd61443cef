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
wait_exit "$tool_pid"
[[ $exit_status == 1 ]] || fail "a failed start ended with status $exit_status, not 1"
[[ ! -e "$dir/zunkel.cfg" ]] || fail "a settings file was created"
rm -rf "$dir"

# Root ignores permissions, so from here the tool runs as an ordinary user.
runtime=$(mktemp -d)
chown nobody "$runtime"
chmod 700 "$runtime"
trap 'rm -rf "$dir" "$runtime"' EXIT
as_player=(env XDG_RUNTIME_DIR="$runtime" setpriv --reuid=65534 --regid=65534 --clear-groups)

# A folder the player may not write to.
dir=$(make_tool_dir "$tool" "$sample")
chmod 555 "$dir"
chmod 644 "$dir/zunkel.cfg"
start_tool "$dir" "${as_player[@]}"
save_fails_cleanly "$dir" "$sample" "$tool_pid"
rm -rf "$dir"

# A settings file the player may not write to, in a folder they may.
dir=$(make_tool_dir "$tool" "$sample")
chown nobody "$dir" "$dir/zunkel.cfg"
chmod 444 "$dir/zunkel.cfg"
start_tool "$dir" "${as_player[@]}"
save_fails_cleanly "$dir" "$sample" "$tool_pid"
[[ $(stat -c %a "$dir/zunkel.cfg") == 444 ]] || fail "the read-only file's mode changed"
rm -rf "$dir"

# A settings file the player may not read: only the error box, at start.
dir=$(make_tool_dir "$tool" "$sample")
chmod 000 "$dir/zunkel.cfg"
start_tool "$dir" "${as_player[@]}"
box=$(find_window "$tool_pid" Error)
[[ $(window_count "$tool_pid" Config) == 0 ]] || fail "the window showed although nothing was read"
press_on "$box" Return
wait_exit "$tool_pid"
[[ $exit_status == 1 ]] || fail "an unreadable file ended the tool with status $exit_status, not 1"
cmp "$dir/zunkel.cfg" "$sample" || fail "the unreadable file changed"
echo "file failures: passed"
