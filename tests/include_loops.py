#!/usr/bin/env python3
"""Fails when the program's files include one another around a loop.

A header and its source file are one unit: a.cpp including b.h while b.cpp includes a.h is
a loop too, since neither can be understood, built or tested without the other.
"""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1])
folders = ["core", "platform", "laws", "rates", "dialogs", "trayicon", "app"]
include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)

units = {}
for folder in folders:
    for path in sorted((root / folder).glob("*.[ch]*")):
        unit = f"{folder}/{path.stem}"
        targets = units.setdefault(unit, set())
        for name in include.findall(path.read_text(encoding="utf-8")):
            target = str(pathlib.PurePosixPath(name).with_suffix(""))
            if target != unit and (root / name).exists():
                targets.add(target)

# Tarjan's strongly connected components: every component of more than one unit is a loop.
index, low, stack, on_stack, loops = {}, {}, [], set(), []


def visit(unit):
    index[unit] = low[unit] = len(index)
    stack.append(unit)
    on_stack.add(unit)
    for target in units.get(unit, ()):
        if target not in index:
            visit(target)
            low[unit] = min(low[unit], low[target])
        elif target in on_stack:
            low[unit] = min(low[unit], index[target])
    if low[unit] == index[unit]:
        component = []
        while True:
            member = stack.pop()
            on_stack.discard(member)
            component.append(member)
            if member == unit:
                break
        if len(component) > 1:
            loops.append(sorted(component))


for unit in sorted(units):
    if unit not in index:
        visit(unit)
for loop in loops:
    print("include loop: " + " <-> ".join(loop))
print(f"{len(units)} units, {sum(map(len, units.values()))} includes, {len(loops)} loops")
sys.exit(1 if loops else 0)
