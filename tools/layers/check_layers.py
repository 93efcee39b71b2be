#!/usr/bin/env python3
"""Checks that the core folders of src/ depend on each other one way only.

The folders are listed from the bottom up; a file may include headers of its own folder and of
the folders below it, never of one above. The core includes no Qt header. Exits 1 and names
every offending line otherwise.

    python3 tools/layers/check_layers.py [SRC]
"""
import pathlib
import re
import sys

CORE_LAYERS = [
    "common",          # text codecs, files, one-based arrays, user errors
    "ephemeris",       # calendar, numeric routines, body theories, house systems
    "canvas",          # the drawing surface, colours, glyph pictures
    "settings",        # the values of the settings windows and dialogs
    "charts",          # entry forms and the chart database
    "workspace",       # the shared state and vocabulary of one run
    "wheel",           # the chart wheel, houses and bodies
    "aspects",         # the aspect engine, chords and separation tables
    "derived",         # returns, directions, calendars
    "interpretation",  # the text library and the composers
    "app",             # the command flow of the main window
]

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def violations(src):
    rank = {name: index for index, name in enumerate(CORE_LAYERS)}
    for folder in CORE_LAYERS:
        for path in sorted((src / folder).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                bracket, header = match.groups()
                where = f"{path.relative_to(src)}:{number}"
                if bracket == "<" and re.match(r"Q[A-Za-z]", header):
                    yield f"{where}: the core includes the Qt header <{header}>"
                    continue
                if bracket != '"' or "/" not in header:
                    continue
                target = header.split("/", 1)[0]
                if target not in rank:
                    yield f"{where}: the core includes \"{header}\" from outside the core"
                elif rank[target] > rank[folder]:
                    yield f"{where}: {folder}/ includes \"{header}\" from the layer above it"


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[2] / "src")
    problems = list(violations(src))
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} include(s) against the layering")
        return 1
    print(f"layering holds: {' < '.join(CORE_LAYERS)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
