# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds brelvox-sim scripts that win a game.

The board of a game depends only on the seed and the level, so a first run
with `dump` shows where the mines are; the script then shrinks the cells to
the smallest size (whatever the settings file said) and presses every cell:
left on each covered cell without a mine, right on each mine.
"""

import os
import subprocess
import tempfile

TOOLBAR = 49
SMALLEST = 18
LARGEST = 75


def board_after(sim, commands):
    """The content and shown rows after `commands` (a list of lines), run in an
    empty folder."""
    with tempfile.TemporaryDirectory() as work:
        run = subprocess.run([sim], input=("\n".join(commands + ["dump"]) + "\n").encode(),
                             cwd=work, capture_output=True, check=True)
    content, shown = [], []
    for line in run.stdout.decode().splitlines():
        words = line.split(" ")
        if words[0] == "content":
            content.append(words[2])
        elif words[0] == "shown":
            shown.append(words[2])
    return content, shown


def layout(sim, seed, level):
    """The content and shown rows of the game that `seed` and `level` start."""
    return board_after(sim, [f"seed {seed}", f"new {level}"])


def pixel(col, row):
    """A pixel inside the cell at the smallest cell size."""
    return col * SMALLEST + 1, TOOLBAR + row * SMALLEST + 1


def presses(content, shown):
    """The presses that win the board at the smallest cell size: a mark on
    each covered mine, a mark taken back from each cell without a mine, and a
    left click on each covered cell without a mine."""
    lines = []
    for row, (mines, seen) in enumerate(zip(content, shown)):
        for col, (cell, now) in enumerate(zip(mines, seen)):
            x, y = pixel(col, row)
            if cell == "*":
                if now == ".":
                    lines.append(f"press right r {x} {y}")
            elif now in ".F":
                if now == "F":
                    lines.append(f"press right r {x} {y}")
                lines.append(f"press left l {x} {y}")
    return lines


def winning_script(sim, seed, level, name=None, seconds=0):
    """Commands that start the game, wait `seconds`, win it, and answer the
    name prompt with `name` (None: cancel)."""
    content, shown = layout(sim, seed, level)
    lines = [f"seed {seed}"]
    lines.append("name" if name is None else f"name {name}")
    lines.append(f"new {level}")
    lines += ["smaller"] * (LARGEST - SMALLEST)
    lines += ["second"] * seconds
    lines += presses(content, shown)
    return lines


if __name__ == "__main__":
    import sys
    sim_path = os.path.abspath(sys.argv[1])
    print("\n".join(winning_script(sim_path, int(sys.argv[2]), int(sys.argv[3]))))
