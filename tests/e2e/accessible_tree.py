#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running game through AT-SPI, as a screen reader would.

usage: accessible_tree.py APP_NAME MINES

MINES holds the easy board's eight rows, '*' for a mine. The script finds the
board table with every cell's name, row and column, the named counters and
the named arrow buttons, then uncovers a covered cell without a mine through
the cell's own action and checks that its name changes, and that the board
cursor's cell is the focused one, hearing the events for these changes and
the clock's. It prints the tree it walked and exits non-zero on the first
missing piece.
"""

import subprocess
import sys
import time

import pyatspi

CELL_NAMES = {"covered", "marked", "empty", "mine", "wrong mark"} | {str(n) for n in range(1, 9)}


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def find_app(name):
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    fail("no application named %r on the accessibility bus" % name)


def walk(node, depth=0, found=None):
    found = [] if found is None else found
    found.append(node)
    role = node.getRoleName()
    print("%s%s %r" % ("  " * depth, role, node.name))
    if role == "table":
        return found  # its cells are read through the table interface
    for child in node:
        if child is not None:
            walk(child, depth + 1, found)
    return found


def named(nodes, name, roles):
    for node in nodes:
        if node.name == name and node.getRoleName() in roles:
            return node
    fail("no %s named %r" % (" or ".join(roles), name))


def listen_for(heard, wanted, seconds=5):
    """Runs the event loop until an event in `heard` is `wanted`."""
    from gi.repository import GLib
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        if any(wanted(e) for e in heard):
            return True
        time.sleep(0.05)
    return False


def main():
    app_name, mines = sys.argv[1], sys.argv[2].split()
    app = find_app(app_name)
    nodes = walk(app)

    for name in ("Bigger cells", "Smaller cells"):
        named(nodes, name, {"push button"})
    for name in ("Hints left", "Time"):
        counter = named(nodes, name, {"label", "static"})
        text = counter.queryText()
        value = text.getText(0, text.characterCount)
        if not value or not any(c.isdigit() for c in value):
            fail("%s shows no value: %r" % (name, value))
        print("%s: %s" % (name, value))

    tables = [n for n in nodes if n.getRoleName() == "table"]
    if len(tables) != 1:
        fail("%d tables, expected the board alone" % len(tables))
    table = tables[0].queryTable()
    if (table.nRows, table.nColumns) != (8, 8):
        fail("the board is %d x %d" % (table.nRows, table.nColumns))
    if tables[0].childCount != 64:
        fail("the board has %d children" % tables[0].childCount)
    target = None
    for row in range(8):
        names = []
        for col in range(8):
            cell = table.getAccessibleAt(row, col)
            if cell is None:
                fail("no cell at row %d, column %d" % (row, col))
            if cell.getRoleName() != "table cell":
                fail("cell %d,%d is a %s" % (row, col, cell.getRoleName()))
            index = cell.getIndexInParent()
            where = (table.getRowAtIndex(index), table.getColumnAtIndex(index))
            if index != row * 8 + col or where != (row, col):
                fail("cell %d,%d is child %d at %s" % (row, col, index, where))
            if cell.description != "row %d, column %d" % (row + 1, col + 1):
                fail("cell %d,%d is described %r" % (row, col, cell.description))
            if cell.name not in CELL_NAMES:
                fail("cell %d,%d is named %r" % (row, col, cell.name))
            if cell.name == "covered" and mines[row][col] != "*" and target is None:
                target = (row, col, cell)
            names.append(cell.name)
        print("row %d: %s" % (row, ", ".join(names)))
    if target is None:
        fail("no covered cell without a mine")

    # What a screen reader hears of changes: listen for them from here on.
    heard = []
    pyatspi.Registry.registerEventListener(
        lambda event: heard.append((event.type, event.source.name if event.source else "")),
        "object:property-change:accessible-name", "object:state-changed:focused",
        "object:text-changed")
    time.sleep(0.5)  # the program learns of the listener over the bus

    row, col, cell = target
    action = cell.queryAction()
    actions = [action.getName(i) for i in range(action.nActions)]
    if "uncover" not in actions or "mark" not in actions:
        fail("cell actions are %s" % actions)
    action.doAction(actions.index("uncover"))
    for _ in range(50):
        name = table.getAccessibleAt(row, col).name
        if name != "covered":
            break
        time.sleep(0.1)
    if name in ("covered", "mine") or name not in CELL_NAMES:
        fail("uncovering cell %d,%d left it %r" % (row, col, name))
    print("uncovered row %d, column %d: %s" % (row, col, name))
    if not listen_for(heard, lambda e: e[0] == "object:property-change:accessible-name" and e[1] == name):
        fail("no name change heard for the uncovered cell: %s" % heard)

    # The first arrow key shows the board cursor at the centre: that cell,
    # and no other, is focused.
    subprocess.run(["xdotool", "key", "Down"], check=True)
    focused = []
    for _ in range(50):
        focused = [(r, c) for r in range(8) for c in range(8)
                   if table.getAccessibleAt(r, c).getState().contains(pyatspi.STATE_FOCUSED)]
        if focused:
            break
        time.sleep(0.1)
    if focused != [(4, 4)]:
        fail("focused cells after the first arrow key: %s" % focused)
    centre = table.getAccessibleAt(4, 4).name
    if not listen_for(heard, lambda e: e[0].startswith("object:state-changed:focused") and e[1] == centre):
        fail("no focus change heard for the cursor cell: %s" % heard)
    # The clock runs: each second is told as its new text.
    if not listen_for(heard, lambda e: e[0].startswith("object:text-changed") and e[1] == "Time"):
        fail("no change of the clock heard: %s" % heard)
    print("heard %d changes of names, focus and text" % len(heard))
    print("PASS: the board, its counters and its arrow buttons are readable")


main()
