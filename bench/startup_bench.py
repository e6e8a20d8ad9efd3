#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up benchmark: the desktop program beside a bare Qt window.

    python3 bench/startup_bench.py --brelvox build/ui/brelvox \\
        --bare build/bench/brelvox-bare-window --probe build/bench/libbrelvox-first-frame.so

Starts the game, the bare window and the bare window with a line of text
(--text) in turn under a private Xvfb, each round beginning with the next of
them so that each follows each of the others equally often, each in a fresh
empty working directory and after a pause that lets the display server finish
with the last one. Prints for each the median time from the start of the
process to its first painted frame and the median resident memory once that
frame is up. The game is then also measured with a hard game started from the
keyboard (Ctrl+N, three times Down, Enter). The time of the first frame comes
from a probe preloaded into every program alike; none of them knows of it.
"""

import argparse
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

SETTLE = 0.3  # seconds after the first frame before memory is read
QUIET = 0.3  # seconds between one program's end and the next start, for the
             # display server and the system to finish with the last one


def resident_kib(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise RuntimeError("no VmRSS for %d" % pid)


def start_xvfb(scratch):
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1920x1080x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    # The number arrives as a line once the server listens.
    number = b""
    end = time.monotonic() + 10
    while not number.endswith(b"\n") and time.monotonic() < end:
        ready, _, _ = select.select([read_end], [], [], 1)
        chunk = os.read(read_end, 64) if ready else b""
        if ready and not chunk:
            break
        number += chunk
    os.close(read_end)
    number = number.decode().strip()
    display = ":" + number
    env = dict(os.environ, DISPLAY=display)
    for _ in range(100):
        if number and subprocess.run(["xdotool", "getdisplaygeometry"], env=env,
                                     capture_output=True).returncode == 0:
            return xvfb, display
        time.sleep(0.1)
    xvfb.kill()
    raise RuntimeError("Xvfb did not start")


def xdotool(env, *args):
    return subprocess.run(["xdotool"] + list(args), env=env, capture_output=True, text=True,
                          timeout=10).stdout.strip()


def window_named(env, name, timeout=10):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = xdotool(env, "search", "--name", "^%s$" % name)
        if found:
            return found.split()[0]
        time.sleep(0.02)
    raise RuntimeError("no window named %s" % name)


def start_hard_game(env, pid):
    """Ctrl+N, the hard level, Enter; waits until the window has grown."""
    main = window_named(env, "Brelvox")
    xdotool(env, "windowfocus", "--sync", main)
    xdotool(env, "key", "ctrl+n")
    chooser = window_named(env, "choose a level")
    xdotool(env, "windowfocus", "--sync", chooser)
    xdotool(env, "key", "--delay", "20", "Down", "Down", "Down", "Return")
    end = time.monotonic() + 10
    while time.monotonic() < end:
        geometry = xdotool(env, "getwindowgeometry", main)
        size = geometry.rsplit(" ", 1)[-1] if "Geometry" in geometry else "0x0"
        if int(size.split("x")[1]) > 400:
            return
        time.sleep(0.02)
    raise RuntimeError("the hard game did not start (pid %d)" % pid)


def one_start(command, env, tools_env, scratch, hard):
    """(first frame in ms, resident KiB at start, resident KiB at the hard level or None)."""
    work = tempfile.mkdtemp(dir=scratch)
    t0 = time.monotonic_ns()
    proc = subprocess.Popen(command, cwd=work, env=env, stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    try:
        frame_ns = None
        end = time.monotonic() + 30
        buffered = b""
        while frame_ns is None and time.monotonic() < end:
            ready, _, _ = select.select([proc.stderr], [], [], 1)
            if not ready:
                continue
            chunk = os.read(proc.stderr.fileno(), 4096)
            if not chunk:
                break
            buffered += chunk
            for line in buffered.split(b"\n"):
                if line.startswith(b"first-frame-ns "):
                    frame_ns = int(line.split()[1])
        if frame_ns is None:
            raise RuntimeError("%s showed no first frame" % " ".join(command))
        time.sleep(SETTLE)
        at_start = resident_kib(proc.pid)
        at_hard = None
        if hard:
            start_hard_game(tools_env, proc.pid)
            time.sleep(SETTLE)
            at_hard = resident_kib(proc.pid)
        return (frame_ns - t0) / 1e6, at_start, at_hard
    finally:
        proc.send_signal(signal.SIGTERM)
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()
        proc.stderr.close()
        shutil.rmtree(work, ignore_errors=True)
        time.sleep(QUIET)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--brelvox", required=True, help="the desktop program")
    parser.add_argument("--bare", required=True, help="the bare Qt window program")
    parser.add_argument("--probe", required=True, help="the first-frame probe library")
    parser.add_argument("--starts", type=int, default=10, help="starts of each program")
    args = parser.parse_args()
    brelvox, bare_window = os.path.abspath(args.brelvox), os.path.abspath(args.bare)

    for tool in ("Xvfb", "xdotool"):
        if shutil.which(tool) is None:
            print("SKIP: %s is missing" % tool)
            return 77

    scratch = tempfile.mkdtemp(prefix="brelvox-startup-")
    xvfb = None
    try:
        xvfb, display = start_xvfb(scratch)
        runtime = os.path.join(scratch, "runtime")
        os.mkdir(runtime, 0o700)
        env = dict(os.environ)
        # Both programs see the same plain desktop: no platform or GL choice
        # made for them from outside.
        for name in ("QT_QPA_PLATFORM", "QT_XCB_GL_INTEGRATION", "QT_SCALE_FACTOR",
                     "WAYLAND_DISPLAY"):
            env.pop(name, None)
        env.update(DISPLAY=display, XDG_RUNTIME_DIR=runtime,
                   LD_PRELOAD=os.path.abspath(args.probe))
        tools_env = dict(env)  # xdotool runs without the probe
        del tools_env["LD_PRELOAD"]

        bare, text, game = [], [], []
        programs = [(bare, [bare_window], False), (game, [brelvox], True),
                    (text, [bare_window, "--text"], False)]
        for start in range(args.starts):
            # Each round begins with the next program, so that each follows
            # each of the others equally often.
            for i in range(len(programs)):
                rows, command, hard = programs[(start + i) % len(programs)]
                rows.append(one_start(command, env, tools_env, scratch, hard))
    finally:
        if xvfb is not None:
            xvfb.terminate()
            xvfb.wait()
        shutil.rmtree(scratch, ignore_errors=True)

    def median(rows, i):
        return statistics.median(r[i] for r in rows)

    bare_ms, text_ms, game_ms = median(bare, 0), median(text, 0), median(game, 0)
    bare_mib, text_mib, game_mib = (median(rows, 1) / 1024 for rows in (bare, text, game))
    hard_mib = median(game, 2) / 1024
    print("start-up, %d starts of each, in turn, Xvfb 1920x1080 (medians)" % args.starts)
    print("%-26s %16s %16s" % ("", "first frame ms", "resident MiB"))
    print("%-26s %16.1f %16.1f" % ("bare Qt window", bare_ms, bare_mib))
    print("%-26s %16.1f %16.1f" % ("bare window with text", text_ms, text_mib))
    print("%-26s %16.1f %16.1f" % ("Brelvox", game_ms, game_mib))
    print("%-26s %16s %16.1f" % ("Brelvox, hard game", "", hard_mib))
    print("ratio Brelvox / bare: first frame %.2f, resident %.2f (hard game %.2f, %+.1f MiB)"
          % (game_ms / bare_ms, game_mib / bare_mib, hard_mib / bare_mib, hard_mib - bare_mib))
    print("ratio Brelvox / bare with text: first frame %.2f, resident %.2f (hard game %.2f, %+.1f MiB)"
          % (game_ms / text_ms, game_mib / text_mib, hard_mib / text_mib, hard_mib - text_mib))
    return 0


if __name__ == "__main__":
    sys.exit(main())
