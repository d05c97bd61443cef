#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
"""Keeps of a TrueType face only the given characters.

Usage: subset_font.py SOURCE.ttf[:FACE] TARGET.ttf CHARACTERS [TRANSLATIONS.ts...]
FACE is the number of the face in a collection (.ttc).
CHARACTERS is a comma-separated list of code points and ranges, e.g.
"U+0020-007E,U+2715". Every character of the translations in the Qt Linguist
files is kept as well.

What the layout rules of the kept characters reach (ligatures, accents) is
kept too, with its own characters when the face gives it any: FreeType hints
a glyph by the script of its character, and a ligature kept without one
would be drawn differently from the whole face. Outlines, hinting, kerning,
the layout rules that text uses by default, and every name record (the
copyright and licence among them) stay as they are, and so do the bitmaps a
face carries for the sizes it was drawn for (its strikes); each strike's line is
set to what the bitmaps kept cover.
"""
import sys
import xml.etree.ElementTree as ElementTree

from fontTools import subset
from fontTools.ttLib import TTFont


def code_points(text):
    points = set()
    for part in text.split(","):
        first, _, last = part.strip().upper().removeprefix("U+").partition("-")
        points.update(range(int(first, 16), int(last or first, 16) + 1))
    return points


def translated_code_points(ts_file):
    points = set()
    for element in ElementTree.parse(ts_file).iter():
        if element.tag in ("translation", "numerusform") and element.text:
            points.update(ord(c) for c in element.text if c.isprintable())
    return points


def fit_strikes_to_their_bitmaps(font):
    """FreeType takes the ascender and descender of a strike for the font's
    at that size, and Qt sets text by them. WenQuanYi Zen Hei Sharp's 12-pixel
    strike says 9 pixels above the baseline and 3 below, where its ideographs
    reach 10 above and its kana 11, and nothing goes below 2: a title set at
    the top of its box lost its first row, and centred text sat high. Each
    strike's line is set to what its bitmaps cover."""
    if "EBLC" not in font:
        return
    for size, bitmaps in zip(font["EBLC"].strikes, font["EBDT"].strikeData):
        tops, bottoms = [], []
        for index in size.indexSubTables:
            for glyph in index.names:
                # Shared by the index's glyphs, or each glyph's own.
                metrics = getattr(index, "metrics", None) or bitmaps[glyph].metrics
                top = getattr(metrics, "horiBearingY", None)
                if top is None:
                    top = metrics.BearingY
                tops.append(top)
                bottoms.append(top - metrics.height)
        if tops:
            line = size.bitmapSizeTable.hori
            line.ascender, line.descender = max(tops), min(bottoms)


def main(source, target, characters, *translations):
    options = subset.Options(name_IDs=["*"], name_languages=["*"], name_legacy=True,
                             legacy_kern=True, notdef_outline=True)
    # Strikes are dropped unless asked for; the font editor's timestamps and
    # the bitmaps' source (BDF), which no renderer reads, go.
    options.drop_tables = [t for t in options.drop_tables if t not in ("EBDT", "EBLC", "EBSC")]
    options.drop_tables += ["FFTM", "BDF "]
    path, colon, face = source.rpartition(":")
    if not (colon and face.isdigit()):
        path, face = source, "-1"  # a face of its own, not in a collection
    source = lambda: TTFont(path, fontNumber=int(face), recalcBBoxes=False, recalcTimestamp=False)
    by_glyph = {}
    for point, glyph in source().getBestCmap().items():
        by_glyph.setdefault(glyph, set()).add(point)
    wanted = code_points(characters).union(*map(translated_code_points, translations))
    while True:
        # As they are: recomputed bounds change a flag that moves glyphs.
        font = source()
        subsetter = subset.Subsetter(options)
        subsetter.populate(unicodes=wanted)
        subsetter.subset(font)
        reached = set().union(*(by_glyph.get(glyph, set()) for glyph in subsetter.glyphs_retained))
        if reached <= wanted:
            break
        wanted |= reached
    fit_strikes_to_their_bitmaps(font)
    font.save(target)


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
