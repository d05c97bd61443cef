#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
"""Keeps of a Qt Linguist file only the messages of the given contexts.

Usage: keep_qt_messages.py SOURCE.ts TARGET.ts CONTEXT...
Qt's own translations hold every text of its module; the tool shows a few.
"""
import sys
import xml.etree.ElementTree as ElementTree


def main(source, target, *contexts):
    tree = ElementTree.parse(source)
    root = tree.getroot()
    for context in root.findall("context"):
        if context.findtext("name") not in contexts:
            root.remove(context)
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
