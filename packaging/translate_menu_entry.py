#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
"""Gives the desktop entry and the metainfo the texts of every language the
tool speaks, from its Qt Linguist files: the English of each text is looked
up there, in any context (the window's title is the menu's name).

Usage: translate_menu_entry.py desktop|metainfo SOURCE TARGET TRANSLATIONS.ts...
       translate_menu_entry.py texts DESKTOP METAINFO TARGET.cpp
The second form writes the English texts as a C++ file that lupdate reads,
so that bringing the .ts files up to date keeps them.
"""
import html
import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree

DESKTOP_KEYS = ("Name", "GenericName", "Comment", "Keywords")
METAINFO_ELEMENT = re.compile(r"^( *)<(name|summary|caption|p)>(.*?)</\2>\n", re.M | re.S)


def translations(ts_files):
    languages = {}
    for ts_file in ts_files:
        root = ElementTree.parse(ts_file).getroot()
        texts = languages.setdefault(root.get("language"), {})
        for message in root.iter("message"):
            if message.find("comment") is None and message.findtext("translation"):
                texts.setdefault(message.findtext("source"), message.findtext("translation"))
    return dict(sorted(languages.items()))


def one_line(text):
    return " ".join(text.split())


def desktop_texts(text):
    return [(key, value) for key, value in re.findall(r"^(\w+)=(.*)$", text, re.M) if key in DESKTOP_KEYS]


def metainfo_texts(text):
    return [(m.group(2), one_line(html.unescape(m.group(3)))) for m in METAINFO_ELEMENT.finditer(text)]


def translate_desktop(text, languages):
    def add(match):
        key, english = match.group(1), match.group(2)
        lines = [match.group(0)]
        for language, texts in languages.items():
            if english in texts:
                lines.append(f"{key}[{language}]={texts[english]}")
        return "\n".join(lines)
    return re.sub(rf"^({'|'.join(DESKTOP_KEYS)})=(.*)$", add, text, flags=re.M)


def translate_metainfo(text, languages):
    def add(match):
        indent, element, english = match.group(1), match.group(2), one_line(html.unescape(match.group(3)))
        result = match.group(0)
        for language, texts in languages.items():
            if english in texts:
                translated = html.escape(texts[english], quote=False)
                result += f'{indent}<{element} xml:lang="{language}">{translated}</{element}>\n'
        return result
    return METAINFO_ELEMENT.sub(add, text)


def main(mode, *arguments):
    if mode == "texts":
        desktop, metainfo, target = arguments
        # The menu's name is the window's title, which the window's texts hold.
        english = [value for key, value in desktop_texts(pathlib.Path(desktop).read_text()) if key != "Name"]
        english += [text for element, text in metainfo_texts(pathlib.Path(metainfo).read_text()) if element != "name"]
        lines = ["// Made by packaging/translate_menu_entry.py for lupdate: the menu's texts.\n"]
        lines += [f'QT_TRANSLATE_NOOP("Menu", "{text}")\n' for text in dict.fromkeys(english)]
        pathlib.Path(target).write_text("".join(lines))
        return
    source, target, *ts_files = arguments
    text = pathlib.Path(source).read_text()
    translate = translate_desktop if mode == "desktop" else translate_metainfo
    pathlib.Path(target).write_text(translate(text, translations(ts_files)))


if __name__ == "__main__":
    if len(sys.argv) < 4 or sys.argv[1] not in ("desktop", "metainfo", "texts"):
        sys.exit(__doc__)
    main(*sys.argv[1:])
