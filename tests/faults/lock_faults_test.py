#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The locks and temporary files of the two shared files, and files too big
for their format.

    lock_faults_test.py SIM SHIM

SHIM is a library that makes the first fsync of a regular file report EIO
after doing its work. Parts that act as other users are skipped without root.
"""

import fcntl
import os
import shutil
import stat
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import winning  # noqa: E402
from faults_test import (HI, INI, NAME, NEW_HI, NEW_INI, OLD_HI, OLD_INI,  # noqa: E402
                         WRITE_ERROR, check, failures, healthy, score_names, score_text,
                         settings_text)
import faults_test  # noqa: E402

SIM = os.path.abspath(sys.argv[1])
SHIM = os.path.abspath(sys.argv[2])
faults_test.SIM = SIM
TIMEOUT = 30


def in_folder(fn):
    def run():
        work = tempfile.mkdtemp(prefix="brelvox-locks-")
        try:
            fn(work)
        finally:
            shutil.rmtree(work, ignore_errors=True)
    return run


def passed(since, text):
    if len(failures) == since:
        print("ok    " + text)


def start(work, env=None, user=None):
    argv = [SIM]
    if user is not None:
        argv = ["setpriv", f"--reuid={user[0]}", f"--regid={user[0]}",
                f"--groups={user[1]}", "--"] + argv
    return subprocess.Popen(argv, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, cwd=work, env=env)


def finish(proc, rest=b""):
    """Sends the rest of the commands and returns (status, output lines); a
    program that does not end in time counts as hanging."""
    try:
        out, _ = proc.communicate(rest, timeout=TIMEOUT)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.communicate()
        return None, []
    return proc.returncode, out.decode(errors="replace").splitlines()


def messages(lines):
    return [line for line in lines if line.startswith("message")]


def read(path):
    with open(path, "rb") as f:
        return f.read()


def hold_lock(work, name):
    fd = os.open(os.path.join(work, f".{name}.lock"), os.O_RDONLY | os.O_CREAT, 0o644)
    fcntl.flock(fd, fcntl.LOCK_EX)
    return fd


@in_folder
def test_unusable_lock_files(work):
    """Lock names that are a named pipe, or a second name of a root-only file:
    the game neither hangs nor touches them, and writes nothing unlocked."""
    since = len(failures)
    healthy(work, HI)
    healthy(work, INI)
    os.mkfifo(os.path.join(work, f".{HI}.lock"))
    precious = os.path.join(work, "precious")
    with open(precious, "wb") as f:
        f.write(b"root only")
    os.chmod(precious, 0o600)
    os.link(precious, os.path.join(work, f".{INI}.lock"))
    began = time.monotonic()
    status, out = finish(start(work), faults_test.script())
    took = time.monotonic() - began
    check(status == 0, f"unusable locks: status {status} after {took:.1f} s")
    check(messages(out) == [WRITE_ERROR], f"unusable locks: messages {messages(out)}")
    check(read(os.path.join(work, HI)) == OLD_HI and read(os.path.join(work, INI)) == OLD_INI,
          "unusable locks: a file was written without its lock")
    check(stat.S_IMODE(os.stat(precious).st_mode) == 0o600,
          "unusable locks: the file behind a lock name changed its mode")
    check(stat.S_ISFIFO(os.lstat(os.path.join(work, f".{HI}.lock")).st_mode),
          "unusable locks: the named pipe went away")
    passed(since, f"unusable lock files: nothing written, {took:.2f} s")


@in_folder
def test_busy_locks(work):
    """Both locks held by another process: the window waits a fraction of a
    second at most, writes nothing, keeps the score in memory and says so;
    once the lock is free, the close writes the score and the sizes."""
    since = len(failures)
    healthy(work, HI)
    healthy(work, INI)
    held = [hold_lock(work, HI), hold_lock(work, INI)]
    script = faults_test.script()
    body = script[:script.rindex(b"dump\n")]
    proc = start(work)
    proc.stdin.write(body)
    proc.stdin.flush()
    # The program works through the commands and then waits for more.
    time.sleep(1.5)
    untouched = read(os.path.join(work, HI)) == OLD_HI and read(os.path.join(work, INI)) == OLD_INI
    for fd in held:
        os.close(fd)
    status, out = finish(proc, b"dump\nquit\n")
    check(untouched, "busy locks: a file was written while another process held its lock")
    check(status == 0 and messages(out) == [WRITE_ERROR],
          f"busy locks: status {status}, messages {messages(out)}")
    check(f"score 0 1 0 {NAME}" in out, "busy locks: the score is not in the table in memory")
    check(read(os.path.join(work, HI)) == NEW_HI, "busy locks: the close did not write the score")
    check(read(os.path.join(work, INI)) == NEW_INI, "busy locks: the close did not write the sizes")

    # Held for the whole run: 57 size changes and a score must not add up.
    healthy(work, HI)
    held = [hold_lock(work, HI), hold_lock(work, INI)]
    began = time.monotonic()
    status, out = finish(start(work), script)
    took = time.monotonic() - began
    for fd in held:
        os.close(fd)
    check(status == 0 and took < 2.5, f"busy locks: a run took {took:.1f} s (status {status})")
    check(read(os.path.join(work, HI)) == OLD_HI, "busy locks: written without the lock")
    passed(since, f"busy locks: score kept until the close, a whole run held up {took:.2f} s")


@in_folder
def test_temporary_names(work):
    """Temporary names taken by folders, and files a killed run left."""
    since = len(failures)
    healthy(work, HI)
    healthy(work, INI)
    for name in (HI, INI):
        os.makedirs(os.path.join(work, f".{name}.tmp", "inside"))
        with open(os.path.join(work, f".{name}.tmp3"), "wb") as f:
            f.write(b"left by a killed run")
    status, out = finish(start(work), faults_test.script())
    check(status == 0 and messages(out) == [], f"temporary names: messages {messages(out)}")
    check(read(os.path.join(work, HI)) == NEW_HI and read(os.path.join(work, INI)) == NEW_INI,
          "temporary names: a file was not written")
    left = sorted(os.listdir(work))
    check(left == sorted([HI, INI, f".{HI}.tmp", f".{INI}.tmp"]),
          f"temporary names: the folder holds {left}")
    passed(since, "temporary names: fresh names taken, leftovers removed")


@in_folder
def test_huge_settings_file(work):
    """A sparse 20 GiB settings file costs nothing to start and close with."""
    since = len(failures)
    with open(os.path.join(work, INI), "wb") as f:
        f.truncate(20 << 30)
    began = time.monotonic()
    status, out = finish(start(work), b"dump\nquit\n")
    took = time.monotonic() - began
    check(status == 0 and took < 3, f"20 GiB settings file: status {status}, {took:.1f} s")
    check(any(line.startswith("state ") and "CellSizes=64,31,25,21" in line for line in out),
          "20 GiB settings file: the sizes are not the factory ones")
    check(read(os.path.join(work, INI)) == settings_text([64, 31, 25, 21]),
          "20 GiB settings file: not replaced by a settings file")
    passed(since, f"20 GiB settings file: start and close in {took:.2f} s")


@in_folder
def test_no_prompt_for_a_beaten_time(work):
    """Better times recorded by other games while this one runs: a time that
    no longer qualifies asks for no name, and the file keeps theirs."""
    since = len(failures)
    content, shown = winning.layout(SIM, faults_test.SEED, 0)
    moves = winning.presses(content, shown)
    marks = [move for move in moves if "right" in move]
    lines = [f"seed {faults_test.SEED}", f"name {NAME}", "new 0"]
    lines += ["smaller"] * (winning.LARGEST - winning.SMALLEST)
    lines += [move for move in moves if "right" not in move] + marks[:-1]
    proc = start(work)
    proc.stdin.write(("\n".join(lines) + "\n").encode())
    proc.stdin.flush()
    time.sleep(1)
    others = [[(f"Other {rank}", 0) for rank in range(5)]]
    others += [[("Nobody", 5999)] * 5 for _ in range(3)]
    with open(os.path.join(work, HI), "wb") as f:
        f.write(score_text(others))
    status, out = finish(proc, (marks[-1] + "\ndump\nquit\n").encode())
    check(status == 0 and "highscore" in out, f"beaten time: status {status}, no table shown")
    check("prompt" not in out, "beaten time: the name was asked for a time that cannot enter")
    check("score 0 5 0 Other 4" in out, "beaten time: the table shown is not the file's")
    check(read(os.path.join(work, HI)) == score_text(others), "beaten time: the file changed")
    passed(since, "beaten time: no prompt, the other games' table shown")


def test_saved_despite_an_error():
    """A group member's score lands in the shared file but its fsync reports
    EIO: the entry counts as saved and never goes in twice."""
    since = len(failures)
    if os.geteuid() != 0:
        print("skip  saved despite an error: needs root to act as two users")
        return
    member, group = faults_test.GROUP_MEMBER, faults_test.GROUP
    work = faults_test.group_folder("brelvox-eio-")
    try:
        lines = []
        for name, seconds in (("First", 3), ("Second", 4)):
            lines += winning.winning_script(SIM, faults_test.SEED, 0, name=name, seconds=seconds)
        env = dict(os.environ, LD_PRELOAD=SHIM,
                   ASAN_OPTIONS=os.environ.get("ASAN_OPTIONS", "") + ":verify_asan_link_order=0")
        status, out = finish(start(work, env, (member, group)),
                             ("\n".join(lines + ["quit"]) + "\n").encode())
        easy = score_names(os.path.join(work, HI))[:5]
        check(status == 0 and messages(out) == [],
              f"saved despite an error: status {status}, messages {messages(out)}")
        check(easy == ["First", "Second", "Old 0.0", "Old 0.1", "Old 0.2"],
              f"saved despite an error: the easy table holds {easy}")
        passed(since, f"saved despite an error: {easy}")
    finally:
        shutil.rmtree(work, ignore_errors=True)


def main():
    test_unusable_lock_files()
    test_busy_locks()
    test_temporary_names()
    test_huge_settings_file()
    test_no_prompt_for_a_beaten_time()
    test_saved_despite_an_error()
    if failures:
        print(f"{len(failures)} failure(s)")
        sys.exit(1)


if __name__ == "__main__":
    main()
