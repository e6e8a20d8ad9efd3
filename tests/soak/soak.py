#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Soak: brelvox-sim under a long stream of random commands of every kind.

    soak.py SIM [--commands N] [--seed S] [--sanitized]

Part one runs many sessions in one folder, with won games, and damages
Brelvox.ini and Brelvox.hi between them in every way a player or a crash
could. Part two runs one session of N commands and one of N/10 and compares
their peak memory (skipped with --sanitized, whose allocator keeps freed
memory in quarantine). Every session must end with status 0 or 2. A failing
input is kept in the folder named in the failure message.

BRELVOX_SOAK_COMMANDS overrides N (the default is 1,000,000; 100,000 with
--sanitized).
"""

import argparse
import array
import fcntl
import os
import random
import shutil
import subprocess
import sys
import tempfile
import termios
import time

sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "faults"))
import winning  # noqa: E402

HI = "Brelvox.hi"
INI = "Brelvox.ini"
CUES = ["click.wav", "mark.wav", "Hint.wav", "HintOK.wav", "bang.wav", "Win.wav"]
LONG_LINE = 64 * 1024  # the longest line any session gets: the same in every run


class Generator:
    """Random command lines, valid ones and broken ones."""

    def __init__(self, rng):
        self.rng = rng
        self.size = 18  # a guess of the cell size, kept in step with the size commands

    def number(self):
        r = self.rng.random()
        if r < 0.9:
            return self.rng.randint(0, 1200)
        if r < 0.97:
            return self.rng.randint(0, 2147483647)
        return self.rng.choice([0, 2147483647, 4294967295, 2147483648, 10 ** 12])

    def press(self):
        rng = self.rng
        button = rng.choice(["left", "right", "middle"])
        held = {button[0]}
        for other in "lrm":
            if rng.random() < 0.15:
                held.add(other)
        letters = "".join(rng.sample(sorted(held), len(held)))
        if rng.random() < 0.85:
            x = rng.randint(0, 30 * self.size + 10)
            y = rng.randint(0, 49 + 24 * self.size + 10)
        else:
            x, y = self.number(), self.number()
        return f"press {button} {letters} {x} {y}"

    def name(self):
        rng = self.rng
        kind = rng.random()
        if kind < 0.2:
            return "name"
        if kind < 0.8:
            text = "".join(rng.choice("abcdefghij XYZ\t-_.") for _ in range(rng.randint(0, 30)))
        elif kind < 0.95:
            text = "".join(chr(rng.choice([rng.randint(0x20, 0x7e), rng.randint(0xa0, 0x2fff),
                                           rng.randint(0x1f300, 0x1f600), 0x0d, 0x00]))
                           for _ in range(rng.randint(0, 300)))
        else:
            text = "N" * rng.randint(256, LONG_LINE - 16)
        return "name " + text

    def broken(self):
        rng = self.rng
        return rng.choice([
            "jump", "new 7", "new", "new -2", "tick 3", "seed -1", "seed 4294967296",
            "press left r 1 1", "press up l 1 1", "press left ll 1 1", "press left l -1 5",
            "press left l 1", "hint now", "screen 800", "screen 1 2 3", "dump\tx", "\tquit",
            "PAUSE", "sound on", "second second",
            "bigger " + str(self.number()),
            "x" * rng.choice([1, 100, LONG_LINE]),
            "".join(chr(rng.randint(1, 255)) for _ in range(rng.randint(1, 40))),
        ])

    def line(self):
        rng = self.rng
        r = rng.random()
        if r < 0.34:
            return self.press()
        if r < 0.40:
            return "key " + rng.choice(["left", "right", "up", "down", "home", "end", "pageup",
                                        "pagedown", "uncover", "uncover", "mark", "chord"])
        if r < 0.50:
            return "tick"
        if r < 0.58:
            return "hint"
        if r < 0.65:
            return "second"
        if r < 0.70:
            level = rng.choice([-1, 0, 0, 1, 1, 2, 3])
            return f"new {level}"
        if r < 0.73:
            return "pause"
        if r < 0.75:
            return "sound"
        if r < 0.76:
            return "info"
        if r < 0.79:
            self.size = min(75, self.size + 1)
            return "bigger"
        if r < 0.82:
            self.size = max(18, self.size - 1)
            return "smaller"
        if r < 0.83:
            w, h = rng.choice([(1920, 1080), (800, 600), (640, 480), (0, 0)]) if (
                rng.random() < 0.8) else (self.number(), self.number())
            return f"screen {w} {h}"
        if r < 0.84:
            return f"seed {rng.randint(0, 4294967295)}"
        if r < 0.85:
            return self.name()
        if r < 0.86:
            return "dump"
        if r < 0.97:
            return self.broken()
        return rng.choice(["", "   ", "# a comment", "#", "  hint  ", "tick\r"])

    def lines(self, count):
        for _ in range(count):
            yield self.line()


def remove(path):
    if os.path.isdir(path) and not os.path.islink(path):
        shutil.rmtree(path)
    elif os.path.lexists(path):
        os.unlink(path)


def damage(rng, work, name):
    """Leaves `name` as the last session wrote it, or spoils it one way."""
    path = os.path.join(work, name)
    old = b""
    existed = os.path.isfile(path) and not os.path.islink(path)
    if existed:
        with open(path, "rb") as f:
            old = f.read()
    remove(path)
    kind = rng.choice(["keep", "keep", "remove", "cut", "flip", "garbage", "nul", "huge",
                       "long-line", "lf-only", "cr-only", "directory", "dangling", "loop",
                       "read-only", "bad-utf8", "big-numbers"])
    if kind == "remove" or kind == "keep" and not existed:
        return kind
    if kind == "directory":
        os.mkdir(path)
        return kind
    if kind == "dangling":
        os.symlink("nowhere/" + name, path)
        return kind
    if kind == "loop":
        os.symlink(name, path)
        return kind
    if kind in ("keep", "read-only"):
        data = old
    elif kind == "cut":
        data = old[:rng.randint(0, len(old))]
    elif kind == "flip":
        data = bytearray(old)
        for _ in range(rng.randint(1, 8)):
            if data:
                data[rng.randrange(len(data))] = rng.randrange(256)
        data = bytes(data)
    elif kind == "garbage":
        data = bytes(rng.randrange(256) for _ in range(rng.randint(1, 4096)))
    elif kind == "nul":
        data = old.replace(b"\r", b"\0", rng.randint(1, 20)) if old else b"\0" * 100
    elif kind == "huge":
        data = (old or b"x\r\n") * 2000 + b"7" * (1 << 20)
    elif kind == "long-line":
        data = b"A" * (3 << 20)
    elif kind == "lf-only":
        data = old.replace(b"\r\n", b"\n")
    elif kind == "cr-only":
        data = old.replace(b"\r\n", b"\r")
    elif kind == "bad-utf8":
        data = b"\xff\xfe\xc3\r\n" + b"\xed\xa0\x80\r\n".join(old.split(b"\r\n")[1:])
    else:  # big-numbers
        data = b"\r\n".join(rng.choice([b"$7FFFFFFF", b"-2147483648", b"70000", b"$80000000",
                                        b" +5", b"0", b"99999999999"]) if i % 2 else b"Big"
                            for i in range(41)) + b"\r\n"
    with open(path, "wb") as f:
        f.write(data)
    if kind == "read-only":
        os.chmod(path, 0o444)
    return kind


def write_input(lines_iter, keep):
    """Writes the lines to `keep`, so that a failure can be replayed."""
    count = 0
    with open(keep, "w", encoding="utf-8", errors="surrogateescape", newline="") as f:
        for line in lines_iter:
            f.write(line + "\n")
            count += 1
    return count


def run(sim, work, keep):
    """brelvox-sim in `work` on the input in `keep`; returns the exit status."""
    with open(keep, "rb") as stdin:
        run = subprocess.run([sim], stdin=stdin, stdout=subprocess.DEVNULL,
                             stderr=subprocess.PIPE, cwd=work)
    if run.returncode not in (0, 2):
        sys.stderr.write(run.stderr.decode(errors="replace")[-3000:])
    return run.returncode


def proc_field(pid, name, field):
    try:
        with open(f"/proc/{pid}/{name}") as f:
            text = f.read()
    except OSError:
        return None
    if field is None:
        return text.strip()
    for line in text.splitlines():
        if line.startswith(field + ":"):
            return line.split()[1]
    return None


def run_measured(sim, work, keep):
    """Like run(), and also the peak memory of the driver in KiB (VmHWM) once
    it has worked through the whole input, taken before it exits."""
    with open(keep, "rb") as f:
        data = f.read()
    start = time.monotonic()
    proc = subprocess.Popen([sim], stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, cwd=work)
    proc.stdin.write(data)
    proc.stdin.flush()
    # All input is in the pipe: wait until the pipe is empty and the driver is
    # asleep reading more, three times in a row.
    calm = 0
    while calm < 3 and proc.poll() is None:
        time.sleep(0.005)
        waiting = array.array("i", [0])
        fcntl.ioctl(proc.stdin.fileno(), termios.FIONREAD, waiting)
        state = proc_field(proc.pid, "status", "State")
        wchan = proc_field(proc.pid, "wchan", None) or "0"
        idle = state == "S" and ("pipe_read" in wchan or wchan == "0")
        calm = calm + 1 if waiting[0] == 0 and idle else 0
    peak = proc_field(proc.pid, "status", "VmHWM")
    took = time.monotonic() - start
    proc.stdin.close()
    status = proc.wait()
    return status, int(peak) if peak else None, took


def winning_lines(sim, rng):
    """A won game on one of the smaller boards, with a random name."""
    seed, level = rng.randint(0, 4294967295), rng.choice([0, 0, 1])
    return winning.winning_script(sim, seed, level, name="Soak " + str(rng.randint(0, 99)),
                                  seconds=rng.randint(0, 3))


def identity(path):
    try:
        st = os.lstat(path)
    except OSError:
        return None
    return (st.st_ino, st.st_mtime_ns, st.st_size)


def check_written(path, before):
    """If the session replaced `path`, it must be whole and well formed.
    Returns None when it was not replaced, else a list of problems."""
    if identity(path) == before or not os.path.isfile(path) or os.path.islink(path):
        return None
    with open(path, "rb") as f:
        data = f.read()
    lines = data.split(b"\r\n")
    problems = []
    if lines[-1] != b"":
        problems.append("does not end with CR LF")
    lines = lines[:-1]
    if any(b"\r" in line or b"\n" in line or b"\0" in line for line in lines):
        problems.append("a line holds CR, LF or NUL")
    if path.endswith(HI):
        if len(lines) != 40:
            problems.append(f"{len(lines)} lines")
        elif not all(line.isdigit() and int(line) < 65536 for line in lines[1::2]):
            problems.append("a time is not a plain number")
    else:
        if len(lines) != 6 or not all(line.isdigit() and 18 <= int(line) <= 75
                                      for line in lines[1:5]):
            problems.append("not six lines with four sizes in 18..75")
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("sim")
    parser.add_argument("--commands", type=int)
    parser.add_argument("--seed", type=int, default=20261208)
    parser.add_argument("--sanitized", action="store_true")
    args = parser.parse_args()
    sim = os.path.abspath(args.sim)
    total = args.commands or int(os.environ.get("BRELVOX_SOAK_COMMANDS") or 0) or (
        100_000 if args.sanitized else 1_000_000)
    rng = random.Random(args.seed)
    keep_dir = tempfile.mkdtemp(prefix="brelvox-soak-")
    work = os.path.join(keep_dir, "game")
    os.mkdir(work)
    for cue in CUES:
        open(os.path.join(work, cue), "wb").close()
    failed = False
    start_all = time.monotonic()

    # Part one: many sessions, the two files damaged between them.
    sessions = 40
    per_session = max(1, total // 2 // sessions)
    done = 0
    damages = {}
    wins = 0
    written = {HI: 0, INI: 0}
    for i in range(sessions):
        for name in (HI, INI):
            kind = damage(rng, work, name)
            damages[kind] = damages.get(kind, 0) + 1
        gen = Generator(rng)
        lines = list(gen.lines(per_session))
        if i % 2 == 0:
            at = rng.randint(0, len(lines))
            lines[at:at] = winning_lines(sim, rng)
            wins += 1
        if rng.random() < 0.3:
            lines.insert(rng.randint(0, len(lines)), "quit")
        keep = os.path.join(keep_dir, f"session-{i}.in")
        done += write_input(lines, keep)
        before = {name: identity(os.path.join(work, name)) for name in (HI, INI)}
        status = run(sim, work, keep)
        for name in (HI, INI):
            problems = check_written(os.path.join(work, name), before[name])
            if problems is not None:
                written[name] += 1
            if problems:
                print(f"FAIL session {i}: {name} written badly: {problems}; input kept in {keep}")
                failed = True
        if status not in (0, 2):
            print(f"FAIL session {i}: exit status {status}; input kept in {keep}")
            failed = True
        if failed:
            break
        os.unlink(keep)
    part_one = time.monotonic() - start_all
    print(f"part one: {sessions} sessions, {done} commands, {wins} won games, "
          f"{part_one:.1f} s; score file written after {written[HI]} sessions, settings "
          f"file after {written[INI]}; damage done: {damages}")

    # Part two: one long session and one of a tenth, both from the same kind of
    # stream, in a folder with healthy files.
    results = {}
    for count in (total // 10, total):
        for name in (HI, INI):
            remove(os.path.join(work, name))
        gen = Generator(random.Random(args.seed + count))
        keep = os.path.join(keep_dir, f"long-{count}.in")
        n = write_input(gen.lines(count), keep)
        status, peak, took = run_measured(sim, work, keep)
        done += n
        results[count] = peak
        print(f"part two: {n} commands in one session, {took:.1f} s, peak RSS {peak} KiB, "
              f"exit status {status}")
        if status not in (0, 2):
            print(f"FAIL long session: exit status {status}; input kept in {keep}")
            failed = True
            break
        os.unlink(keep)
    if not failed and not args.sanitized:
        small, big = results[total // 10], results[total]
        if small is None or big is None:
            print("FAIL the peak memory could not be read from /proc")
            sys.exit(1)
        # Allow for the allocator's slack, not for growth with the command count.
        if big > small * 1.10 + 1024:
            print(f"FAIL memory grows: {small} KiB after {total // 10} commands, "
                  f"{big} KiB after {total}")
            failed = True
    print(f"soak: {done} commands in all, {time.monotonic() - start_all:.1f} s")
    if failed:
        sys.exit(1)
    shutil.rmtree(keep_dir, ignore_errors=True)


if __name__ == "__main__":
    main()
