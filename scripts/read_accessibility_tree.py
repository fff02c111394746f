#!/usr/bin/env python3
"""Reads the running program over AT-SPI as a screen reader does and prints
what it found: the main window's menus, the editor tree, a cell of the channel
grid with its row and column headers, and the channel editor's lists with the
labels that name them. Exits non-zero when one of them cannot be read."""
import signal
import sys
import time

import pyatspi

signal.alarm(80)  # a call into a program that stopped answering must not hang the tests
faults = []


def find_app(seconds=40):
    end = time.time() + seconds
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name and app.name.lower().startswith("zq4071") and app.childCount:
                return app
        time.sleep(0.5)
    return None


def walk(node, depth=0, limit=12):
    yield node, depth
    if depth >= limit or node.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST):
        return
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1, limit)


def labelled_by(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return relation.getTarget(0).name
    return ""


def check(ok, what):
    print(("  ok   " if ok else "  MISSING ") + what)
    if not ok:
        faults.append(what)


app = find_app()
if app is None:
    print("the program did not appear on the accessibility bus")
    sys.exit(1)
time.sleep(2)  # the editors open once the main window is shown
nodes = list(walk(app))
frames = [n for n, _ in nodes if n.getRole() == pyatspi.ROLE_FRAME]
print("application:", app.name, "| windows:", [f.name for f in frames])

menus = [item.name for bar, _ in nodes if bar.getRole() == pyatspi.ROLE_MENU_BAR for item in bar]
print("menu bar:", menus)
check(len(menus) >= 5 and all(menus), "menus with names")

trees = [n for n, _ in nodes if n.getRole() in (pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE)]
for tree in trees:
    items = [child.name for child in tree]
    print("tree:", repr(tree.name), "items:", items[:12])
check(any(t.name for t in trees), "editor tree with a name")

grids = [n for n, _ in nodes if n.getRole() == pyatspi.ROLE_TABLE]
print("tables:", [g.name for g in grids])
grid = next((g for g in grids if g.name and g.queryTable().nColumns == 2), None)
check(grid is not None, "channel grid with a name")
if grid is not None:
    table = grid.queryTable()
    cell = table.getAccessibleAt(2, 1)
    column = table.getColumnHeader(1)
    row = table.getRowHeader(2)
    print("grid %r: %d rows; cell (3, 2) %r, column header %r, row header %r" % (
        grid.name, table.nRows, cell.name if cell else None, column.name if column else None, row.name if row else None))
    check(cell is not None and column is not None and bool(column.name), "a cell and its column header")
    check(row is not None and bool(row.name), "the row header of a cell")

lists = [n for n, _ in nodes if n.getRole() == pyatspi.ROLE_COMBO_BOX]
named = [(labelled_by(n), n.name) for n in lists]
print("lists (label: value):", ["%s: %s" % pair for pair in named])
check(len(lists) > 0 and all(label for label, _ in named), "channel editor lists named by labels")

sys.exit(1 if faults else 0)
