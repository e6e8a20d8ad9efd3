#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Faults around the two files the game rewrites, and the cue files it looks up.

    faults_test.py SIM files    each file made unwritable in every way we know
    faults_test.py SIM kill     brelvox-sim killed at random moments of a won game
    faults_test.py SIM sounds   cue files that are no wave files, or no files
    faults_test.py SIM shared   games side by side, a group's folder, umask 0222, a
                                180 MB score file
    faults_test.py SIM io       commands that cannot be read, output that cannot
                                be written, a line of 100 MB

Every run wins a game and ends, so the game writes Brelvox.hi (a new best
time) and then Brelvox.ini. Where a file cannot be replaced, it and everything
beside it must stay exactly as they were (content, mode, owner, links), the
score file's failure must show the one message and the settings file's must be
silent; where it can, it must hold exactly the new content.
"""

import os
import random
import resource
import shutil
import stat
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import winning  # noqa: E402

SIM = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else None
NOBODY = 65534
HI = "Brelvox.hi"
INI = "Brelvox.ini"
WRITE_ERROR = "message Can't write to file Brelvox.hi!"
SEED, LEVEL, NAME = 7, 0, "Tester"
CUES = ["click.wav", "mark.wav", "Hint.wav", "HintOK.wav", "bang.wav", "Win.wav"]
TIMEOUT = 60

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL", what)


# ---- the two files' formats, written independently of the program ----------

OLD_TABLE = [[(f"Old {level}.{rank}", 100 * (level + 1) + rank) for rank in range(5)]
             for level in range(4)]
OLD_SIZES = [50, 40, 30, 20]


def score_text(table):
    return "".join(f"{name}\r\n{time}\r\n" for level in table for name, time in level).encode()


def settings_text(sizes):
    lines = ["Brelvox startup display sizes:"] + [str(s) for s in sizes]
    lines.append("Delete this file to return to factory settings.")
    return "".join(line + "\r\n" for line in lines).encode()


OLD_HI = score_text(OLD_TABLE)
OLD_INI = settings_text(OLD_SIZES)
# The won game takes 0 seconds and goes to rank 1; the cells were shrunk to 18.
NEW_HI = score_text([[(NAME, 0)] + OLD_TABLE[0][:4]] + OLD_TABLE[1:])
NEW_INI = settings_text([18] + OLD_SIZES[1:])

_script = None


def script():
    global _script
    if _script is None:
        lines = winning.winning_script(SIM, SEED, LEVEL, name=NAME) + ["dump", "quit"]
        _script = ("\n".join(lines) + "\n").encode()
    return _script


# ---- running the driver ------------------------------------------------------

def run_sim(cwd, commands, as_nobody=False, fsize=None):
    argv = [SIM]
    if fsize is not None:
        argv = ["prlimit", f"--fsize={fsize}", "--"] + argv
    if as_nobody:
        argv = ["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups", "--"] + argv
    run = subprocess.run(argv, input=commands, cwd=cwd, capture_output=True, timeout=TIMEOUT)
    return run.returncode, run.stdout.decode(errors="replace"), run.stderr.decode(errors="replace")


def snapshot(root):
    """Everything under root, links not followed: kind, mode, owner, content."""
    seen = {}
    for parent, dirs, files in os.walk(root):
        for name in dirs + files:
            path = os.path.join(parent, name)
            st = os.lstat(path)
            if stat.S_ISLNK(st.st_mode):
                what = ("link", os.readlink(path))
            elif stat.S_ISREG(st.st_mode):
                with open(path, "rb") as f:
                    what = ("file", f.read())
            else:
                what = ("other", stat.S_IFMT(st.st_mode))
            seen[os.path.relpath(path, root)] = (what, oct(stat.S_IMODE(st.st_mode)),
                                                 st.st_uid, st.st_gid)
    return seen


def chown_tree(root, uid):
    for parent, dirs, files in os.walk(root):
        for name in [parent] + [os.path.join(parent, n) for n in dirs + files]:
            os.lchown(name, uid, uid)


# ---- the file faults ---------------------------------------------------------

class Scenario:
    """One fault. `setup(game, elsewhere)` builds it (as root; for a player's
    run the game folder then becomes the player's unless setup says otherwise);
    `written` maps paths (relative to the scenario's
    root) to the content they must hold afterwards; nothing else may change."""

    def __init__(self, name, setup, written, as_nobody=False, fsize=None, mount=None):
        self.name, self.setup, self.written = name, setup, written
        self.as_nobody, self.fsize, self.mount = as_nobody, fsize, mount
        # Where the score file's target lands: the message shows when it is not written.
        self.hi_written = any(path.endswith(HI) or path == "elsewhere/real-hi"
                              for path in written)


def healthy(game, other):
    with open(os.path.join(game, other), "wb") as f:
        f.write(OLD_HI if other == HI else OLD_INI)


def old_of(name):
    return OLD_HI if name == HI else OLD_INI


def new_of(name):
    return NEW_HI if name == HI else NEW_INI


def per_file_scenarios(faulty):
    other = INI if faulty == HI else HI
    game_other = {f"game/{other}": new_of(other)}

    def put(path, content, mode=0o644):
        with open(path, "wb") as f:
            f.write(content)
        os.chmod(path, mode)

    def is_directory(game, elsewhere):
        os.mkdir(os.path.join(game, faulty))
        put(os.path.join(game, faulty, "inside"), b"kept")

    def dangling(game, elsewhere):
        os.symlink("no-such-file", os.path.join(game, faulty))

    def self_loop(game, elsewhere):
        os.symlink(faulty, os.path.join(game, faulty))

    def pair_loop(game, elsewhere):
        os.symlink("loop-b", os.path.join(game, faulty))
        os.symlink(faulty, os.path.join(game, "loop-b"))

    def to_directory(game, elsewhere):
        os.symlink("../elsewhere", os.path.join(game, faulty))

    real = "real-hi" if faulty == HI else "real-ini"

    def to_file(game, elsewhere):
        put(os.path.join(elsewhere, real), old_of(faulty), 0o640)
        os.lchown(os.path.join(elsewhere, real), NOBODY, NOBODY)
        os.symlink(f"../elsewhere/{real}", os.path.join(game, faulty))

    def to_read_only_file(game, elsewhere):
        put(os.path.join(elsewhere, real), old_of(faulty), 0o444)
        os.symlink(f"../elsewhere/{real}", os.path.join(game, faulty))

    def read_only(game, elsewhere):
        put(os.path.join(game, faulty), old_of(faulty), 0o444)

    def not_ours(game, elsewhere):
        # Everything is the player's but this file, which only root may write.
        put(os.path.join(game, faulty), old_of(faulty), 0o644)
        chown_tree(game, NOBODY)
        os.lchown(os.path.join(game, faulty), 0, 0)

    def fifo(game, elsewhere):
        os.mkfifo(os.path.join(game, faulty))

    def players_file(game, elsewhere):
        put(os.path.join(game, faulty), old_of(faulty), 0o600)
        os.lchown(os.path.join(game, faulty), NOBODY, NOBODY)

    def write_only(game, elsewhere):
        put(os.path.join(game, faulty), old_of(faulty), 0o200)

    def players_folder(game):
        os.lchown(game, NOBODY, NOBODY)

    def players_link_to_root_file(game, elsewhere):
        # The player's own folder and link, leading to a file only root may write.
        put(os.path.join(elsewhere, real), old_of(faulty), 0o644)
        os.symlink(f"../elsewhere/{real}", os.path.join(game, faulty))
        os.lchown(os.path.join(game, faulty), NOBODY, NOBODY)
        players_folder(game)

    def players_link_to_players_file(game, elsewhere):
        to_file(game, elsewhere)
        os.lchown(os.path.join(game, faulty), NOBODY, NOBODY)
        players_folder(game)

    def strangers_link(game, elsewhere):
        # Root's folder, another user's link in it.
        put(os.path.join(elsewhere, real), old_of(faulty), 0o644)
        os.symlink(f"../elsewhere/{real}", os.path.join(game, faulty))
        os.lchown(os.path.join(game, faulty), NOBODY, NOBODY)

    def wrap(fn):
        def setup(game, elsewhere):
            healthy(game, other)
            fn(game, elsewhere)
        return setup

    refused = game_other
    return [
        Scenario(f"{faulty} is a directory", wrap(is_directory), refused),
        Scenario(f"{faulty} is a dangling link", wrap(dangling), refused),
        Scenario(f"{faulty} is a link to itself", wrap(self_loop), refused),
        Scenario(f"{faulty} is a loop of two links", wrap(pair_loop), refused),
        Scenario(f"{faulty} is a link to a directory", wrap(to_directory), refused),
        Scenario(f"{faulty} is a link to a file elsewhere (kept, target replaced)",
                 wrap(to_file), {**game_other, f"elsewhere/{real}": new_of(faulty)}),
        Scenario(f"{faulty} is a link to a read-only file", wrap(to_read_only_file),
                 refused),
        Scenario(f"{faulty} is read-only (root)", wrap(read_only), refused),
        Scenario(f"{faulty} is read-only (player)", wrap(read_only), refused,
                 as_nobody=True),
        Scenario(f"{faulty} belongs to root, mode 0644 (player, folder writable)",
                 wrap(not_ours), refused, as_nobody=True),
        Scenario(f"{faulty} is a named pipe", wrap(fifo), refused),
        Scenario(f"{faulty} is the player's, replaced by root (owner kept)",
                 wrap(players_file),
                 {**game_other, f"game/{faulty}": new_of(faulty)}),
        Scenario(f"{faulty} cannot be read (player, mode 0200)", wrap(write_only), refused,
                 as_nobody=True),
        Scenario(f"{faulty} is the player's link to a file of root's (root)",
                 wrap(players_link_to_root_file), refused),
        Scenario(f"{faulty} is the player's link to a file of theirs (root, followed)",
                 wrap(players_link_to_players_file),
                 {**game_other, f"elsewhere/{real}": new_of(faulty)}),
        Scenario(f"{faulty} is another user's link in root's folder (root)",
                 wrap(strangers_link), refused),
    ]


def both_old(game, elsewhere):
    healthy(game, HI)
    healthy(game, INI)


def folder_not_writable(game, elsewhere):
    both_old(game, elsewhere)
    chown_tree(game, NOBODY)
    os.chmod(game, 0o555)


def long_time_line(game, elsewhere):
    healthy(game, INI)
    lines = OLD_HI.split(b"\r\n")
    lines[1] = b"0" * (100 << 10) + lines[1]
    with open(os.path.join(game, HI), "wb") as f:
        f.write(b"\r\n".join(lines))


def whole_folder_scenarios():
    return [
        Scenario(f"{HI} has a time line too long to hold", long_time_line,
                 {f"game/{INI}": NEW_INI}),
        Scenario("file size limit of 64 bytes (disk full)", both_old, {}, fsize=64),
        Scenario("folder not writable (player)", folder_not_writable, {}, as_nobody=True),
        Scenario("tiny tmpfs with no room left", both_old, {}, mount="full"),
        Scenario("tmpfs mounted read-only", both_old, {}, mount="ro"),
        Scenario("healthy files (control)", both_old,
                 {f"game/{HI}": NEW_HI, f"game/{INI}": NEW_INI}),
    ]


def fill(path):
    """Writes into `path` until the file system has no room left."""
    with open(path, "wb", buffering=0) as f:
        chunk = b"\0" * 4096
        try:
            while True:
                f.write(chunk)
        except OSError:
            pass


def try_mount(game, how):
    """A tiny tmpfs on `game`, full or read-only; False if mounting fails here."""
    run = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=16k,mode=0755", "tmpfs", game],
                         capture_output=True)
    if run.returncode != 0:
        return False
    both_old(game, None)
    if how == "full":
        fill(os.path.join(game, "filler"))
    else:
        subprocess.run(["mount", "-o", "remount,ro", game], check=True)
    return True


def run_scenario(sc):
    root = tempfile.mkdtemp(prefix="brelvox-faults-")
    os.chmod(root, 0o755)
    game = os.path.join(root, "game")
    elsewhere = os.path.join(root, "elsewhere")
    os.mkdir(game)
    os.mkdir(elsewhere)
    mounted = False
    try:
        if sc.mount:
            mounted = try_mount(game, sc.mount)
            if not mounted:
                print(f"skip  {sc.name}: tmpfs cannot be mounted here")
                return
        else:
            sc.setup(game, elsewhere)
            if sc.as_nobody and os.lstat(game).st_uid != NOBODY:
                chown_tree(game, NOBODY)
        before = snapshot(root)
        status, out, err = run_sim(game, script(), sc.as_nobody, sc.fsize)
        after = snapshot(root)
        name = sc.name
        check(status == 0, f"{name}: exit status {status}: {err[-500:]}")
        check(f"score {LEVEL} 1 0 {NAME}" in out.splitlines(),
              f"{name}: the new time is not in the table in memory")
        messages = [line for line in out.splitlines() if line.startswith("message")]
        if sc.hi_written:
            check(messages == [], f"{name}: unexpected messages {messages}")
        else:
            check(messages == [WRITE_ERROR], f"{name}: messages {messages}")
        for path, content in sc.written.items():
            got = after.get(path)
            check(got is not None and got[0] == ("file", content),
                  f"{name}: {path} does not hold the new content")
            if got and path in before:
                check(got[1:] == before[path][1:], f"{name}: {path} changed mode or owner "
                                                   f"{before[path][1:]} -> {got[1:]}")
        for path, entry in before.items():
            if path not in sc.written:
                check(after.get(path) == entry, f"{name}: {path} changed or went away")
        extra = sorted(set(after) - set(before) - set(sc.written))
        check(extra == [], f"{name}: new entries {extra}")
        ini_written = any(path.endswith(INI) or path == "elsewhere/real-ini"
                          for path in sc.written)
        print(f"ok    {name}: score file {'written' if sc.hi_written else 'kept'}, "
              f"settings file {'written' if ini_written else 'kept'}, "
              f"message: {messages[0][8:] if messages else 'none'}")
    finally:
        if mounted:
            subprocess.run(["umount", game])
        os.chmod(game, 0o755)
        shutil.rmtree(root, ignore_errors=True)


def test_files():
    if os.geteuid() != 0:
        print("skip: the faults need root (to act as another user and to mount)")
        sys.exit(77)
    scenarios = per_file_scenarios(HI) + per_file_scenarios(INI) + whole_folder_scenarios()
    for sc in scenarios:
        run_scenario(sc)


# ---- killed while writing ----------------------------------------------------

def test_kill(rounds):
    """Kills brelvox-sim at random moments around the end of a won game: each
    file must then be the old content, the new one or (the settings file,
    written at each size change) one of the sizes on the way, always whole.
    What a kill leaves beside the files is never more than one temporary and
    one lock file each, and the next full run clears it."""
    work = tempfile.mkdtemp(prefix="brelvox-kill-")
    try:
        def restore():
            healthy(work, HI)
            healthy(work, INI)

        commands = script()
        lengths = []
        for _ in range(5):
            restore()
            start = time.monotonic()
            status, _, _ = run_sim(work, commands)
            lengths.append(time.monotonic() - start)
            check(status == 0, f"kill: a full run ended with {status}")
        with open(os.path.join(work, HI), "rb") as f:
            check(f.read() == NEW_HI, "kill: a full run did not write the new score file")
        full = sorted(lengths)[len(lengths) // 2]
        rng = random.Random(int(os.environ.get("BRELVOX_KILL_SEED", "1")))
        seen = {"hi old": 0, "hi new": 0, "ini old": 0, "ini between": 0, "ini new": 0,
                "most leftovers": 0}
        between = {settings_text([size] + OLD_SIZES[1:])
                   for size in range(winning.SMALLEST + 1, OLD_SIZES[0])}
        allowed = {f".{name}.{kind}" for name in (HI, INI) for kind in ("tmp", "lock")}
        for i in range(rounds):
            restore()  # what the last kill left beside the files stays
            # The score file is written at the very end: aim most kills there.
            delay = rng.uniform(0.3, 1.1) * full
            # (A sanitizer's leak check cut short by the kill may complain.)
            proc = subprocess.Popen([SIM], stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL, cwd=work)
            proc.stdin.write(commands)
            proc.stdin.close()
            time.sleep(delay)
            proc.kill()
            proc.wait()
            for name, old, new in ((HI, OLD_HI, NEW_HI), (INI, OLD_INI, NEW_INI)):
                with open(os.path.join(work, name), "rb") as f:
                    content = f.read()
                short = "hi" if name == HI else "ini"
                if content == old:
                    seen[f"{short} old"] += 1
                elif content == new:
                    seen[f"{short} new"] += 1
                elif name == INI and content in between:
                    seen["ini between"] += 1
                else:
                    check(False, f"kill round {i}: {name} holds {len(content)} bytes of "
                                 f"neither content")
            leftovers = set(os.listdir(work)) - {HI, INI}
            check(leftovers <= allowed, f"kill round {i}: left behind {sorted(leftovers)}")
            seen["most leftovers"] = max(seen["most leftovers"], len(leftovers))
        restore()
        status, _, _ = run_sim(work, commands)
        check(status == 0 and sorted(os.listdir(work)) == sorted([HI, INI]),
              f"kill: a full run after the kills left {sorted(os.listdir(work))}")
        print(f"ok    {rounds} kills of a {full * 1000:.1f} ms session: {seen}")
        # Some kills must land before the last write, and some after the first.
        check(seen["hi old"] > 0 and seen["hi new"] > 0,
              "kill: the kills never fell both before and after the writes")
    finally:
        shutil.rmtree(work, ignore_errors=True)


# ---- games side by side, shared folders, odd umasks, huge files -------------

def score_names(path):
    with open(path, "rb") as f:
        return f.read().decode(errors="replace").split("\r\n")[0::2]


def test_side_by_side():
    """Eight games started at once in one folder, each winning one game: every
    score must end up in the file."""
    work = tempfile.mkdtemp(prefix="brelvox-shared-")
    try:
        names = [f"Player {i}" for i in range(8)]
        scripts = []
        for i, name in enumerate(names):
            lines = winning.winning_script(SIM, SEED + i, i % 4, name=name, seconds=i)
            scripts.append(("\n".join(lines + ["quit"]) + "\n").encode())
        procs = []
        for commands in scripts:
            proc = subprocess.Popen([SIM], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                    stderr=subprocess.DEVNULL, cwd=work)
            procs.append((proc, commands))
        outs = [proc.communicate(commands, timeout=TIMEOUT)[0].decode() for proc, commands in procs]
        check(all(proc.returncode == 0 for proc, _ in procs), "side by side: an exit status")
        check(not any("message" in out for out in outs), "side by side: a write failed")
        kept = [name for name in names if name in score_names(os.path.join(work, HI))]
        check(kept == names, f"side by side: only {kept} of 8 scores are in the file")
        check(sorted(os.listdir(work)) == [HI, INI], f"side by side: left {os.listdir(work)}")
        print(f"ok    side by side: {len(kept)} of 8 scores kept")
    finally:
        shutil.rmtree(work, ignore_errors=True)


GROUP_OWNER, GROUP_MEMBER, GROUP = NOBODY - 1, NOBODY, NOBODY - 2


def group_folder(prefix):
    """A new folder of GROUP_OWNER's, shared with GROUP, holding both files
    as the group may write them."""
    work = tempfile.mkdtemp(prefix=prefix)
    os.chown(work, GROUP_OWNER, GROUP)
    os.chmod(work, 0o2775)
    for name in (HI, INI):
        healthy(work, name)
        os.chown(os.path.join(work, name), GROUP_OWNER, GROUP)
        os.chmod(os.path.join(work, name), 0o664)
    return work


def test_group_folder():
    """A folder shared by a group: a member's score leaves the file with its
    owner, group and mode."""
    owner, member, group = GROUP_OWNER, GROUP_MEMBER, GROUP
    work = group_folder("brelvox-group-")
    try:
        run = subprocess.run(["setpriv", f"--reuid={member}", f"--regid={member}",
                              f"--groups={group}", "--", SIM], input=script(), cwd=work,
                             capture_output=True, timeout=TIMEOUT)
        check(run.returncode == 0 and b"message" not in run.stdout,
              f"group folder: status {run.returncode}, {run.stdout[-200:]!r}")
        for name, new in ((HI, NEW_HI), (INI, NEW_INI)):
            st = os.stat(os.path.join(work, name))
            with open(os.path.join(work, name), "rb") as f:
                check(f.read() == new, f"group folder: {name} does not hold the new content")
            check((st.st_uid, st.st_gid, stat.S_IMODE(st.st_mode)) == (owner, group, 0o664),
                  f"group folder: {name} is now {st.st_uid}:{st.st_gid} "
                  f"{oct(stat.S_IMODE(st.st_mode))}")
        print("ok    group folder: both files rewritten, owner, group and mode kept")
    finally:
        shutil.rmtree(work, ignore_errors=True)


def test_umask():
    """Under umask 0222 the file the game makes must still take the next score."""
    work = tempfile.mkdtemp(prefix="brelvox-umask-")
    try:
        for run_no in range(2):
            run = subprocess.run([SIM], input=script(), cwd=work, capture_output=True,
                                 timeout=TIMEOUT, preexec_fn=lambda: os.umask(0o222))
            check(run.returncode == 0 and b"message" not in run.stdout,
                  f"umask 0222: run {run_no} showed {run.stdout[-120:]!r}")
        kept = score_names(os.path.join(work, HI))[:2]
        check(kept == [NAME, NAME], f"umask 0222: the easy table starts {kept}")
        mode = stat.S_IMODE(os.stat(os.path.join(work, HI)).st_mode)
        print(f"ok    umask 0222: both scores kept, the file made with mode {oct(mode)}")
    finally:
        shutil.rmtree(work, ignore_errors=True)


def peak_kib(cwd):
    """The peak memory of one session that reads the files and dumps, and its output."""
    proc = subprocess.Popen([SIM], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL, cwd=cwd)
    proc.stdin.write(b"dump\nquit\n")
    proc.stdin.close()
    out = proc.stdout.read().decode(errors="replace")
    _, status, usage = os.wait4(proc.pid, 0)
    proc.returncode = os.waitstatus_to_exitcode(status)
    return usage.ru_maxrss, out


def test_huge_file():
    """A 180 MB name line costs no more memory than a small file: reading stops
    after what 40 lines can hold, so the table is the default one."""
    work = tempfile.mkdtemp(prefix="brelvox-huge-")
    small = tempfile.mkdtemp(prefix="brelvox-small-")
    try:
        # Written in pieces: a child's peak starts at this process's size.
        with open(os.path.join(work, HI), "wb") as f:
            for _ in range(180):
                f.write(b"H" * (1 << 20))
            f.write(OLD_HI[OLD_HI.index(b"\r\n"):])
        huge, out = peak_kib(work)
        check("score 0 2 5999 Nobody" in out.splitlines(),
              "huge file: entries beyond what the format holds were read")
        healthy(small, HI)
        base, _ = peak_kib(small)
        check(huge - base < 8 << 10, f"huge file: peak memory {huge} KiB, {base} KiB for a "
                                     f"small file")
        print(f"ok    huge file: peak {huge} KiB, small file {base} KiB")
    finally:
        shutil.rmtree(work, ignore_errors=True)
        shutil.rmtree(small, ignore_errors=True)


def test_shared():
    test_side_by_side()
    test_umask()
    test_huge_file()
    if os.geteuid() == 0:
        test_group_folder()
    else:
        print("skip  group folder: needs root to act as two users")


# ---- cue files ---------------------------------------------------------------

def cue_script():
    """Every cue: the opening move, clicks, marks, a hint, a win, and a loss."""
    content, shown = winning.layout(SIM, SEED, LEVEL)
    start = [f"seed {SEED}", f"name {NAME}", f"new {LEVEL}"]
    start += ["smaller"] * (winning.LARGEST - winning.SMALLEST)
    first = [p for p in winning.presses(content, shown) if "right" in p][:1]
    first += [p for p in winning.presses(content, shown) if "left" in p][:1]
    start += first + ["hint"] + ["tick"] * 10
    # The rest of the win, from what the hint left.
    finish = winning.presses(*winning.board_after(SIM, start))
    mine = next((c, r) for r, row in enumerate(content) for c, ch in enumerate(row) if ch == "*")
    x, y = winning.pixel(*mine)
    lose = [f"seed {SEED}", f"new {LEVEL}", f"press left l {x} {y}", "quit"]
    return ("\n".join(start + finish + lose) + "\n").encode()


def cue_lines(out):
    return [line for line in out.splitlines() if line.startswith("cue ")]


def test_sounds():
    commands = cue_script()
    reference = tempfile.mkdtemp(prefix="brelvox-cues-")
    work = tempfile.mkdtemp(prefix="brelvox-cues-")
    try:
        for cue in CUES:
            open(os.path.join(reference, cue), "wb").close()
        status, ref_out, _ = run_sim(reference, commands)
        played = cue_lines(ref_out)
        check(status == 0 and {c[4:] for c in played} == set(CUES),
              f"sounds: the reference run did not play every cue: {played}")

        with open(os.path.join(work, "click.wav"), "wb") as f:
            f.write(b"this is no wave audio\n" * 10)
        open(os.path.join(work, "mark.wav"), "wb").close()
        with open(os.path.join(work, "Hint.wav"), "wb") as f:
            f.truncate(8 << 30)  # 8 GiB, sparse
        os.mkfifo(os.path.join(work, "HintOK.wav"))
        os.symlink("hintok.WAV", os.path.join(work, "hintok.WAV"))  # loops
        os.mkdir(os.path.join(work, "HINTOK.WAV"))
        os.symlink("bang.wav", os.path.join(work, "bang.wav"))
        os.symlink("BANG.WAV", os.path.join(work, "Bang.Wav"))
        os.mkdir(os.path.join(work, "folder"))
        os.symlink("folder", os.path.join(work, "Win.wav"))
        os.symlink("missing.wav", os.path.join(work, "WIN.WAV"))
        for i in range(3000):
            open(os.path.join(work, f"noise-{i}.wav"), "wb").close()
        regular = {"click.wav", "mark.wav", "Hint.wav"}
        expected = [c for c in played if c[4:] in regular]
        os.chmod(work, 0o777)
        as_player = [False, True] if os.geteuid() == 0 else [False]

        def forget_files():
            for name in (HI, INI):
                if os.path.lexists(os.path.join(work, name)):
                    os.unlink(os.path.join(work, name))

        for as_nobody in as_player:
            who = "player" if as_nobody else "root"
            forget_files()
            start = time.monotonic()
            status, out, err = run_sim(work, commands, as_nobody=as_nobody)
            took = time.monotonic() - start
            check(status == 0, f"sounds ({who}): exit status {status}: {err[-300:]}")
            check(cue_lines(out) == expected, f"sounds ({who}): cues {cue_lines(out)}")
            rest = [line for line in out.splitlines() if not line.startswith("cue ")]
            check(rest == [line for line in ref_out.splitlines() if not line.startswith("cue ")],
                  f"sounds ({who}): the game went differently")
            print(f"ok    sounds ({who}): {len(expected)} of {len(played)} cues played "
                  f"(garbage, empty and 8 GiB files count; pipe, loops, folders and "
                  f"dangling links do not), {took:.2f} s")
        # A folder the player may not list: exact names still count, the
        # case-blind search finds nothing and does not fail.
        for name in ("Win.wav", "WIN.WAV"):
            os.unlink(os.path.join(work, name))
        open(os.path.join(work, "WIN.wav"), "wb").close()
        if os.geteuid() != 0:
            return
        forget_files()
        os.chmod(work, 0o311)
        status, out, _ = run_sim(work, commands, as_nobody=True)
        check(status == 0 and cue_lines(out) == expected,
              f"sounds (unlistable folder): cues {cue_lines(out)}")
        print("ok    sounds (folder not listable): exact names only")
    finally:
        os.chmod(work, 0o755)
        shutil.rmtree(reference, ignore_errors=True)
        shutil.rmtree(work, ignore_errors=True)


# ---- standard input and output ----------------------------------------------

def run_with_streams(cwd, stdin, stdout, close=()):
    """Runs the driver on the given streams, the fds in `close` closed.
    Returns (status, stderr, peak resident KiB)."""
    def closing():
        for fd in close:
            os.close(fd)
    proc = subprocess.Popen([SIM], cwd=cwd, stdin=stdin, stdout=stdout,
                            stderr=subprocess.PIPE, preexec_fn=closing)
    err = proc.stderr.read().decode(errors="replace")
    _, status, usage = os.wait4(proc.pid, 0)
    proc.returncode = os.waitstatus_to_exitcode(status)
    return proc.returncode, err, usage.ru_maxrss


def test_io():
    work = tempfile.mkdtemp(prefix="brelvox-io-")
    try:
        commands = script()
        path = os.path.join(work, "commands")
        with open(path, "wb") as f:
            f.write(commands)

        def case(what, stdin, stdout, close=(), message="", settings=True):
            for name in (HI, INI):
                if os.path.exists(os.path.join(work, name)):
                    os.unlink(os.path.join(work, name))
            status, err, _ = run_with_streams(work, stdin, stdout, close)
            ok = status == 1 and message in err
            check(ok, f"io ({what}): status {status}, stderr {err!r}")
            # Closing still writes the settings, and nothing printed lands in them.
            if settings:
                with open(os.path.join(work, INI), "rb") as f:
                    check(f.read() == settings_text([18, 31, 25, 21]), f"io ({what}): settings")
            if ok:
                print(f"ok    io ({what}): exit status 1")

        with open(path, "rb") as cmds, open("/dev/full", "wb") as full:
            case("output to /dev/full", cmds, full, message="cannot write")
        with open(path, "rb") as cmds:
            case("output closed", cmds, None, close=(1,), message="output is closed",
                 settings=False)
        read_end, write_end = os.pipe()
        os.close(read_end)
        with open(path, "rb") as cmds:
            case("output to a pipe nobody reads", cmds, write_end, message="cannot write")
        os.close(write_end)
        case("input closed", None, subprocess.DEVNULL, close=(0,), message="input is closed",
             settings=False)
        folder = os.open(work, os.O_RDONLY)
        case("input is a folder", folder, subprocess.DEVNULL, message="cannot read",
             settings=False)
        os.close(folder)

        # A line of 100 MB is one error, echoed no longer than a command may be,
        # and memory stays far below the line's size.
        huge = b"dump" + b"x" * 100_000_000 + b"\n" + b"#" + b"y" * 100_000 + b"\ndump\n"
        with open(path, "wb") as f:
            f.write(huge)
        del huge  # the driver starts as a copy of this process: keep it small
        out_path = os.path.join(work, "out")
        with open(path, "rb") as cmds, open(out_path, "wb") as out:
            status, err, peak = run_with_streams(work, cmds, out)
        with open(out_path, "rb") as f:
            lines = f.read().split(b"\n")
        errors = [line for line in lines if line.startswith(b"error")]
        check(status == 2 and errors == [b"error line longer than 65536 bytes"]
              and sum(line.startswith(b"state ") for line in lines) == 1,
              f"io (100 MB line): status {status}, errors {[e[:80] for e in errors]}")
        check(peak < 60 * 1024, f"io (100 MB line): {peak} KiB resident at the peak")
        print(f"      io (100 MB line): {peak // 1024} MiB resident at the peak")
    finally:
        shutil.rmtree(work, ignore_errors=True)


def main():
    if len(sys.argv) != 3 or sys.argv[2] not in ("files", "kill", "sounds", "shared", "io"):
        sys.exit("usage: faults_test.py SIM files|kill|sounds|shared|io")
    what = sys.argv[2]
    if what == "files":
        test_files()
    elif what == "kill":
        test_kill(int(os.environ.get("BRELVOX_KILL_ROUNDS", "300")))
    elif what == "shared":
        test_shared()
    elif what == "io":
        test_io()
    else:
        test_sounds()
    if failures:
        print(f"{len(failures)} failure(s)")
        sys.exit(1)


if __name__ == "__main__":
    main()
