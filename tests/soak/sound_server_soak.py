#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Soak: the desktop program with a sound server that stalls during its cues.

    sound_server_soak.py BRELVOX ASSETS_DIR [--seconds N] [--seed S]

Runs the game on a private X server with a private PulseAudio server and the
shipped cues. For N seconds (default 30) it right-clicks the board, which plays
mark.wav, then presses P twice and times how long the window takes to shrink to
the toolbar and grow back, while another thread stops (SIGSTOP) and resumes the
sound server at random, for 0.1 to 3 seconds at a time. Every answer must come
within 0.5 s. At the end, with the server stopped during a cue, SIGTERM must close the game
within 3 s, with status 0 and Brelvox.ini written.

Keys, clicks and sizes go through libX11 and the XTEST extension directly, so a
measured time is the program's and not that of starting a helper program.
Exits 77 (skipped) when Xvfb, PulseAudio or the X libraries are missing.
"""

import argparse
import ctypes
import ctypes.util
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

ANSWER_LIMIT = 0.5  # seconds
PAUSED, PLAYING = (603, 50), (603, 564)


def skip(why):
    print("SKIP: " + why)
    sys.exit(77)


class X:
    """The few Xlib and XTEST calls the soak needs, on one connection."""

    def __init__(self, display):
        x11 = ctypes.util.find_library("X11")
        xtst = ctypes.util.find_library("Xtst")
        if not x11 or not xtst:
            skip("libX11 or libXtst is missing")
        self.lib = ctypes.CDLL(x11)
        self.tst = ctypes.CDLL(xtst)
        self.lib.XOpenDisplay.restype = ctypes.c_void_p
        self.lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.lib.XDefaultRootWindow.restype = ctypes.c_ulong
        self.lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.lib.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.lib.XKeysymToKeycode.restype = ctypes.c_ubyte
        self.lib.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 7
        self.lib.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 4
        self.lib.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_void_p]
        self.lib.XFree.argtypes = [ctypes.c_void_p]
        self.lib.XFlush.argtypes = [ctypes.c_void_p]
        self.lib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.lib.XSetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                            ctypes.c_ulong]
        self.tst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                               ctypes.c_ulong]
        self.tst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                  ctypes.c_ulong]
        self.tst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                                  ctypes.c_int, ctypes.c_ulong]
        self.lib.XGetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_void_p]
        # A window found by its name may not be shown yet: asking to focus it
        # then fails, which must not end the soak (Xlib's default exits).
        handler = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
        self.ignore_errors = handler(lambda display, event: 0)
        self.lib.XSetErrorHandler.argtypes = [handler]
        self.lib.XSetErrorHandler(self.ignore_errors)
        self.dpy = self.lib.XOpenDisplay(display.encode())
        if not self.dpy:
            raise RuntimeError("cannot open display " + display)
        self.root = self.lib.XDefaultRootWindow(self.dpy)

    def size(self, window):
        """(width, height) of window, or None once it is gone."""
        root, x, y = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()
        w, h, border, depth = ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint()
        if not self.lib.XGetGeometry(self.dpy, window, ctypes.byref(root), ctypes.byref(x),
                                     ctypes.byref(y), ctypes.byref(w), ctypes.byref(h),
                                     ctypes.byref(border), ctypes.byref(depth)):
            return None
        return (w.value, h.value)

    def windows_named(self, name):
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self.lib.XQueryTree(self.dpy, self.root, ctypes.byref(root), ctypes.byref(parent),
                                   ctypes.byref(children), ctypes.byref(count)):
            return []
        found = []
        for i in range(count.value):
            title = ctypes.c_char_p()
            if self.lib.XFetchName(self.dpy, children[i], ctypes.byref(title)) and title.value:
                if title.value.decode(errors="replace") == name:
                    found.append(children[i])
                self.lib.XFree(title)
        if children:
            self.lib.XFree(children)
        return found

    def focus(self, window):
        """Gives window the keyboard, waiting until it is shown and has it."""
        def focused():
            self.lib.XSetInputFocus(self.dpy, window, 2, 0)  # RevertToParent, CurrentTime
            self.lib.XSync(self.dpy, 0)
            holder, revert = ctypes.c_ulong(), ctypes.c_int()
            self.lib.XGetInputFocus(self.dpy, ctypes.byref(holder), ctypes.byref(revert))
            return holder.value == window
        if not wait_for(focused, 10):
            raise RuntimeError("window %#x never took the keyboard" % window)

    def key(self, keysym, modifier=None):
        codes = [self.lib.XKeysymToKeycode(self.dpy, k) for k in (modifier, keysym) if k]
        for code in codes:
            self.tst.XTestFakeKeyEvent(self.dpy, code, 1, 0)
        for code in reversed(codes):
            self.tst.XTestFakeKeyEvent(self.dpy, code, 0, 0)
        self.lib.XFlush(self.dpy)

    def click(self, x, y, button):
        self.tst.XTestFakeMotionEvent(self.dpy, -1, x, y, 0)
        self.tst.XTestFakeButtonEvent(self.dpy, button, 1, 0)
        self.tst.XTestFakeButtonEvent(self.dpy, button, 0, 0)
        self.lib.XFlush(self.dpy)


def wait_for(what, timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = what()
        if value:
            return value
        time.sleep(0.01)
    return None


def start_xvfb(scratch):
    path = os.path.join(scratch, "display")
    with open(path, "w") as number:
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(number.fileno()), "-screen", "0",
                                 "1280x1024x24", "-nolisten", "tcp"], pass_fds=(number.fileno(),),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if not wait_for(lambda: open(path).read().endswith("\n"), 10):
        xvfb.kill()
        skip("Xvfb did not start")
    return xvfb, ":" + open(path).read().strip()


def start_sound_server(scratch):
    runtime = os.path.join(scratch, "pulse")
    home = os.path.join(scratch, "pulse-home")
    os.mkdir(runtime, 0o700)
    os.mkdir(home, 0o700)
    socket = os.path.join(runtime, "native")
    env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=runtime)
    server = subprocess.Popen(
        ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
         "-L", "module-null-sink",
         "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + socket],
        env=env, stdout=subprocess.DEVNULL, stderr=open(os.path.join(scratch, "pulse.log"), "w"))
    if not wait_for(lambda: os.path.exists(socket), 10):
        server.kill()
        raise RuntimeError("the sound server did not start")
    return server, "unix:" + socket


class Stalls(threading.Thread):
    """Stops and resumes the sound server at random until told to end."""

    def __init__(self, server, rng):
        super().__init__(daemon=True)
        self.server, self.rng = server, rng
        self.done = threading.Event()
        self.stops = 0

    def run(self):
        while not self.done.is_set():
            os.kill(self.server.pid, signal.SIGSTOP)
            self.stops += 1
            self.done.wait(self.rng.uniform(0.1, 3.0))
            os.kill(self.server.pid, signal.SIGCONT)
            self.done.wait(self.rng.uniform(0.05, 0.6))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("brelvox")
    parser.add_argument("assets")
    parser.add_argument("--seconds", type=float, default=30)
    parser.add_argument("--seed", type=int, default=int(time.time()))
    args = parser.parse_args()
    for tool in ("Xvfb", "pulseaudio"):
        if not shutil.which(tool):
            skip(tool + " is missing")
    rng = random.Random(args.seed)
    print("seed %d" % args.seed)

    scratch = tempfile.mkdtemp(prefix="brelvox-sound-soak-")
    work = os.path.join(scratch, "work")
    runtime = os.path.join(scratch, "runtime")
    os.mkdir(work)
    os.mkdir(runtime, 0o700)
    for name in os.listdir(args.assets):
        if name.endswith(".wav"):
            shutil.copy(os.path.join(args.assets, name), work)
    xvfb = server = game = None
    failures = []
    try:
        xvfb, display = start_xvfb(scratch)
        server, pulse = start_sound_server(scratch)
        env = dict(os.environ, DISPLAY=display, XDG_RUNTIME_DIR=runtime, PULSE_SERVER=pulse,
                   QT_XCB_GL_INTEGRATION="none", LC_ALL="C.UTF-8", LANGUAGE="")
        log = open(os.path.join(scratch, "program.log"), "w")
        game = subprocess.Popen([os.path.abspath(args.brelvox)], cwd=work, env=env,
                                stdout=log, stderr=log)
        x = X(display)
        main = wait_for(lambda: next((w for w in x.windows_named("Brelvox")
                                      if x.size(w) == (603, 49)), None), 20)
        if not main:
            raise RuntimeError("the main window did not show")
        x.focus(main)
        # Ctrl+N, Enter: an easy game, whose opening move plays HintOK.wav.
        x.key(ord("n"), modifier=0xFFE3)  # Control_L
        chooser = wait_for(lambda: x.windows_named("choose a level"), 10)
        if not chooser:
            raise RuntimeError("Ctrl+N opened no level chooser")
        time.sleep(0.3)
        x.focus(chooser[0])
        x.key(0xFF0D)  # Return: Start
        if not wait_for(lambda: x.size(main) == PLAYING, 10):
            raise RuntimeError("no easy game: the window is %s" % (x.size(main),))
        x.focus(main)

        stalls = Stalls(server, rng)
        stalls.start()
        answers = []
        end = time.monotonic() + args.seconds
        while time.monotonic() < end and len(failures) < 5:
            # A right click on the board plays mark.wav; then P twice.
            x.click(rng.randrange(8) * 64 + 32, 49 + rng.randrange(8) * 64 + 32, 3)
            time.sleep(rng.uniform(0, 0.2))
            for expected in (PAUSED, PLAYING):
                start = time.monotonic()
                x.key(ord("p"))
                if not wait_for(lambda: x.size(main) == expected, 5):
                    failures.append("no answer to P within 5 s (window %s)" % (x.size(main),))
                    break
                answers.append(time.monotonic() - start)
                if answers[-1] > ANSWER_LIMIT:
                    failures.append("P took %.3f s" % answers[-1])
        stalls.done.set()
        stalls.join()

        # The close, with the server stopped during a cue.
        os.kill(server.pid, signal.SIGSTOP)
        x.click(32, 49 + 32, 3)
        time.sleep(0.3)
        start = time.monotonic()
        game.send_signal(signal.SIGTERM)
        try:
            status = game.wait(3)
            if status != 0:
                failures.append("exit status %d after SIGTERM" % status)
        except subprocess.TimeoutExpired:
            failures.append("SIGTERM did not close the game within 3 s")
        closed = time.monotonic() - start
        os.kill(server.pid, signal.SIGCONT)
        if not os.path.exists(os.path.join(work, "Brelvox.ini")):
            failures.append("no Brelvox.ini after SIGTERM")
        if answers:
            answers.sort()
            print("%d answers in %.0f s with %d stalls of the sound server: median %.1f ms, "
                  "slowest %.1f ms; closed %.2f s after SIGTERM"
                  % (len(answers), args.seconds, stalls.stops,
                     1000 * answers[len(answers) // 2], 1000 * answers[-1], closed))
        else:
            failures.append("no answer at all")
    finally:
        for process in (game, server, xvfb):
            if process and process.poll() is None:
                if process is server:
                    os.kill(server.pid, signal.SIGCONT)
                process.kill()
                process.wait()
    if failures:
        print("FAIL (seed %d):\n  " % args.seed + "\n  ".join(failures))
        print("program output:\n" + open(os.path.join(scratch, "program.log")).read())
        shutil.rmtree(scratch, ignore_errors=True)
        return 1
    shutil.rmtree(scratch, ignore_errors=True)
    print("the window answered throughout")
    return 0


if __name__ == "__main__":
    sys.exit(main())
