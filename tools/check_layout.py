#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors
"""Checks the rules that keep the game's folders rooms of one concern each.

- No include cycle between folders, but the one scene/, models/ and control/
  have always had.
- Only the shell (app/) knows the screens: no other room includes screens/.
- Input knows no screen; the kept-files room (saves/) includes no GL, GLUT or
  SDL header, so it is tested without a window.
- No folder holds more than 30 % of the code (non-blank, non-comment C++ lines
  outside tests/ and tools/).

Prints each broken rule and exits 1, or prints the share of each room and exits 0.
"""
import re
import subprocess
import sys
from collections import defaultdict
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
OLD_CYCLE = {"scene", "models", "control"}
WINDOW_HEADERS = re.compile(r"#include\s*<(GL/|SDL)")
LOCAL_INCLUDE = re.compile(r'#include\s*"([a-z_]+)/')
MAX_SHARE = 0.30


def sources():
    listed = subprocess.run(
        ["git", "ls-files", "--cached", "--others", "--exclude-standard", "*.cpp", "*.h"],
        cwd=ROOT, capture_output=True, text=True, check=True).stdout.split()
    return [ROOT / f for f in listed if "/" in f and f.split("/")[0] not in ("tests", "tools")]


def code_lines(text):
    """Non-blank lines outside comments."""
    text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
    return sum(1 for line in text.splitlines()
               if line.strip() and not line.strip().startswith("//"))


def cycles(graph):
    """Each strongly connected group of more than one room (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for to in graph[node]:
            if to not in index:
                visit(to)
                low[node] = min(low[node], low[to])
            elif to in on_stack:
                low[node] = min(low[node], index[to])
        if low[node] == index[node]:
            group = set()
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.add(member)
                if member == node:
                    break
            if len(group) > 1:
                found.append(group)

    for node in list(graph):
        if node not in index:
            visit(node)
    return found


def main():
    graph = defaultdict(set)
    lines = defaultdict(int)
    broken = []
    for path in sources():
        room = path.relative_to(ROOT).parts[0]
        text = path.read_text()
        lines[room] += code_lines(text)
        graph[room]
        for included in LOCAL_INCLUDE.findall(text):
            if included != room:
                graph[room].add(included)
                graph[included]
        name = path.relative_to(ROOT)
        if room not in ("app", "screens") and '#include "screens/' in text:
            broken.append(f"{name}: only the shell includes screens/")
        if room == "saves" and WINDOW_HEADERS.search(text):
            broken.append(f"{name}: saves/ includes a GL, GLUT or SDL header")
    for group in cycles(graph):
        if not group <= OLD_CYCLE:
            broken.append("include cycle between " + ", ".join(sorted(group)))
    total = sum(lines.values())
    for room, count in sorted(lines.items()):
        if count > MAX_SHARE * total:
            broken.append(f"{room}/ holds {100 * count / total:.0f} % of the code")
    for line in broken:
        print("LAYOUT:", line)
    if broken:
        return 1
    print(", ".join(f"{room}/ {100 * count / total:.0f} %" for room, count in
                    sorted(lines.items(), key=lambda item: -item[1])))
    return 0


if __name__ == "__main__":
    sys.exit(main())
