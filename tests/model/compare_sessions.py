#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs random driver sessions through both the independent model and a
brelvox-sim binary and compares everything they produce.

    python3 tests/model/compare_sessions.py --sim build/brelvox-sim --sessions 2000 --seed 1

Every session is made from (seed, index) alone, so it can be regenerated with
--start INDEX --sessions 1.  Each one starts from its own fresh directory with a
chosen set of start-up files (settings and score files good, damaged, missing,
read-only or directories; wave files present, missing or in another letter
case).  The script is built while an in-process model plays along, so that it
can aim at cells: safe clicks, marks on mines, chords, games played to a win.

Compared: every output line (any "error ..." equals any other), the exit status,
the bytes of Brelvox.hi and Brelvox.ini afterwards (and whether they are still
read-only or directories), and the names left in the directory.  Differing
sessions are saved under --out with their script, start-up files and both
outputs; the first differing line is printed.  Exit status 1 when any differ.
"""

import argparse
import concurrent.futures
import os
import random
import shutil
import stat
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import brelvox_model as bm  # noqa: E402

MODEL = os.path.join(HERE, "brelvox_model.py")
WAVES = ["click.wav", "mark.wav", "Hint.wav", "HintOK.wav", "bang.wav", "Win.wav"]


# ---------------------------------------------------------------- start-up files

def crlf(lines, sep=b"\r\n"):
    return b"".join(l + sep for l in lines)


def mixed_breaks(rng, lines):
    out = b""
    for l in lines:
        out += l + rng.choice([b"\r\n", b"\n", b"\r"])
    return out


def settings_value(rng):
    good = [b"64", b"31", b"25", b"21", b"18", b"75", b"40", b"0040", b" 40", b"   22", b"+30"]
    odd = [b"5", b"0", b"-0", b"17", b"76", b"100", b"-3", b"2147483647", b"-2147483648",
           b"$40", b"$1f", b"$1F", b"-$10", b"$7FFFFFFF", b"-$80000000", b" $2A", b"+$30",
           b"0" * 5000 + b"33", b"$" + b"0" * 5000 + b"1c"]
    bad = [b"abc", b"40 ", b"", b"$", b"$g", b"2147483648", b"-2147483649", b"$80000000",
           b"$FFFFFFFF", b"4294967296", b"++4", b"+-4", b"\t40", b"40\0", b"0x20", b"1e2",
           b"\xef\xbb\xbf40", b"4 0", b"-", b"+", b"$ 20", b"\xd9\xa3"]
    r = rng.random()
    if r < 0.75:
        return rng.choice(good)
    if r < 0.93:
        return rng.choice(odd)
    return rng.choice(bad)


def make_settings(rng):
    """(kind, data, mode) for Brelvox.ini, or None when missing."""
    r = rng.random()
    if r < 0.30:
        return None
    if r < 0.35:
        return ("dir", None, 0o755)
    header = bm.SETTINGS_HEADER
    footer = bm.SETTINGS_FOOTER
    values = [settings_value(rng) for _ in range(4)]
    style = rng.random()
    if style < 0.5:
        data = crlf([header] + values + [footer])
    elif style < 0.6:
        data = crlf([header] + values)                       # no footer
    elif style < 0.65:
        data = crlf([header] + values[:3])                   # short
    elif style < 0.72:
        data = mixed_breaks(rng, [header] + values + [footer])
    elif style < 0.75:
        data = crlf([header] + values + [footer])[:-2]       # no final break
    elif style < 0.78:
        data = b""
    elif style < 0.82:
        data = bytes(rng.randrange(256) for _ in range(rng.randrange(1, 400)))
    elif style < 0.85:
        data = b"\0" * rng.randrange(1, 100)
    elif style < 0.88:
        junk = b"x" * rng.randrange(100000, 2000000)
        data = crlf([header + junk] + values + [footer, junk])
    elif style < 0.91:
        data = crlf([b"\xef\xbb\xbf" + header] + values + [footer])
    elif style < 0.94:
        data = crlf([header.replace(b"s", b"\0")] + values + [footer])
    elif style < 0.97:
        data = crlf([header] + values + [footer]).replace(b"\r\n", b"\r\r\n", 1)
    else:
        data = crlf([header] + values + [footer, b"extra", b"lines"])
    mode = 0o444 if rng.random() < 0.12 else 0o644
    return ("file", data, mode)


def score_name(rng):
    r = rng.random()
    if r < 0.45:
        return rng.choice([b"Nobody", b"Anna", b"Bob", b"x", b"Zo\xc3\xab", b"\xe5\x90\x8d\xe5\x89\x8d"])
    if r < 0.55:
        return b""
    if r < 0.65:
        return rng.choice([b"  spaced out ", b"tab\there", b"\tlead", b"trail "])
    if r < 0.75:
        return rng.choice([b"\xff\xfe", b"bad\xc3", b"\xe2\x82", b"\xc0\xaf", b"\xed\xa0\x80ok",
                           b"\xf4\x90\x80\x80", b"\xf0\x9f\x98\x80 smile"])
    if r < 0.85:
        return b"L" * rng.choice([254, 255, 256, 300, 1000])
    if r < 0.9:
        return b"\xc3\xa9" * rng.choice([200, 255, 256, 300])
    return b"Name%d" % rng.randrange(100)


def score_time(rng, base):
    r = rng.random()
    if r < 0.8:
        return str(base).encode()
    return rng.choice([b"70000", b"-1", b"65535", b"65536", b"0", b"$10", b" 5", b"+7",
                       b"0005999", b"-$1", b"$FFFF", b"2147483647", b"-2147483648",
                       b"0" * 5000 + b"12", b"9" * 5000])


def bad_score_time(rng):
    return rng.choice([b"abc", b"5 ", b"", b"$", b"2147483648", b"$80000000", b"1.5", b"\t5",
                       b"5\x00", b"0x10"])


def make_scores(rng):
    r = rng.random()
    if r < 0.35:
        return None
    if r < 0.40:
        return ("dir", None, 0o755)
    lines = []
    for level in range(4):
        base = rng.choice([5999, 5999, 3, 10, 30, 60, 120, 300, 1000, 65535, 0])
        times = sorted(rng.randrange(0, base + 1) for _ in range(5)) if rng.random() < 0.5 \
            else [base] * 5
        if rng.random() < 0.1:
            rng.shuffle(times)
        for rank in range(5):
            lines.append(score_name(rng))
            lines.append(score_time(rng, times[rank]))
    style = rng.random()
    if style < 0.55:
        data = crlf(lines)
    elif style < 0.62:
        data = mixed_breaks(rng, lines)
    elif style < 0.66:
        data = crlf(lines[:39])                                 # one line short
    elif style < 0.69:
        data = crlf(lines)[:-2]                                 # no final break
    elif style < 0.73:
        i = 2 * rng.randrange(20) + 1
        lines[i] = bad_score_time(rng)
        data = crlf(lines)
    elif style < 0.77:
        cut = rng.randrange(len(crlf(lines)))                   # NUL somewhere
        data = crlf(lines)
        data = data[:cut] + b"\0" + data[cut:]
    elif style < 0.80:
        data = crlf(lines) + b"\0garbage\r\n"
    elif style < 0.83:
        data = crlf(lines + [b"more", b"lines", b"here"])
    elif style < 0.86:
        data = bytes(rng.randrange(256) for _ in range(rng.randrange(1, 600)))
    elif style < 0.88:
        data = b""
    elif style < 0.91:
        lines[0] = b"H" * rng.randrange(100000, 3000000)
        data = crlf(lines)
    elif style < 0.94:
        data = crlf(lines) + b"x" * rng.randrange(100000, 3000000)
    elif style < 0.97:
        data = b"\xef\xbb\xbf" + crlf(lines)
    else:
        data = crlf(lines).replace(b"\r\n", b"\n\r")
    mode = 0o444 if rng.random() < 0.12 else 0o644
    return ("file", data, mode)


def make_waves(rng):
    r = rng.random()
    entries = []
    if r < 0.55:
        names = list(WAVES)
    elif r < 0.65:
        names = []
    else:
        names = [w for w in WAVES if rng.random() < 0.6]
    for w in names:
        s = rng.random()
        if s < 0.8:
            entries.append((w, "file", b"RIFF", 0o644))
        elif s < 0.9:
            entries.append((rng.choice([w.upper(), w.lower(), w.swapcase()]), "file", b"", 0o644))
        elif s < 0.95:
            entries.append((w, "dir", None, 0o755))
        else:
            entries.append((w, "dir", None, 0o755))
            entries.append((w.upper(), "file", b"", 0o644))
    return entries


def make_setup(rng):
    setup = make_waves(rng)
    seen = {e[0] for e in setup}
    setup = [e for e in setup if e[0] in seen]
    for name, maker in (("Brelvox.ini", make_settings), ("Brelvox.hi", make_scores)):
        made = maker(rng)
        if made is not None:
            setup.append((name,) + made)
    return setup


def populate(directory, setup):
    for name, kind, data, mode in setup:
        p = os.path.join(directory, name)
        if kind == "dir":
            if not os.path.exists(p):
                os.mkdir(p)
        else:
            if os.path.isdir(p):
                continue
            with open(p, "wb") as f:
                f.write(data)
            os.chmod(p, mode)


# ---------------------------------------------------------------- scripts

class ScriptGen:
    """Builds a script line by line while an in-process model follows it."""

    def __init__(self, rng, model):
        self.rng = rng
        self.m = model
        self.lines = []
        self.ended = False

    # -- feeding

    def put(self, line):
        if isinstance(line, str):
            line = line.encode()
        if self.ended:
            return
        self.lines.append(line)
        fed = line[:-1] if line.endswith(b"\r") else line
        if self.m.command(fed) == "quit":
            self.ended = True

    def script(self):
        rng = self.rng
        out = b""
        for i, line in enumerate(self.lines):
            last = i == len(self.lines) - 1
            if last and rng.random() < 0.1 and not line.endswith(b"\r"):
                out += line
            else:
                out += line + (b"\r\n" if rng.random() < 0.08 and not line.endswith(b"\r") else b"\n")
        if self.ended and rng.random() < 0.3:
            out += b"dump\nnew 0\nbogus line\n"
        return out

    # -- helpers on the followed game

    def running(self):
        return self.m.rows > 0 and not self.m.game_over

    def cells(self, test):
        m = self.m
        return [(c, r) for c in range(m.cols) for r in range(m.rows)
                if test(m.content[c + r * 30], m.shown[c + r * 30])]

    def xy(self, col, row):
        cs = self.m.cell_size
        edge = self.rng.random()
        if edge < 0.1:
            off_x, off_y = 0, 0
        elif edge < 0.2:
            off_x, off_y = cs - 1, cs - 1
        else:
            off_x, off_y = self.rng.randrange(cs), self.rng.randrange(cs)
        return col * cs + off_x, 49 + row * cs + off_y

    def press(self, button, held, col, row):
        x, y = self.xy(col, row)
        self.put("press %s %s %d %d" % (button, held, x, y))

    def held_for(self, button, chord=False):
        letter = button[0]
        if chord:
            base = rng_choice(self.rng, ["lr", "rl", "lrm", "mlr"])
            return base
        extra = ""
        if self.rng.random() < 0.15:
            extra = self.rng.choice([l for l in "lrm" if l != letter and not (
                {letter, l} == {"l", "r"})] or [""])
        h = list(letter + extra)
        self.rng.shuffle(h)
        return "".join(h)

    # -- actions

    def act_click_safe(self):
        cells = self.cells(lambda c, s: c <= 8 and s == bm.COVERED)
        if cells:
            col, row = self.rng.choice(cells)
            self.press("left", self.held_for("left"), col, row)

    def act_click_any(self):
        m = self.m
        if m.rows:
            self.press("left", self.held_for("left"), self.rng.randrange(m.cols),
                       self.rng.randrange(m.rows))

    def act_mark_mine(self):
        cells = self.cells(lambda c, s: c == bm.MINE and s == bm.COVERED)
        if cells:
            col, row = self.rng.choice(cells)
            b = self.rng.choice(["right", "right", "right", "middle"])
            self.press(b, self.held_for(b), col, row)

    def act_mark_any(self):
        m = self.m
        if m.rows:
            b = self.rng.choice(["right", "middle"])
            self.press(b, self.held_for(b), self.rng.randrange(m.cols), self.rng.randrange(m.rows))

    def act_unmark_or_click_mark(self):
        cells = self.cells(lambda c, s: s == bm.MARKED)
        if cells:
            col, row = self.rng.choice(cells)
            b = self.rng.choice(["right", "left", "middle"])
            self.press(b, self.held_for(b), col, row)

    def act_chord(self):
        m = self.m
        if not m.rows:
            return
        r = self.rng.random()
        if r < 0.5:
            cells = self.cells(lambda c, s: 1 <= s <= 8)
        elif r < 0.7:
            cells = self.cells(lambda c, s: s == 0)
        else:
            cells = [(self.rng.randrange(-1, m.cols + 2), self.rng.randrange(m.rows + 2))]
        if not cells:
            return
        col, row = self.rng.choice(cells)
        b = self.rng.choice(["left", "right", "middle"])
        held = self.rng.choice(["lr", "rl", "lrm", "rml"])
        if b == "middle" and "m" not in held:
            held += "m"
        cs = m.cell_size
        x = max(0, col * cs + self.rng.randrange(cs))
        y = 49 + row * cs + self.rng.randrange(cs)
        self.put("press %s %s %d %d" % (b, held, x, y))

    def act_safe_chord(self):
        """A chord around an uncovered number whose mines are all marked."""
        m = self.m
        good = []
        for col, row in self.cells(lambda c, s: 1 <= s <= 8):
            ok = True
            for dc in (-1, 0, 1):
                for dr in (-1, 0, 1):
                    nc, nr = col + dc, row + dr
                    if m.in_area(nc, nr):
                        i = nc + nr * 30
                        if m.content[i] == bm.MINE and m.shown[i] != bm.MARKED:
                            ok = False
            if ok:
                good.append((col, row))
        if good:
            col, row = self.rng.choice(good)
            b = self.rng.choice(["left", "right"])
            self.press(b, self.rng.choice(["lr", "rl", "lrm"]), col, row)

    def act_press_odd(self):
        m = self.m
        cs = max(m.cell_size, 1)
        r = self.rng.random()
        b = self.rng.choice(["left", "right", "middle"])
        held = self.held_for(b)
        if r < 0.3:
            x, y = self.rng.randrange(0, 700), self.rng.randrange(0, 49)        # toolbar
        elif r < 0.6:
            x = m.cols * cs + self.rng.randrange(0, 2 * cs)                      # right of board
            y = 49 + self.rng.randrange(0, max(m.rows, 1) * cs)
        elif r < 0.75:
            x = self.rng.randrange(0, max(m.cols, 1) * cs)                       # below board
            y = 49 + m.rows * cs + self.rng.randrange(0, 2 * cs)
        elif r < 0.85:
            x, y = self.rng.choice([(2147483647, 60), (60, 2147483647), (2147483647, 2147483647),
                                    (0, 49), (0, 48)])
        else:
            cells = self.cells(lambda c, s: s <= 8)                              # uncovered
            if cells:
                col, row = self.rng.choice(cells)
                self.press(b, held, col, row)
            return
        self.put("press %s %s %d %d" % (b, held, x, y))

    def act_keys(self):
        """A few keys, mostly cursor moves, now and then one in pause."""
        for _ in range(self.rng.randrange(1, 8)):
            r = self.rng.random()
            if r < 0.65:
                self.put("key " + self.rng.choice(bm.CURSOR_KEYS))
            elif r < 0.95:
                self.put("key " + self.rng.choice(bm.MOVE_KEYS))
            else:
                self.act_pause()

    def key_to(self, col, row):
        """Takes the cursor to a cell by keys: shown first if hidden, then by
        steps from where it stands or from an edge."""
        m = self.m
        if not m.cursor_shown:
            self.put("key " + self.rng.choice(bm.CURSOR_KEYS + bm.MOVE_KEYS))
        if self.rng.random() < 0.3:
            self.put("key " + ("home" if col < m.cols // 2 else "end"))
            self.put("key " + ("pageup" if row < m.rows // 2 else "pagedown"))
        dc, dr = col - m.cursor_col, row - m.cursor_row
        steps = ["right" if dc > 0 else "left"] * abs(dc) + ["down" if dr > 0 else "up"] * abs(dr)
        self.rng.shuffle(steps)
        for step in steps:
            self.put("key " + step)

    def key_move(self, move, col, row):
        """A move made by keys at a cell instead of a press."""
        self.key_to(col, row)
        self.put("key " + move)

    def act_ticks(self):
        for _ in range(self.rng.choice([1, 1, 2, 3, 5, 9, 10, 10, 11, 12])):
            self.put("tick")

    def act_seconds(self):
        r = self.rng.random()
        n = self.rng.randrange(1, 4) if r < 0.7 else self.rng.randrange(55, 130) if r < 0.97 \
            else self.rng.randrange(3590, 3700)
        for _ in range(n):
            self.put("second")

    def act_pause(self):
        self.put("pause")
        if self.rng.random() < 0.6:
            for _ in range(self.rng.randrange(0, 5)):
                self.put(self.rng.choice(["second", "second", "tick", "hint", "dump"]))
            if self.rng.random() < 0.8:
                self.put("pause")

    def act_size(self):
        m = self.m
        if self.rng.random() < 0.5 and m.rows:
            cs = m.cell_size
            w = m.cols * (cs + 1) + 9 + self.rng.choice([-1, 0, 1, 2])
            h = m.rows * (cs + 1) + 76 + self.rng.choice([-1, 0, 1, 2])
            if self.rng.random() < 0.5:
                w = 1920
            else:
                h = 1080
            self.put("screen %d %d" % (max(w, 0), max(h, 0)))
        elif self.rng.random() < 0.3:
            self.put(self.rng.choice(["screen 800 600", "screen 1920 1080", "screen 0 0",
                                      "screen 2147483647 2147483647", "screen 1024 768",
                                      "screen 00640 0480"]))
        for _ in range(self.rng.choice([1, 1, 2, 3, 8, 60])):
            self.put(self.rng.choice(["bigger", "smaller"]))

    def small_screen(self, level):
        """A screen on which the level's saved cell size does not fit, or only just."""
        cols, rows = bm.LEVELS[level][:2]
        size = self.rng.randrange(10, (self.m.cell_sizes[level] & 0xFFFF) + 2)
        w = cols * size + 9 + self.rng.choice([0, 1, 2, 300])
        h = rows * size + 76 + self.rng.choice([0, 1, 2])
        if self.rng.random() < 0.3:
            w, h = (2000, h) if self.rng.random() < 0.5 else (w, 2000)
        return "screen %d %d" % (w, h)

    def act_new(self):
        r = self.rng.random()
        if r < 0.85:
            level = self.rng.choice([0, 0, 1, 1, 2, 3])
            if self.rng.random() < 0.2:
                self.put(self.small_screen(level))
            self.put("new %d" % level)
        else:
            self.put(self.rng.choice(["new -1", "new -0", "new 003", "new -01", "new -1"]))

    def act_name(self):
        self.put(b"name" + self.name_text())

    def name_text(self):
        r = self.rng.random()
        choices = [b"", b" ", b" Anna", b" Bob the Builder", b"  two spaces", b" trail  ",
                   b" tab\tinside", b" \tlead tab", b" Zo\xc3\xab", b" \xe5\x90\x8d\xe5\x89\x8d",
                   b" \xf0\x9f\x98\x80", b" \xff\xfe bad", b" half\xc3", b" \xed\xa0\x80x",
                   b" \xc0\xafover", b" a\rb", b" nul\0in", b" \r",
                   b" " + b"N" * 254, b" " + b"N" * 255, b" " + b"N" * 256, b" " + b"M" * 400,
                   b" " + b"\xc3\xa9" * 256, b" " + b"x" * 254 + b"\xe2\x82\xac\xe2\x82\xac",
                   b" " + b"\xff" * 300, b" " + b"a\r" * 200]
        return self.rng.choice(choices)

    def act_malformed(self):
        self.put(self.rng.choice([
            b"jump", b"new 7", b"new", b"new 1 2", b"tick 3", b"seed 4294967296", b"seed -1",
            b"seed", b"press left r 100 100", b"press up l 100 100", b"press left ll 100 100",
            b"press left l 100", b"press left l -1 100", b"press left l 1 2 3",
            b"press left lrr 100 100", b"press right l 100 100", b"press left L 100 100",
            b"press left  100 100", b"screen 1", b"screen 1 2 3", b"screen -1 5",
            b"screen 2147483648 5", b"press left l 2147483648 60", b"\tdump", b"dump\t",
            b"  # indented comment", b"new +1", b"new --1", b"new - 1", b"new -", b"seed 1e3",
            b"seed \xd9\xa3", b"DUMP", b"Hint", b"hint now", b"quit now", b"dump\0",
            b"dump\r", b"tick\r\r", b"seed 0x10", b"new 4", b"new -2", b"press middle l 5 60",
            b"name\tTab", b"names x", b"\xff\xfe", b"second 1", b"info please", b"sound off",
            b"pause 1", b"bigger 2", b"smaller x", b"press left lm", b"   ", b"", b"#",
            b"# comment", b"  dump   ", b"seed 00000000004294967295", b"screen 0 0",
            b"new  2", b" new   1 ", b"tick", b"press  left  l  70  70",
            b"key", b"key Left", b"key left right", b"key space", b"keys left", b"key\tleft",
            b"key 4", b"  key   home  ", b"key uncover\r",
            b"seed " + b"0" * 5000 + b"9", b"seed " + b"9" * 5000, b"new " + b"0" * 5000 + b"1",
            b"press left l " + b"0" * 5000 + b"70 70", b"screen " + b"1" * 5000 + b" 5"]))

    def act_misc(self):
        self.put(self.rng.choice(["sound", "info", "dump", "hint", "hint", "tick"]))

    # -- whole plays

    def play_to_win(self):
        """Marks every mine and uncovers every safe cell, in random order and
        with some noise; any wrong marks are taken back at the end."""
        m = self.m
        todo = self.cells(lambda c, s: s == bm.COVERED or s == bm.MARKED)
        self.rng.shuffle(todo)
        by_keys = self.rng.choice([0, 0, 0.2, 0.5, 1])
        for col, row in todo:
            if not self.running() or self.ended:
                return
            r = self.rng.random()
            if r < 0.04:
                self.act_seconds()
            elif r < 0.06:
                self.act_ticks()
            elif r < 0.07:
                self.put("dump")
            elif r < 0.09:
                self.act_safe_chord()
            elif r < 0.095:
                self.put("hint")
                self.act_ticks()
            elif r < 0.10:
                self.act_pause()
            elif r < 0.12:
                self.act_keys()
            if not self.running() or self.ended:
                return
            i = col + row * 30
            mine = m.content[i] == bm.MINE
            if self.rng.random() < by_keys:
                if mine and m.shown[i] == bm.COVERED:
                    self.key_move("mark", col, row)
                elif not mine and m.shown[i] == bm.MARKED:
                    self.key_move("mark", col, row)
                    self.put("key uncover")
                elif not mine and m.shown[i] == bm.COVERED:
                    self.key_move("uncover", col, row)
                    if self.rng.random() < 0.1:
                        self.put("key chord")
            elif mine and m.shown[i] == bm.COVERED:
                b = self.rng.choice(["right", "right", "middle"])
                self.press(b, self.held_for(b), col, row)
            elif not mine and m.shown[i] == bm.MARKED:
                self.press("right", "r", col, row)
                self.press("left", self.held_for("left"), col, row)
            elif not mine and m.shown[i] == bm.COVERED:
                self.press("left", self.held_for("left"), col, row)
        for col, row in self.cells(lambda c, s: c != bm.MINE and s == bm.MARKED):
            if self.running():
                self.press("right", "r", col, row)
                self.press("left", "l", col, row)
        if self.running():
            for col, row in self.cells(lambda c, s: c == bm.MINE and s == bm.COVERED):
                if self.running():
                    self.press("right", "r", col, row)

    def finish_by_hint(self):
        """Leaves the last open moves to the hint command."""
        while self.running() and not self.ended:
            left = self.cells(lambda c, s: (c <= 8 and s == bm.COVERED) or (c == bm.MINE and s == bm.COVERED))
            if len(left) <= 1:
                break
            self.act_mark_mine() if self.rng.random() < 0.5 else self.act_click_safe()
        for _ in range(6):
            if not self.running() or self.ended:
                break
            self.put("hint")
            for _ in range(10):
                self.put("tick")

    def solve(self, rounds=40):
        """Makes every move the solver can deduce on the shown board, as a
        careful player would, so that the next hint is a free one."""
        m = self.m
        for _ in range(rounds):
            moves = []
            for col in range(m.cols):
                for row in range(m.rows):
                    moves.extend(m.cell_yield(1, col, row))
            if not moves:
                return
            done = set()
            for result, col, row in moves:
                if not self.running() or self.ended:
                    return
                i = col + row * 30
                if i in done:
                    continue
                done.add(i)
                if result == bm.MOVE_MINE:
                    if m.shown[i] == bm.COVERED:
                        self.press("right", "r", col, row)
                elif m.shown[i] == bm.MARKED:
                    self.press("right", "r", col, row)       # a wrong mark: remove it first
                    self.press("left", "l", col, row)
                elif m.shown[i] == bm.COVERED:
                    self.press("left", self.rng.choice(["l", "l", "lm"]), col, row)

    def act_wrong_mark_hint(self):
        """Marks the mines around an uncovered number and one of its safe
        neighbours, then asks for a hint: the wrong mark is a missed safe move."""
        m = self.m
        numbers = self.cells(lambda c, s: 1 <= s <= 8)
        self.rng.shuffle(numbers)
        for col, row in numbers[:20]:
            around = [(col + dc, row + dr) for dc in (-1, 0, 1) for dr in (-1, 0, 1)
                      if (dc or dr) and m.in_area(col + dc, row + dr)]
            safe = [(c, r) for c, r in around
                    if m.content[c + r * 30] != bm.MINE and m.shown[c + r * 30] == bm.COVERED]
            if not safe:
                continue
            for c, r in around:
                if m.content[c + r * 30] == bm.MINE and m.shown[c + r * 30] == bm.COVERED:
                    self.press("right", "r", c, r)
            c, r = self.rng.choice(safe)
            self.press("right", "r", c, r)
            self.put("hint")
            if self.rng.random() < 0.7:
                self.act_ticks()
            return

    def act_solve_then_hint(self):
        self.solve()
        if self.rng.random() < 0.3:
            self.act_mark_any()                              # maybe a wrong mark
        self.put("hint")
        if self.rng.random() < 0.3:
            self.act_ticks()

    def play_with_hints(self):
        """Plays a whole game on deductions and free hints alone."""
        for _ in range(300):
            if not self.running() or self.ended:
                return
            self.act_solve_then_hint()
            if self.rng.random() < 0.05:
                self.act_seconds()

    def lose(self):
        cells = self.cells(lambda c, s: c == bm.MINE and s == bm.COVERED)
        if cells:
            col, row = self.rng.choice(cells)
            if self.rng.random() < 0.7:
                self.press("left", self.held_for("left"), col, row)
            else:
                b = self.rng.choice(["left", "right"])
                self.press(b, "lr", col + self.rng.choice([-1, 1]), row)

    def generate(self):
        rng = self.rng
        if rng.random() < 0.3:
            for _ in range(rng.randrange(1, 6)):
                self.put(rng.choice(["press left l 100 100", "hint", "pause", "second", "tick", "key left",
                                     "bigger", "smaller", "info", "sound", "dump", "new -1",
                                     "# before the seed", "name Early"]))
        self.put("seed %d" % rng.randrange(0, 2 ** 32))
        profile = rng.random()
        if profile < 0.35:
            self.put(b"name" + self.name_text())
            for _ in range(rng.randrange(1, 4)):
                if self.ended:
                    break
                self.act_new()
                if rng.random() < 0.5:
                    self.act_size()
                if rng.random() < 0.3:
                    self.act_name()
                r = rng.random()
                if r < 0.4:
                    self.play_to_win()
                elif r < 0.65:
                    self.play_with_hints()
                elif r < 0.8:
                    self.finish_by_hint()
                else:
                    self.lose()
                self.put("dump")
                if rng.random() < 0.3:
                    self.act_seconds()
                    self.act_ticks()
                    self.act_pause()
                    self.act_misc()
                    self.put("dump")
        else:
            steps = rng.randrange(5, 120)
            actions = [
                (12, self.act_click_safe), (4, self.act_click_any), (7, self.act_mark_mine),
                (3, self.act_mark_any), (3, self.act_unmark_or_click_mark), (5, self.act_chord),
                (3, self.act_safe_chord), (4, self.act_press_odd), (7, lambda: self.put("hint")),
                (6, self.act_ticks), (5, self.act_seconds), (3, self.act_pause),
                (2, lambda: self.put("sound")), (2, lambda: self.put("info")), (3, self.act_size),
                (3, self.act_new), (2, self.act_name), (5, lambda: self.put("dump")),
                (3, self.act_malformed), (0.3, lambda: self.put("seed %d" % rng.randrange(2 ** 32))),
                (0.4, lambda: self.put(rng.choice(["quit", "quit", " quit ", "quit\r"]))),
                (0.5, self.play_to_win), (0.4, self.lose), (4, self.act_solve_then_hint), (2, self.act_wrong_mark_hint),
                (5, self.act_keys),
            ]
            weights = [w for w, _ in actions]
            if rng.random() < 0.9:
                self.act_new()
            for _ in range(steps):
                if self.ended:
                    break
                rng.choices(actions, weights)[0][1]()
        if rng.random() < 0.002:
            for _ in range(356400 + rng.randrange(-2, 3)):
                self.put("second")
        self.put("dump")


def rng_choice(rng, seq):
    return rng.choice(seq)


def make_session(base_seed, index):
    rng = random.Random("brelvox-%d-%d" % (base_seed, index))
    setup = make_setup(rng)
    scratch = tempfile.mkdtemp(prefix="brelvox-gen-")
    try:
        populate(scratch, setup)
        gen = ScriptGen(rng, bm.Model(scratch, clock_seed=0))
        gen.generate()
        script = gen.script()
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    return setup, script


# ---------------------------------------------------------------- running

def file_state(path):
    try:
        st = os.lstat(path)
    except FileNotFoundError:
        return ("missing",)
    if stat.S_ISDIR(st.st_mode):
        return ("dir",)
    with open(path, "rb") as f:
        data = f.read()
    return ("file", "read-only" if not (st.st_mode & stat.S_IWUSR) else "writable", data)


def run_one(argv, setup, script, timeout):
    d = tempfile.mkdtemp(prefix="brelvox-run-")
    try:
        populate(d, setup)
        try:
            p = subprocess.run(argv, input=script, cwd=d, stdout=subprocess.PIPE,
                               stderr=subprocess.PIPE, timeout=timeout)
            out, rc = p.stdout, p.returncode
        except subprocess.TimeoutExpired as e:
            out, rc = (e.stdout or b""), "timeout"
        files = {name: file_state(os.path.join(d, name)) for name in ("Brelvox.hi", "Brelvox.ini")}
        listing = sorted(os.listdir(d))
        return {"out": out, "rc": rc, "files": files, "listing": listing}
    finally:
        shutil.rmtree(d, ignore_errors=True)


def normal_lines(out):
    lines = out.split(b"\n")
    return [b"error ..." if l.startswith(b"error ") else l for l in lines]


def first_difference(a, b):
    la, lb = normal_lines(a["out"]), normal_lines(b["out"])
    for i in range(max(len(la), len(lb))):
        x = la[i] if i < len(la) else None
        y = lb[i] if i < len(lb) else None
        if x != y:
            return "output line %d: model %r, sim %r" % (i + 1, x, y)
    if a["rc"] != b["rc"]:
        return "exit status: model %r, sim %r" % (a["rc"], b["rc"])
    for name in ("Brelvox.hi", "Brelvox.ini"):
        fa, fb = a["files"][name], b["files"][name]
        if fa != fb:
            def short(s):
                return s[:2] + ((s[2][:200] + (b"..." if len(s[2]) > 200 else b""),) if len(s) > 2 else ())
            return "%s: model %r, sim %r" % (name, short(fa), short(fb))
    if a["listing"] != b["listing"]:
        return "directory afterwards: model %r, sim %r" % (a["listing"], b["listing"])
    return None


def save_failure(out_dir, index, setup, script, a, b, diff):
    d = os.path.join(out_dir, "session-%05d" % index)
    if os.path.exists(d):
        shutil.rmtree(d)
    os.makedirs(os.path.join(d, "start"))
    with open(os.path.join(d, "script.in"), "wb") as f:
        f.write(script)
    notes = []
    for name, kind, data, mode in setup:
        notes.append("%s %s %o" % (name, kind, mode))
        p = os.path.join(d, "start", name)
        if kind == "dir":
            os.makedirs(p, exist_ok=True)
        elif not os.path.isdir(p):
            with open(p, "wb") as f:
                f.write(data)
    with open(os.path.join(d, "start.txt"), "w") as f:
        f.write("start-up directory (name kind mode); copies in start/, modes not applied\n")
        f.write("\n".join(notes) + "\n")
    for tag, r in (("model", a), ("sim", b)):
        with open(os.path.join(d, tag + ".out"), "wb") as f:
            f.write(r["out"])
        with open(os.path.join(d, tag + ".status"), "w") as f:
            f.write("exit %r\nfiles %r\nlisting %r\n" % (
                r["rc"], {k: v[:2] for k, v in r["files"].items()}, r["listing"]))
    with open(os.path.join(d, "difference.txt"), "w") as f:
        f.write(diff + "\n")
    return d


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--sim", required=True, help="path of the brelvox-sim binary")
    ap.add_argument("--sessions", type=int, default=200)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--start", type=int, default=0, help="index of the first session")
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--timeout", type=float, default=120.0)
    ap.add_argument("--out", default=None, help="folder for differing sessions "
                    "(default: a new temporary folder)")
    args = ap.parse_args()

    sim = os.path.abspath(args.sim)
    out_dir = args.out or tempfile.mkdtemp(prefix="brelvox-model-diffs-")
    os.makedirs(out_dir, exist_ok=True)

    def one(index):
        setup, script = make_session(args.seed, index)
        a = run_one([sys.executable, MODEL], setup, script, args.timeout)
        b = run_one([sim], setup, script, args.timeout)
        return index, setup, script, a, b, first_difference(a, b)

    indices = range(args.start, args.start + args.sessions)
    failed = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        for index, setup, script, a, b, diff in pool.map(one, indices):
            if diff:
                failed += 1
                where = save_failure(out_dir, index, setup, script, a, b, diff)
                print("session %d differs: %s\n  saved in %s" % (index, diff, where), flush=True)
    passed = args.sessions - failed
    print("%d sessions (seed %d, from %d): %d passed, %d differ" % (
        args.sessions, args.seed, args.start, passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
