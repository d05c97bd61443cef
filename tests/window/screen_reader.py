# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
"""The tool's window as an AT-SPI client sees it, the way screen readers read it.

- The window is a dialog named by its title, as Qt's dialogs are.
- Decorations are not in the tree: no bare frames, and nothing unnamed but
  layout containers.
- The resolution chooser is named by its label and gives the chosen value as
  its text, which is where screen readers look for a combo box's value.
- Pressing one of its entries over AT-SPI chooses it, and Save (also pressed
  over AT-SPI) writes that choice.
- A change by keyboard moves the focus to the newly chosen entry: that is
  what a screen reader speaks.

Usage: screen_reader.py TOOL_PID SETTINGS_FILE EXPECTED_AFTER_SAVE
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def wait_until(condition, what, seconds=10):
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            fail(what)
        time.sleep(0.1)


def tool_window(pid):
    def find():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                return next((w for w in app if w is not None and w.name == "Config"), None)
        return None

    wait_until(lambda: find() is not None, "the window is not in the accessibility tree")
    return find()


def tree(node):
    yield node
    for child in node:
        if child is not None:
            yield from tree(child)


def press(node):
    action = node.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    if "press" not in names:
        fail(f"{node.getRoleName()} '{node.name}' cannot be pressed (actions: {names})")
    action.doAction(names.index("press"))


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        fail(f"{node.getRoleName()} '{node.name}' gives no text")
    return text.getText(0, text.characterCount)


pid, settings, expected = int(sys.argv[1]), sys.argv[2], sys.argv[3]
window = tool_window(pid)
if window.getRole() != pyatspi.ROLE_DIALOG:
    fail(f"the window's role is {window.getRoleName()}, not dialog")
everything = list(tree(window))

frames = [node.name for node in everything if node.getRole() == pyatspi.ROLE_FRAME]
if frames:
    fail(f"decorations in the tree as frames: {frames}")
layout = (pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL)
unnamed = [node.getRoleName() for node in everything if not node.name and node.getRole() not in layout]
if unnamed:
    fail(f"unnamed objects in the tree: {unnamed}")

choosers = [node for node in everything if node.getRole() == pyatspi.ROLE_COMBO_BOX]
if len(choosers) != 1:
    fail(f"{len(choosers)} combo boxes in the tree")
chooser = choosers[0]
if chooser.name != "Display resolution":
    fail(f"the chooser is named '{chooser.name}'")
if text_of(chooser) != "640x480":
    fail(f"the chooser's value reads '{text_of(chooser)}', not 640x480")

entries = {entry.name: entry for entry in chooser}
if list(entries) != ["320x240", "512x384", "640x480", "800x600", "1024x768"]:
    fail(f"the chooser offers {list(entries)}")
press(entries["800x600"])
wait_until(lambda: text_of(chooser) == "800x600", "pressing 800x600 over AT-SPI did not choose it")
if not entries["800x600"].getState().contains(pyatspi.STATE_SELECTED):
    fail("the chosen entry is not marked selected")
press(next(node for node in everything if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == "Save"))


def saved():
    with open(settings, "rb") as current, open(expected, "rb") as wanted:
        return current.read() == wanted.read()


wait_until(saved, "Save pressed over AT-SPI did not write the chosen resolution")

# The arrow key changes the value of the focused, closed chooser.
focused = []


def on_focus(event):
    if event.detail1:
        focused.append((event.source.getRole(), event.source.name))


def change_by_keyboard():
    chooser.queryComponent().grabFocus()
    subprocess.run(["xdotool", "sleep", "0.5", "key", "Up"], check=True)
    GLib.timeout_add(1500, pyatspi.Registry.stop)
    return False


pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
GLib.timeout_add(1000, change_by_keyboard)  # once the tool knows that someone listens
pyatspi.Registry.start()
if text_of(chooser) != "640x480":
    fail(f"Up from 800x600 gave '{text_of(chooser)}'")
if (pyatspi.ROLE_LIST_ITEM, "640x480") not in focused:
    fail(f"no focus on the new value after a change by keyboard; focus went to {focused}")
