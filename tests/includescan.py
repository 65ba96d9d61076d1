#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the includes between the source folders point one way.

The folders stand in levels; a file may include its own folder, a folder of
its own level and any lower level, never a higher one:

    app -> {quizscreens, tableeditor, files, print} -> {ui, formats, speech}
        -> core (table, quiz, editor, memory)

No two folders may include each other, not even through others, and no file
outside app/ includes the main window's header: the screens, the editor and
the file commands see the window through its doors. The core is one room
(the question table's class spans table/ and quiz/), and plain C++: no Qt
header there.

Usage: includescan.py SOURCE_FOLDER   (exit status 1 with one line per fault)
"""

import re
import sys
from pathlib import Path

LEVELS = {
    "app": 3,
    "quizscreens": 2, "tableeditor": 2, "files": 2, "print": 2,
    "ui": 1, "formats": 1, "speech": 1,
    "table": 0, "quiz": 0, "editor": 0, "memory": 0,
}
CORE_LEVEL = 0
MAIN_WINDOW_HEADER = "app/frmmain.h"
SOURCE_SUFFIXES = {".h", ".cpp"}

LOCAL_INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
SYSTEM_INCLUDE = re.compile(r'^\s*#\s*include\s+<([^>]+)>', re.MULTILINE)


def folder_of(relative):
    """The first folder of a path below the source folder; None at the top."""
    parts = Path(relative).parts
    return parts[0] if len(parts) > 1 else None


def read_includes(root):
    """(file, folder, included path, is_system) for every include below root."""
    for path in sorted(root.rglob("*")):
        if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
            continue
        relative = path.relative_to(root).as_posix()
        folder = folder_of(relative)
        text = path.read_text(encoding="utf-8", errors="replace")
        for match in LOCAL_INCLUDE.finditer(text):
            yield relative, folder, match.group(1), False
        for match in SYSTEM_INCLUDE.finditer(text):
            yield relative, folder, match.group(1), True


def room_of(folder):
    """The core's folders are one room; every other folder is its own."""
    return "core" if LEVELS[folder] == CORE_LEVEL else folder


def find_cycles(edges):
    """The groups of folders that reach each other (Tarjan), each sorted."""
    index, low, stack, on_stack, groups = {}, {}, [], set(), []
    counter = [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        for target in sorted(edges.get(node, ())):
            if target not in index:
                visit(target)
                low[node] = min(low[node], low[target])
            elif target in on_stack:
                low[node] = min(low[node], index[target])
        if low[node] == index[node]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == node:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    for node in sorted(edges):
        if node not in index:
            visit(node)
    return groups


def scan(root):
    """The faults of the tree below root, one sentence each."""
    root = Path(root)
    faults = []
    edges = {}
    witness = {}
    for relative, folder, included, is_system in read_includes(root):
        if folder is None:
            continue
        if folder not in LEVELS:
            faults.append(f"{relative}: folder '{folder}' has no place in the map of levels")
            continue
        if is_system:
            if LEVELS[folder] == CORE_LEVEL and re.match(r"Q[A-Za-z]", included):
                faults.append(f"{relative}: the core includes the Qt header <{included}>")
            continue
        if included == MAIN_WINDOW_HEADER and folder != "app":
            faults.append(f"{relative}: includes {MAIN_WINDOW_HEADER} from outside app/")
        target = folder_of(included)
        if target is None or target == folder or target not in LEVELS:
            continue
        if LEVELS[target] > LEVELS[folder]:
            faults.append(f"{relative}: {folder}/ includes {included} of the higher level {target}/")
        source, target = room_of(folder), room_of(target)
        if source != target:
            edges.setdefault(source, set()).add(target)
            witness.setdefault((source, target), relative)
    for group in find_cycles(edges):
        links = [f"{witness[(a, b)]} -> {b}/" for a in group for b in sorted(edges.get(a, ()))
                 if b in group]
        faults.append("folders include each other: " + ", ".join(group) + " (" + "; ".join(links) + ")")
    return faults


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    faults = scan(argv[1])
    for fault in faults:
        print(fault)
    if not faults:
        print("includes point one way")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
