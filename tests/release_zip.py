#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
"""The release players download, as scripts/build-windows packs it: exactly
these files, the programs as built, and what linking Qt statically asks for
(its licence, the notices of the code in it, where its source is and how it
was built).

Usage: release_zip.py ZIP BUILD_DIR
"""
import pathlib
import sys
import zipfile

EXPECTED = [
    "zunkel-config-licences/LICENSE",
    "zunkel-config-licences/LICENSE.Baekmuk",
    "zunkel-config-licences/LICENSE.DejaVu",
    "zunkel-config-licences/LICENSE.WenQuanYi",
    "zunkel-config-licences/Qt/GPL-3.0-only.txt",
    "zunkel-config-licences/Qt/LGPL-3.0-only.txt",
    "zunkel-config-licences/Qt/SOURCE.txt",
    "zunkel-config-licences/Qt/debian-copyright.txt",
    "zunkel-config-licences/Qt/third-party-notices.txt",
    "zunkel-config.com",
    "zunkel-config.exe",
    "zunkel-config.txt",
]


def main(zip_path, build):
    failures = []
    with zipfile.ZipFile(zip_path) as archive:
        names = archive.namelist()
        if names != EXPECTED:
            failures.append(f"the zip holds {names}")
        read = lambda name: archive.read(name) if name in names else b""
        for program in ("zunkel-config.exe", "zunkel-config.com"):
            if read(program) != (pathlib.Path(build) / program).read_bytes():
                failures.append(f"{program} is not the one built")
        source = read("zunkel-config-licences/Qt/SOURCE.txt").decode()
        for needed in ("apt-get source qt6-base=6.", "-DBUILD_SHARED_LIBS=OFF", "CMAKE_SYSTEM_NAME Windows"):
            if needed not in source:
                failures.append(f"SOURCE.txt does not say {needed!r}")
        notices = read("zunkel-config-licences/Qt/third-party-notices.txt").decode()
        # Built into every static Qt for Windows with these options.
        for part in ("freetype", "harfbuzz-ng", "pcre2", "zlib", "libpng", "double-conversion"):
            if f"In Qt's source: src/3rdparty/{part}\n" not in notices:
                failures.append(f"no notice of {part}")
        if not read("zunkel-config-licences/Qt/LGPL-3.0-only.txt").lstrip().startswith(b"GNU LESSER"):
            failures.append("no LGPL text")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
