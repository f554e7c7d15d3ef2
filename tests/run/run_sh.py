#!/usr/bin/env python3
"""./run.sh without a display, with the stand-in build and game of run_sandbox.py: a first run
says that the build takes a while and shows the build's progress, and Ctrl-C, sent to the
process group as a terminal does, ends the game before Xvfb, with status 130 and nothing on
stderr.

    run_sh.py <source tree> <scratch folder>
"""
import os
import shutil
import signal
import sys

import run_sandbox

SOURCE, WORK = sys.argv[1:3]

run = run_sandbox.start(run_sandbox.make(SOURCE, WORK))
shown = []
while not shown or shown[-1] not in ("ready", ""):
    shown.append(run.stdout.readline().rstrip("\n"))
os.killpg(run.pid, signal.SIGINT)
rest, err = run.communicate(timeout=20)
expected = ["Building the game: the first build takes a few minutes.", "[ 50%] Building",
            "No display: running the game under Xvfb (Ctrl-C ends it).", "ready"]
if shown != expected or rest or err or run.returncode != 130:
    print("FAIL: stdout %r, then %r, stderr %r, exit %d" % (shown, rest, err, run.returncode))
    sys.exit(1)
shutil.rmtree(WORK)
print("1 passed, 0 failed")
