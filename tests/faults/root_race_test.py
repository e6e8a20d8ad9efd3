#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Root plays in a player's folder whose settings file is a link into the
player's subfolder, while the player swaps that subfolder with a link to a
folder only root may enter, as fast as the kernel lets them. Root's game must
never write, lock or leave anything in root's folder.

    root_race_test.py SIM [ROUNDS]
"""

import ctypes
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

NOBODY = 65534
AT_FDCWD = -100
RENAME_EXCHANGE = 2
TIME_LIMIT = 8  # seconds of racing at most
# Every size change and the close rewrite the settings file through the link.
SESSION = b"new 0\n" + b"smaller\nbigger\n" * 40 + b"quit\n"


def main():
    if os.geteuid() != 0:
        print("skip: the race needs root")
        sys.exit(77)
    sim = os.path.abspath(sys.argv[1])
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 400
    libc = ctypes.CDLL(None, use_errno=True)
    root = tempfile.mkdtemp(prefix="brelvox-race-")
    try:
        os.chmod(root, 0o755)
        game, secret = os.path.join(root, "game"), os.path.join(root, "secret")
        os.mkdir(secret, 0o700)
        os.makedirs(os.path.join(game, "sub"))
        with open(os.path.join(game, "sub", "owned.sh"), "w") as f:
            f.write("player's\r\n")
        os.symlink("sub/owned.sh", os.path.join(game, "Brelvox.ini"))
        os.symlink(secret, os.path.join(game, "swap"))
        for parent, dirs, files in os.walk(game):
            for name in [parent] + [os.path.join(parent, n) for n in dirs + files]:
                os.lchown(name, NOBODY, NOBODY)

        stop = threading.Event()
        swaps = [0]

        def swapper():
            a = os.path.join(game, "sub").encode()
            b = os.path.join(game, "swap").encode()
            while not stop.is_set():
                if libc.renameat2(AT_FDCWD, a, AT_FDCWD, b, RENAME_EXCHANGE) == 0:
                    swaps[0] += 1

        thread = threading.Thread(target=swapper)
        thread.start()
        runs, leaked, deadline = 0, [], time.monotonic() + TIME_LIMIT
        try:
            while runs < rounds and time.monotonic() < deadline and not leaked:
                subprocess.run([sim], input=SESSION, cwd=game, capture_output=True, timeout=30)
                runs += 1
                leaked = os.listdir(secret)
        finally:
            stop.set()
            thread.join()
        if leaked:
            print(f"FAIL after {runs} runs ({swaps[0]} swaps) root's folder holds {leaked}")
            sys.exit(1)
        real = [os.path.join(game, name, "owned.sh") for name in ("sub", "swap")]
        real = [path for path in real if not os.path.islink(os.path.dirname(path))][0]
        with open(real) as f:
            written = f.read().startswith("Brelvox startup display sizes:")
        if not written:
            print("FAIL the player's file was never written through the link")
            sys.exit(1)
        print(f"ok    {runs} runs against {swaps[0]} swaps: nothing in root's folder")
    finally:
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()
