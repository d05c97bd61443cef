# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# Helpers for driving the real tool in a real window, as a player would.
# Sourced by the window tests, which run under with_xvfb.sh.

# The tool's file name in its folder: the Windows program's is zunkel-config.exe.
tool_name=${tool_name:-zunkel-config}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# new_scratch: one folder, in $scratch, for everything the test makes; it is
# removed at exit whatever the outcome, also where the test made parts of it
# read-only. Other users reach their folders in it.
new_scratch() {
  scratch=$(mktemp -d)
  chmod 755 "$scratch"
  trap remove_scratch EXIT
}
remove_scratch() {
  chmod -R u+rwX "$scratch" 2>/dev/null || true
  rm -rf "$scratch"
}

# needs_root WHAT: as another user than root, ends the test as skipped
# (status 77), saying what needs root.
needs_root() {
  ((EUID == 0)) && return
  echo "SKIP: $* needs root"
  exit 77
}

# run_as UID GID [GROUPS]: sets run_as to a command prefix that runs a
# command as that user, with only those supplementary groups.
run_as() {
  local runtime
  runtime=$(mktemp -d -p "${scratch:-${TMPDIR:-/tmp}}")
  chown "$1:$2" "$runtime"
  chmod 700 "$runtime"
  run_as=(env XDG_RUNTIME_DIR="$runtime" setpriv --reuid="$1" --regid="$2")
  if [[ -n ${3:-} ]]; then run_as+=(--groups="$3"); else run_as+=(--clear-groups); fi
}

# make_tool_dir EXECUTABLE [SETTINGS_CONTENT_FILE [NAME]]: a folder holding a
# copy of the tool and, if given, a settings file; prints its path. Made in
# the scratch folder if there is one, under NAME if given.
make_tool_dir() {
  local dir
  if [[ -n ${3:-} ]]; then
    dir=$scratch/$3
    mkdir "$dir"
  else
    dir=$(mktemp -d -p "${scratch:-${TMPDIR:-/tmp}}")
  fi
  chmod 755 "$dir"
  cp "$1" "$dir/$tool_name"
  [[ -n "${2:-}" ]] && cp "$2" "$dir/zunkel.cfg"
  echo "$dir"
}

# start_tool DIR [COMMAND PREFIX...]: starts the tool from another working
# directory (start_in, else /), so that finding the file beside the
# executable is what is tested.
start_tool() {
  local dir=$1
  shift
  (cd "${start_in:-/}" && exec "$@" "$dir/$tool_name") &
  tool_pid=$!
}

# translated TEXT: the tool's text as the language it runs in (LANGUAGE, the
# first one named) has it in its translation, else as it is.
translated() {
  local file
  file=$(dirname "${BASH_SOURCE[0]}")/../../translations/zunkel_${LANGUAGE%%:*}.ts
  [[ -n ${LANGUAGE:-} && -f $file ]] || { echo "$1"; return; }
  python3 -c 'import sys, xml.etree.ElementTree as tree
print(next(m.findtext("translation") for m in tree.parse(sys.argv[1]).iter("message")
           if m.findtext("source") == sys.argv[2]))' "$file" "$1"
}

# find_window PID TITLE: waits up to 15 s for the tool's visible window with
# that title. Searched for again and again: a search fails at once when a
# window it looks at goes away meanwhile, as Wine's do while it starts.
find_window() {
  local id waited=0
  until id=$(xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null | head -n 1) &&
    [[ -n $id ]]; do
    ((waited++ < 150)) || fail "no window titled '$2' appeared"
    sleep 0.1
  done
  echo "$id"
}

# window_count PID TITLE: how many visible windows with that title the tool has now.
window_count() {
  xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null | wc -l
}

# click WINDOW X Y: a left click at a point given relative to the window, in
# the window's own (unscaled) pixels; SCALE is the scale the tool runs at.
click() {
  local x y
  read -r x y < <(awk -v s="${SCALE:-1}" -v x="$2" -v y="$3" 'BEGIN { printf "%d %d\n", x * s, y * s }')
  xdotool mousemove --window "$1" "$x" "$y" click 1
}

# press_on WINDOW KEY...: keys go where the pointer is when no window manager runs.
press_on() {
  local window=$1
  shift
  xdotool mousemove --window "$window" 10 10 key --delay 50 "$@"
}

# wait_exit PID: waits up to 30 s for the tool to end; sets exit_status.
# Not to be called in $(...): a subshell cannot wait for this shell's child.
wait_exit() {
  local waited=0
  while kill -0 "$1" 2>/dev/null; do
    ((waited++ < 300)) || fail "the tool did not end"
    sleep 0.1
  done
  exit_status=0
  wait "$1" || exit_status=$?
}

# wait_for_content FILE EXPECTED_FILE: waits up to 10 s until both hold the same bytes.
wait_for_content() {
  local waited=0
  until cmp -s "$1" "$2"; do
    ((waited++ < 100)) || { od -c "$1" >&2; fail "$1 does not hold the expected bytes"; }
    sleep 0.1
  done
}

# tool_process DIR: the tool's own process id, also when a tracer started it.
tool_process() {
  local pid waited=0
  until pid=$(pgrep -n -x -f "$1/zunkel-config"); do
    ((waited++ < 100)) || fail "the tool did not start"
    sleep 0.1
  done
  echo "$pid"
}

# refused_at_start: the tool just started shows the error box and no window,
# and ends with status 1 after OK. Sets box_height to the box's height.
refused_at_start() {
  local box
  box=$(find_window "$tool_pid" Error)
  [[ $(window_count "$tool_pid" Config) == 0 ]] || fail "the window showed although nothing was read"
  box_height=$(xdotool getwindowgeometry --shell "$box" | sed -n 's/^HEIGHT=//p')
  press_on "$box" Return
  wait_exit "$tool_pid"
  [[ $exit_status == 1 ]] || fail "a failed start ended with status $exit_status, not 1"
}

# save_and_quit DIR EXPECTED_FILE [PROCESS]: ticks Play Music, presses Save,
# waits for the file to hold the expected bytes, and quits.
save_and_quit() {
  local window
  window=$(find_window "${3:-$(tool_process "$1")}" Config)
  click "$window" 47 157          # Play Music
  click "$window" 185 159         # Save
  wait_for_content "$1/zunkel.cfg" "$2"
  click "$window" 236 159         # Quit
  wait_exit "$tool_pid"
  [[ $exit_status == 0 ]] || fail "Quit after Save ended the tool with status $exit_status, not 0"
}

# save_fails_cleanly DIR OLD_CONTENT_FILE [PROCESS]: presses Save, expects the
# error box, answers it, and checks that the tool ended with status 1, the file
# kept its old bytes and no temporary file was left.
save_fails_cleanly() {
  local dir=$1 old=$2 pid=${3:-$(tool_process "$1")} window box
  window=$(find_window "$pid" Config)
  click "$window" 47 157          # Play Music, so that a save would change the file
  click "$window" 185 159         # Save
  box=$(find_window "$pid" Error)
  press_on "$box" Return
  wait_exit "$tool_pid"
  [[ $exit_status == 1 ]] || fail "a failed save ended with status $exit_status, not 1"
  cmp "$dir/zunkel.cfg" "$old" || fail "the failed save changed the file"
  local left
  left=$(ls -A "$dir" | grep -v -x -e zunkel-config -e zunkel.cfg -e filler || true)
  [[ -z $left ]] || fail "the failed save left behind: $left"
}

# hold_x_displays: a compositor starting XWayland (weston, mutter, kwin)
# gives it the lowest display number with no live lock file in /tmp and no
# abstract socket in this network namespace, and replaces the socket file
# there. With the network cut off (`unshare -n`, as sbuild runs tests) a
# server whose lock file is not seen here looks free, and would lose its
# socket. Each number whose socket is there without a lock file is held by a
# lock file of this script's own until release_x_displays, once the
# compositor has chosen.
x_display_locks=()
hold_x_displays() {
  local number lock
  # XWayland's sockets go where X servers keep them; on a machine that has
  # never run one, that folder is not there yet.
  mkdir -p -m 1777 /tmp/.X11-unix
  for ((number = 0; number < 64; number++)); do
    lock=/tmp/.X$number-lock
    [[ -e $lock ]] && continue
    [[ -S /tmp/.X11-unix/X$number ]] || break
    # noclobber: the lock file of a server starting meanwhile stays its own.
    if (set -o noclobber && printf '%10d\n' $$ >"$lock") 2>/dev/null; then
      x_display_locks+=("$lock")
    fi
  done
}
release_x_displays() {
  ((${#x_display_locks[@]} == 0)) || rm -f "${x_display_locks[@]}"
  x_display_locks=()
}
