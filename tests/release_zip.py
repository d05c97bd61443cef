#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
"""The release players download, as scripts/build-windows packs it: the
programs as built, carrying no path of the machine that built them and made
for the systems they run on; the players' text with Windows' line ends; a
notice for everything the links took (each archive, Qt's third-party parts
in the objects taken and no others, the files of other packages carried);
and what relinking with another Qt takes, which gives the same program.

Usage: release_zip.py ZIP BUILD_DIR QT_PREFIX SOURCE_DIR
"""
import json
import os
import pathlib
import re
import subprocess
import sys
import tempfile
import zipfile

LICENCES = "zunkel-config-licences/"
WINDOWS_10 = b"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"
WINDOWS_7 = b"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"


def linked(map_file):
    """(archive or object path, member) for each object file a link took."""
    taken = set()
    for line in map_file.read_text(errors="replace").splitlines():
        if member := re.match(r"^(\S.*\.a)\((.+)\)$", line):
            taken.add((member[1], member[2]))
        elif (load := re.match(r"^LOAD (.+\.(?:o|obj|res))$", line)):
            taken.add((load[1], None))
    return taken


def main(zip_path, build, qt, source):
    build, qt = pathlib.Path(build), pathlib.Path(qt)
    failures = []
    with zipfile.ZipFile(zip_path) as archive:
        names = archive.namelist()
        read = lambda name: archive.read(name) if name in names else b""
        top = {name.split("/")[0] for name in names}
        if top != {"zunkel-config.exe", "zunkel-config.com", "zunkel-config.txt", LICENCES.rstrip("/")}:
            failures.append(f"the zip holds {sorted(top)}")
        exe = read("zunkel-config.exe")
        for program in ("zunkel-config.exe", "zunkel-config.com"):
            if read(program) != (build / program).read_bytes():
                failures.append(f"{program} is not the one built")
        # Its build folder, its source, the Qt it was built with (as a prefix
        # of Qt's own, or as the folder of Qt's headers), Qt's build folder.
        for path in (build.resolve(), qt.resolve(), pathlib.Path(source).resolve(), "qt_prfxpath=/",
                     "/var/tmp/zunkel-config-windows"):
            if str(path).encode() in exe:
                failures.append(f"zunkel-config.exe names {path}")
        if WINDOWS_10 not in exe or WINDOWS_7 in exe:
            failures.append("the manifest does not name Windows 10 and 11 alone")
        text = read("zunkel-config.txt")
        if not text or b"\n" in text.replace(b"\r\n", b""):
            failures.append("zunkel-config.txt has line ends other than CR LF")

        # Every object file the links took, but the tool's own, has its notice.
        index = read(LICENCES + "NOTICES.txt").decode()
        notice_of = {}
        for line in index.splitlines():
            part, arrow, notices = line.partition(" -> ")
            if arrow:
                notice_of.setdefault(part.split(" (")[0], []).extend(LICENCES + n for n in notices.split(", "))
        qt_objects = set()
        for program in ("zunkel-config.exe", "zunkel-config.com"):
            for path, member in linked(build / f"{program}.map"):
                real = os.path.realpath(build / path)
                name = os.path.basename(path)
                if real.startswith(str(build.resolve()) + os.sep):
                    continue
                if real.startswith(str(qt.resolve()) + os.sep):
                    qt_objects.add(f"{name}({member})" if member else path.split("objects-Release/")[-1])
                named = notice_of.get(name, [])
                if not named or not all(read(n).strip() for n in named):
                    failures.append(f"the programs hold {name}, which has no notice in the zip")
                elif name in ("libwinpthread.a", "libpthread.a") and not any(b"winpthreads" in read(n)
                                                                              for n in named):
                    failures.append(f"the notice of {name} is not winpthreads'")
        for carried in (build / "carried-files.txt").read_text().split():
            name = os.path.basename(carried)
            if not notice_of.get(name) or not all(read(n).strip() for n in notice_of[name]):
                failures.append(f"the program carries {name}, which has no notice in the zip")
        # Of Qt's third-party parts, those in the objects taken, and no others.
        parts = json.loads((qt / "notices" / "third-party.json").read_text())
        expected = {p["name"] for p in parts if qt_objects & set(p["objects"])}
        noticed = read(LICENCES + "Qt/third-party-notices.txt").decode()
        given = {p["name"] for p in parts if p["notice"] in noticed}
        if not expected or given != expected:
            failures.append(f"Qt's parts without notice: {sorted(expected - given)}; "
                            f"noticed but not held: {sorted(given - expected)}")
        source_text = read(LICENCES + "Qt/SOURCE.txt").decode()
        for needed in ("apt-get source qt6-base=6.", "-DBUILD_SHARED_LIBS=OFF", "CMAKE_SYSTEM_NAME Windows",
                       "sh relink/link.sh"):
            if needed not in source_text:
                failures.append(f"SOURCE.txt does not say {needed!r}")
        if not read(LICENCES + "Qt/LGPL-3.0-only.txt").lstrip().startswith(b"GNU LESSER"):
            failures.append("no LGPL text")

        # Relinked as SOURCE.txt says, with the Qt the release was built with.
        with tempfile.TemporaryDirectory() as scratch:
            relink = [n for n in names if n.startswith(LICENCES + "Qt/relink/")]
            archive.extractall(scratch, relink)
            folder = pathlib.Path(scratch, LICENCES, "Qt", "relink")
            done = subprocess.run(["sh", str(folder / "link.sh"), str(qt)], capture_output=True, text=True)
            relinked = folder / "zunkel-config.exe"
            if done.returncode != 0 or not relinked.exists() or relinked.read_bytes() != exe:
                failures.append(f"relinking gave another program: {done.returncode} {done.stderr[-2000:]}")
    for failure in dict.fromkeys(failures):
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__.split("\n\n")[-1])
    sys.exit(main(*sys.argv[1:]))
