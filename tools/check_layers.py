#!/usr/bin/env python3
"""Checks that every #include in the sources points down the layer order.

The order is the table in docs/architecture.md (rank, folders, what they own).
A file may include headers of its own folder and of folders of a lower rank;
folders of the same rank do not include each other. A folder nested in another
(engine/naming, platform/drawing, ui/preferences) belongs to it; files directly
in the source folder are named in the table by file name (main.cpp).

Usage: check_layers.py [--source SRC] [--table DOC]; prints each include that
breaks the order and exits 1 when there is one, 2 when the table or a folder
is missing from it.
"""
import argparse
import pathlib
import re
import sys

ROW = re.compile(r"^\|\s*(\d+)\s*\|([^|]*)\|")
NAME = re.compile(r"`([^`]+)`")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
SOURCE_SUFFIXES = {".h", ".hpp", ".c", ".cpp", ".inc"}


def read_ranks(table):
    ranks = {}
    for line in table.read_text(encoding="utf-8").splitlines():
        row = ROW.match(line)
        if row:
            for name in NAME.findall(row.group(2)):
                ranks[name] = int(row.group(1))
    return ranks


def unit_of(path, source):
    """The table's name for the folder (or top-level file) that owns path."""
    return path.relative_to(source).parts[0]


def resolve(include, including, source):
    """The file an include names: beside the including file, else below source."""
    beside = including.parent / include
    return beside if beside.exists() else source / include


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--source", type=pathlib.Path, default=root / "src")
    parser.add_argument("--table", type=pathlib.Path, default=root / "docs/architecture.md")
    arguments = parser.parse_args()
    source = arguments.source.resolve()

    ranks = read_ranks(arguments.table) if arguments.table.is_file() else {}
    if not ranks:
        print(f"{arguments.table}: no layer table (rows '| rank | `folder` ... |')")
        return 2

    breaks = []
    unplaced = set()
    files = sorted(p for p in source.rglob("*") if p.suffix in SOURCE_SUFFIXES)
    for path in files:
        unit = unit_of(path, source)
        if unit not in ranks:
            unplaced.add(unit)
            continue
        for include in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
            target = resolve(include, path, source).resolve()
            if not target.is_relative_to(source) or not target.exists():
                continue  # a generated header or one outside the sources
            other = unit_of(target, source)
            if other == unit:
                continue
            if other not in ranks:
                unplaced.add(other)
            elif ranks[other] >= ranks[unit]:
                way = "up" if ranks[other] > ranks[unit] else "across"
                breaks.append(f"{path.relative_to(source)}: includes \"{include}\", "
                              f"which points {way} from {unit} to {other}")

    for name in sorted(unplaced):
        print(f"{name}: a folder missing from the layer table")
    for line in breaks:
        print(line)
    if unplaced:
        return 2
    return 1 if breaks else 0


if __name__ == "__main__":
    sys.exit(main())
