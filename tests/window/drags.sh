#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# Drags of the real window as players make them, under one desktop, each part
# pressed twice in a row as a hand does: the title and the skin with each
# button, a flick, a drag whose press, motion and release come at once, other
# buttons clicked during a drag, and a drag after each kind of click (a
# slipped one, a double one, a right one). Each ends where the pointer's
# offset says (±1 pixel), and a click moves nothing. Prints the moves it
# measured.
#
# Usage, under with_xvfb.sh: drags.sh SETUP TOOL
# SETUP: X11 window managers: none, openbox, xfwm4, icewm, fluxbox, mutter,
#   kwin; stale-wayland (none, with WAYLAND_DISPLAY naming a live compositor,
#   as a nested X server started from a Wayland session has it).
# Wayland compositors running in a window of the X server, which gives them
#   real input, the tool left to choose where it runs unless said: sway,
#   weston, mutter-wayland, kwin-wayland (the tool asked to run natively);
#   sway-xwayland, weston-xwayland, mutter-xwayland, kwin-xwayland (XWayland
#   there too); sway-xcb (the tool asked to run through XWayland); dead-x11
#   (weston, with DISPLAY naming an X server that never answers).
# wine: TOOL is the Windows program, run by with_wine.sh's WINE, with no
#   window manager.
# A desktop that is not installed is skipped with status 77.
set -euo pipefail
setup=$1
tool=$2
[[ $setup == wine ]] && tool_name=zunkel-config.exe
source "$(dirname "$0")/lib.sh"
new_scratch
# The desktops keep their settings here.
export HOME=$scratch/home
mkdir -p "$HOME"
printf 'FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n' >"$scratch/settings"

needs() {
  command -v "$1" >/dev/null || { echo "SKIP: $setup: $1 is not installed"; exit 77; }
}
pids=()
stop_desktop() {
  local pid
  # Each desktop and its bus share a session of their own; xfwm4 ignores
  # SIGTERM.
  for pid in "${pids[@]}"; do
    kill -CONT -- -"$pid" 2>/dev/null || true
    kill -- -"$pid" 2>/dev/null || kill "$pid" 2>/dev/null || true
  done
  sleep 0.2
  for pid in "${pids[@]}"; do
    kill -KILL -- -"$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  release_x_displays
  remove_scratch
}
trap stop_desktop EXIT
# started COMMAND...: runs it in a session of its own, with its own bus.
started() {
  setsid dbus-run-session -- "$@" >>"$scratch/desktop.log" 2>&1 &
  pids+=($!)
}
# waited_for WHAT TEST...: waits up to 20 s for the test to hold.
waited_for() {
  local what=$1 waited=0
  shift
  until "$@"; do
    ((waited++ < 200)) || { cat "$scratch/desktop.log" >&2; fail "$what did not start"; }
    sleep 0.1
  done
}

# An X11 window manager, once it manages the screen: the window it names on
# the root window names itself.
managing() {
  local check
  check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*# \(0x[0-9a-f]*\).*/\1/p') &&
    [[ -n $check ]] && xprop -id "$check" _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "$check"
}
start_window_manager() {
  needs "$1"
  started "$@"
  waited_for "$1" managing
}

# A Wayland compositor in a window of this X server, at its top left corner;
# the tool then runs in it, natively or through its XWayland as SETUP says.
# Sets WAYLAND_DISPLAY, and DISPLAY_FOR_TOOL (with XAUTHORITY where it has
# one) for its XWayland.
start_compositor() { # start_compositor KIND SETUP
  local kind=$1 program before=""
  # Each compositor runs a command once it is ready, which writes where its
  # displays are, into a folder its user may write.
  mkdir -m 1777 "$scratch/session"
  session=$scratch/session/displays
  environment_written() { [[ -s $session ]]; }
  # sway as root lets root into its XWayland only when told (xhost).
  [[ $2 == sway-xcb ]] && ((EUID == 0)) && before='xhost +si:localuser:root >/dev/null'
  cat >"$scratch/ready" <<EOF
#!/bin/sh
$before
case \$WAYLAND_DISPLAY in /*) w=\$WAYLAND_DISPLAY ;; *) w=\$XDG_RUNTIME_DIR/\$WAYLAND_DISPLAY ;; esac
echo "\$w \$DISPLAY \$XAUTHORITY" >$session.part && mv $session.part $session
exec sleep 100000
EOF
  chmod 755 "$scratch" "$scratch/ready"
  hold_x_displays
  case $kind in
    weston)
      needs weston
      # No fading in: while the screen fades, every pixel of it would count as the window.
      printf '[shell]\nbackground-color=0xff0000ff\npanel-position=none\nanimation=none\nstartup-animation=none\n' \
        >"$scratch/weston.ini"
      printf '[autolaunch]\npath=%s\n' "$scratch/ready" >>"$scratch/weston.ini"
      started weston --config="$scratch/weston.ini" --backend=x11-backend.so --use-pixman --width=1024 \
        --height=768 --socket=wayland-drags --idle-time=0 --xwayland
      ;;
    mutter)
      needs mutter
      started env MUTTER_DEBUG_DUMMY_MODE_SPECS=1024x768 mutter --nested --wayland \
        --wayland-display=wayland-drags -- "$scratch/ready"
      ;;
    kwin)
      needs kwin_wayland
      # A copy, without the file capability it is installed with, which a
      # process that is no login session's cannot keep.
      program=$scratch/kwin_wayland
      cp "$(command -v kwin_wayland)" "$program"
      started "$program" --x11-display "$DISPLAY" --xwayland --socket wayland-drags --width 1024 --height 768 \
        --exit-with-session "$scratch/ready"
      ;;
    sway)
      needs sway
      # XWayland started only when an X11 program comes, as sway has it by
      # default: where the tool chooses, it runs natively without starting it.
      local xwayland=enable
      [[ $2 == sway ]] && xwayland=disable
      [[ $2 == sway-xcb ]] && xwayland=force
      printf '%s\n' "output * bg #0000ff solid_color" "xwayland $xwayland" "default_floating_border none" \
        "exec $scratch/ready" >"$scratch/sway.config"
      local as_user=()
      # sway refuses to run as root.
      if ((EUID == 0)); then
        run_as 65534 65534
        as_user=("${run_as[@]}")
        chown 65534:65534 "$HOME"
      fi
      started "${as_user[@]}" env HOME="$HOME" WLR_BACKENDS=x11 WLR_RENDERER=pixman WLR_X11_OUTPUTS=1 \
        WAYLAND_DISPLAY= sway --config "$scratch/sway.config"
      ;;
  esac
  waited_for "$kind" environment_written
  release_x_displays
  local authority
  read -r WAYLAND_DISPLAY DISPLAY_FOR_TOOL authority <"$session"
  export WAYLAND_DISPLAY
  [[ -n $authority ]] && export XAUTHORITY=$authority
  sway_socket=$(ls "$(dirname "$WAYLAND_DISPLAY")"/sway-ipc.*.sock 2>/dev/null || true)
  reads_screen=yes
  # The screen before the tool comes, the pointer waiting outside the
  # compositor's window, where its picture hides nothing of the screen.
  xdotool mousemove 1200 900 sleep 1
  xwd -root -silent >"$scratch/before.xwd"
  case $2 in
    *-wayland | sway | weston) export QT_QPA_PLATFORM=wayland ;;
    sway-xcb) export QT_QPA_PLATFORM=xcb ;;
  esac
}

case $setup in
  none | wine) ;;
  openbox) start_window_manager openbox --sm-disable ;;
  xfwm4) start_window_manager xfwm4 --compositor=off --sm-client-disable ;;
  icewm) start_window_manager icewm ;;
  fluxbox) start_window_manager fluxbox ;;
  mutter) start_window_manager mutter --x11 --replace ;;
  kwin) start_window_manager kwin_x11 --replace ;;
  stale-wayland)
    # A live compositor of the session the X server was started from, with
    # no window here.
    needs weston
    started weston --backend=headless-backend.so --use-pixman --socket=wayland-outer --idle-time=0
    waited_for weston test -S "$XDG_RUNTIME_DIR/wayland-outer"
    export WAYLAND_DISPLAY=wayland-outer
    ;;
  dead-x11)
    start_compositor weston "$setup"
    # An X server that takes connections and never answers.
    mkfifo "$scratch/dead"
    # Opened for reading too, so that the opening does not wait for a reader.
    started Xvfb -displayfd 3 -nolisten tcp 3<>"$scratch/dead"
    read -r dead <"$scratch/dead"
    kill -STOP -- -"${pids[-1]}"
    DISPLAY_FOR_TOOL=:$dead
    ;;
  sway | sway-* | weston | weston-* | mutter-* | kwin-*) start_compositor "${setup%%-*}" "$setup" ;;
  *) fail "unknown setup $setup" ;;
esac

dir=$(make_tool_dir "$tool" "$scratch/settings")
started_at=$SECONDS
if [[ $setup == wine ]]; then
  start_tool "$dir" "$WINE"
else
  # The tool says who moved the window at each press, which check reads.
  start_tool "$dir" env DISPLAY="${DISPLAY_FOR_TOOL:-$DISPLAY}" QT_LOGGING_RULES=zunkel.window.info=true \
    2> >(tee "$scratch/tool.log" >&2)
fi

# position: where the window is on this X server.
if [[ $setup == sway* ]]; then
  # sway says where it shows each window, and how.
  position() {
    swaymsg -s "$sway_socket" -t get_tree | python3 -c '
import json, sys
def find(node):
    if node.get("name") == "Config":
        return node
    return next(filter(None, map(find, node.get("nodes", []) + node.get("floating_nodes", []))), None)
window = find(json.load(sys.stdin))
print(window["rect"]["x"], window["rect"]["y"], window["shell"]) if window else sys.exit(1)
' | cut -d " " -f "${1:-1-2}"
  }
  park=(1200 900)
elif [[ -n ${reads_screen:-} ]]; then
  needs xwd
  # Read from the screen: the top left corner of what differs from the
  # compositor's screen before the tool came, forty pixels in a row (the
  # window, not the picture of the pointer). weston puts a shadow beneath
  # X11 windows, which only darkens the blue background.
  position() {
    xwd -root -silent | python3 -c '
import struct, sys
def rows(data):
    header = struct.unpack(">25I", data[:100])
    size, width, height, bits, line, colours = header[0], header[4], header[5], header[11], header[12], header[19]
    start = size + 12 * colours
    return [data[start + y * line:start + y * line + bits // 8 * width] for y in range(height)], bits // 8
(now, size), (before, _) = rows(sys.stdin.buffer.read()), rows(open(sys.argv[1], "rb").read())
def drawn(new, old):
    return new != old and not (sys.argv[2] == "yes" and all(a <= b for a, b in zip(new, old)))
left = top = None
for y, (row, old) in enumerate(zip(now, before)):
    if row == old:
        continue
    changed = "".join("1" if drawn(row[x:x + size], old[x:x + size]) else "0" for x in range(0, len(row), size))
    x = changed.find("1" * 40)
    if x >= 0:
        top = y if top is None else top
        left = x if left is None else min(left, x)
print(left, top) if top is not None else sys.exit(1)
' "$scratch/before.xwd" "$([[ $setup == weston-xwayland ]] && echo yes)"
  }
  park=(1200 900)
else
  window=$(find_window "$tool_pid" Config)
  position() {
    local X Y
    eval "$(xdotool getwindowgeometry --shell "$window" | grep -e '^X=' -e '^Y=')"
    echo "$X $Y"
  }
  park=(5 5)
fi

# settled: the window's position once it has stayed put for half a second.
settled() {
  local now last waited=0
  last=$(position || true)
  while sleep 0.5 && now=$(position || true) && [[ $now != "$last" || -z $now ]]; do
    ((waited++ < 20)) || fail "the window did not come to rest"
    last=$now
  done
  echo "$now"
}

# A compositor moves the window at its own pace, only while the button is
# down (all at once, its release may come first).
compositor_moves=no
[[ -n ${reads_screen:-} || $setup == sway* ]] && compositor_moves=yes
# Ways of a desktop that the tool cannot change (docs/desktops.md): they are
# reported and, when one misses, make the setup skipped rather than passed,
# the cases after it left untried. sway begins a move that an X11 program
# asks for just before a quick release, and that move follows the pointer
# until the next click: the window is carried off in that case or, the
# pointer having left, in the next one.
known=()
[[ $setup == sway-xcb ]] && known=("all at once" "slipped click" "double click")
last_case=""
# sway anchors a move where the pointer is when the request reaches it, not
# at the press the request names, natively and through its XWayland. When
# the press reaches the tool late (sway busy, or the longer way through
# XWayland), the first motion may come before the request, and is lost
# whatever the tool does. That loss alone is allowed, in a third of the
# drags at most: a tool that asked late would lose it in every one.
first_step="" late=0 drags=0
# Under mutter only the left button moves the window: mutter never ends a
# move begun by another.
still_by=()
[[ $setup == mutter-* ]] && still_by=(2 3)

xdotool mousemove "${park[@]}"
read -r x0 y0 < <(settled)
echo "  the window appeared $((SECONDS - started_at)) s after the start"
# Where the tool chooses, sway's window shows how it runs.
if [[ $setup == sway-xwayland && $(position 3) != xdg_shell ]]; then
  fail "the tool runs through XWayland under sway ($(position 3))"
fi
# ...without starting the XWayland that sway starts for the first X11 program.
if [[ $setup == sway-xwayland ]] && pgrep -g "${pids[0]}" -x Xwayland >/dev/null; then
  fail "the tool started sway's XWayland"
fi
failed=0
# within_a_pixel DX DY EXPECTED_DX EXPECTED_DY
within_a_pixel() { (($1 >= $3 - 1 && $1 <= $3 + 1 && $2 >= $4 - 1 && $2 <= $4 + 1)); }
# check CASE EXPECTED_DX EXPECTED_DY [SLACK_X SLACK_Y]: the window moved as
# expected since the last check, within a pixel (or within the slack, from 0).
check() {
  local x y dx dy
  read -r x y < <(settled)
  dx=$((x - x0)) dy=$((y - y0))
  local ok=yes
  if [[ -n ${4:-} ]]; then
    ((dx >= 0 && dx <= $4 && dy >= 0 && dy <= $5)) || ok=no
  else
    within_a_pixel "$dx" "$dy" "$2" "$3" || ok=no
  fi
  if [[ $ok == no && $setup == sway* && -n $first_step ]] &&
    within_a_pixel "$dx" "$dy" $(($2 - ${first_step%,*})) $(($3 - ${first_step#*,})); then
    ok="yes (sway began the move after the first step)"
    ((++late))
  fi
  [[ -z $first_step ]] || ((++drags))
  first_step=""
  local case known_way=no
  for case in "${known[@]}"; do
    [[ $case == "$1" || $case == "$last_case" ]] && known_way=yes
  done
  # sway's XWayland may begin the move the tool handed over only after the
  # release, with no way to cancel it: the window stays, then follows the
  # pointer until the next click. Any drag on a slow enough machine.
  if [[ $setup == sway-xcb && $ok == no ]] && ((dx == 0 && dy == 0)) &&
    grep "press of button" "$scratch/tool.log" | tail -n 1 | grep -q "moved by the window system"; then
    known_way=yes
  fi
  if [[ $ok == no && $known_way == yes ]]; then
    printf '  %-15s %-22s expected %4d,%-4d moved %4d,%-4d %s\n' "$setup" "$1" "$2" "$3" "$dx" "$dy" "no (known)"
    ((failed == 0)) || fail "$setup: a drag ended elsewhere"
    echo "SKIP: $setup: its own ways moved the window in: $1 (after $last_case); the cases after it were not tried"
    exit 77
  fi
  printf '  %-15s %-22s expected %4d,%-4d moved %4d,%-4d %s\n' "$setup" "$1" "$2" "$3" "$dx" "$dy" "$ok"
  [[ $ok != no ]] || failed=1
  x0=$x y0=$y last_case=$1
}
# moved_by BUTTON CASE DX DY: the check for a drag by that button.
moved_by() {
  if printf '%s\n' "${still_by[@]}" | grep -qxF "$1"; then
    check "$2" 0 0
  else
    check "$2" "$3" "$4"
  fi
}

# towards X Y: xdotool steps that bring the pointer to (X, Y) as a hand does,
# in more than one motion. XWayland under sway places a press that follows
# the pointer's only motion into a window by the motion with which it last
# left the window, as any X11 program there sees.
towards() {
  echo mousemove $(($1 + 1)) $(($2 + 1)) sleep 0.05 mousemove "$1" "$2"
}

# drag BUTTON X Y [DX,DY...]: presses BUTTON at (X, Y) of the window, moves
# the pointer to each offset from there, a twentieth of a second apart, and
# releases it; a step "now" leaves out the pause before the next one, a step
# "+ COMMAND..." runs an xdotool command instead.
drag() {
  local button=$1 sx=$(($2 + x0)) sy=$(($3 + y0)) pause=(sleep 0.05)
  shift 3
  local steps=($(towards "$sx" "$sy") sleep 0.2 mousedown "$button")
  first_step=""
  while (($#)); do
    case $1 in
      now) pause=() ;;
      +*) steps+=("${1#+}"); pause=(sleep 0.05) ;;
      *)
        steps+=("${pause[@]}" mousemove $((sx + ${1%,*})) $((sy + ${1#*,}))); pause=(sleep 0.05)
        first_step=${first_step:-$1}
        ;;
    esac
    shift
  done
  steps+=("${pause[@]}" mouseup "$button" sleep 0.2 mousemove "${park[@]}")
  xdotool "${steps[@]}"
}
# clicked BUTTON X Y [REPEAT]: clicks there, then moves on with no button:
# a move left running would carry the window along.
clicked() {
  xdotool $(towards $(($2 + x0)) $(($3 + y0))) click --repeat "${4:-1}" --delay 80 "$1" sleep 0.2 \
    mousemove $((x0 + 180)) $((y0 + 200)) sleep 0.2 mousemove "${park[@]}"
}

title=(100 12) skin=(150 172)
drag 1 "${title[@]}" 1,1 12,8 24,16 36,24 48,32 60,40
check "one pixel first" 60 40
drag 1 "${title[@]}" -20,-10 -40,-25 -60,-40
check "the title again" -60 -40
drag 1 "${skin[@]}" 40,30 45,35 50,40
check "flick (40,30)" 50 40
drag 1 "${skin[@]}" -25,-20 -50,-40
check "the skin again" -50 -40
drag 3 "${skin[@]}" -1,0 -15,10 -30,20 -45,30
moved_by 3 "right button" -45 30
drag 3 "${skin[@]}" 15,-10 30,-20 45,-30
moved_by 3 "right button again" 45 -30
drag 2 "${title[@]}" 10,5 20,10 30,20
moved_by 2 "middle button" 30 20
drag 2 "${title[@]}" -10,-5 -20,-10 -30,-20
moved_by 2 "middle button again" -30 -20
drag 1 "${title[@]}" now 40,30 now
if [[ $compositor_moves == yes ]]; then
  check "all at once" 40 30 40 30
else
  check "all at once" 40 30
fi
drag 1 "${title[@]}" 1,1 -10,10 -20,20 +click +3 -30,30 -40,40
check "right click midway" -40 40
# The slip with the release at once: the window stays within the slip.
drag 1 "${skin[@]}" now 2,1 now
xdotool mousemove $((x0 + 210)) $((y0 + 212)) sleep 0.2 mousemove "${park[@]}"
check "slipped click" 0 0 2 1
drag 1 "${skin[@]}" 20,10 30,20
check "after a click" 30 20
clicked 1 "${skin[@]}" 2
check "double click" 0 0
drag 1 "${skin[@]}" -20,-10 -30,-20
check "after a double click" -30 -20
clicked 3 "${skin[@]}"
check "right click" 0 0
drag 1 "${skin[@]}" 20,-10 30,-20
check "after a right click" 30 -20
drag 1 "${title[@]}" 1,1 10,-10 20,-20 +click +2 30,-30 40,-40
if [[ $setup == mutter-* ]]; then
  # mutter's own way with every window: its move ends at the press.
  check "middle click midway" 20 -20
else
  check "middle click midway" 40 -40
fi

# The tool still answers the pointer: the close button ends it.
xdotool $(towards $((x0 + 256)) $((y0 + 6))) sleep 0.2 click 1
wait_exit "$tool_pid"
[[ $exit_status == 0 ]] || fail "the close button ended the tool with status $exit_status"
((failed == 0)) || fail "$setup: a drag ended elsewhere"
((late * 3 <= drags)) || fail "$setup: $late of $drags drags lost their first step: the move is asked for late"
echo "drags under $setup: passed"
