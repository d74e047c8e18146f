#!/usr/bin/env python3
"""Prints the map of the code: which folder of calc/ and app/ uses which (from the includes), and
any loop between files or folders, or include that points up a floor (app over calc over toolkit).
Exit status 1 when there is a loop or an upward include.

Usage: scripts/code_map.py
"""
import collections
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FLOORS = {"toolkit": 0, "calc": 1, "app": 2}


def sources():
    for top in FLOORS:
        for folder, _, names in os.walk(os.path.join(ROOT, top)):
            for name in names:
                if name.endswith((".h", ".cpp")):
                    yield os.path.relpath(os.path.join(folder, name), ROOT)


def resolve(include):
    for top in ("toolkit", "calc", "app"):
        if os.path.exists(os.path.join(ROOT, top, include)):
            return os.path.join(top, include)
    return None  # a system header or res/resource.h


def folder_of(path):
    parts = path.split(os.sep)
    return parts[0] if parts[0] == "toolkit" else "/".join(parts[:2])


def module_of(path):
    return os.path.splitext(path)[0]  # a header and its source are one unit


def loops(graph):
    found, state = [], {}

    def visit(node, path):
        state[node] = 1
        path.append(node)
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == 1:
                found.append(path[path.index(nxt):] + [nxt])
            elif nxt not in state:
                visit(nxt, path)
        path.pop()
        state[node] = 2

    for node in sorted(graph):
        if node not in state:
            visit(node, [])
    return found


def main():
    folders, modules, upward = collections.defaultdict(set), collections.defaultdict(set), []
    for path in sources():
        with open(os.path.join(ROOT, path), encoding="utf-8", errors="replace") as f:
            includes = re.findall(r'^\s*#include "([^"]+)"', f.read(), re.M)
        for include in includes:
            target = resolve(include)
            if target is None:
                continue
            if FLOORS[target.split(os.sep)[0]] > FLOORS[path.split(os.sep)[0]]:
                upward.append(f"{path} includes {target}")
            if module_of(path) != module_of(target):
                modules[module_of(path)].add(module_of(target))
            if folder_of(path) != folder_of(target):
                folders[folder_of(path)].add(folder_of(target))
    for folder in sorted(folders):
        print(f"{folder} -> {', '.join(sorted(folders[folder]))}")
    problems = upward + [" -> ".join(l) for l in loops(folders) + loops(modules)]
    for problem in problems:
        print(f"PROBLEM: {problem}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
