#!/usr/bin/env python3
"""Checks that every #include "folder/..." between the folders of src/ points down the layers.

A file may include headers of its own folder and of folders in a lower layer, never of its own
layer's other folders or of a higher one, so the graph between folders has no cycle and points
one way: app -> session -> platform -> domain -> io -> the numeric core. Prints each include
that breaks this and exits 1; exits 0 when there is none.
"""
import pathlib
import re
import sys

# Lowest first. Folders of one line are one layer and may not include each other.
LAYERS = [
    ["ephemeris"],
    ["planets"],
    ["positions"],
    ["transits"],
    ["io"],
    ["buffer", "calendar"],  # domain, bottom
    ["options", "help"],
    ["report"],
    ["output", "listing"],
    ["pictures"],  # domain, top
    ["platform"],
    ["session"],
    ["app"],
]
RANK = {folder: rank for rank, folders in enumerate(LAYERS) for folder in folders}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/')


def main() -> int:
    src = pathlib.Path(__file__).resolve().parent.parent / "src"
    faults = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        folder = path.relative_to(src).parts[0]
        if folder not in RANK:
            faults.append(f"{path.relative_to(src)}: folder {folder} has no layer")
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match or match.group(1) == folder:
                continue
            target = match.group(1)
            if target not in RANK:
                faults.append(f"{path.relative_to(src)}:{number}: {target}/ has no layer")
            elif RANK[target] >= RANK[folder]:
                faults.append(
                    f"{path.relative_to(src)}:{number}: {folder}/ includes {target}/, "
                    "which is not below it")
    for fault in faults:
        print(fault)
    if faults:
        return 1
    print(f"layers: every include between the {len(RANK)} folders points down")
    return 0


if __name__ == "__main__":
    sys.exit(main())
