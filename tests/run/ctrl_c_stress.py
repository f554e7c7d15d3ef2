#!/usr/bin/env python3
"""Ctrl-C at many moments of ./run.sh without a display, with the stand-in build and game of
run_sandbox.py, while busy processes load every core. Half the runs are interrupted at a random
moment from the start, anywhere from the package check to the game's loop; the other half just
after the game says it is ready, as RunScript's test does. Every run must end within 30 s with
the status a shell shows as 130 (exit status 130, or the end by SIGINT itself where the
interrupt came before the game's handler) and nothing on stderr, the game must still have its
display when it ends (its xdotool says so on stderr otherwise), and no process of the run may be
left once its output has closed. Prints the counts and every failure; exits 1 on a failure.

Not a CTest test: it loads the machine for minutes.

    ctrl_c_stress.py <source tree> <scratch folder> [runs [busy processes]]
"""
import os
import random
import shutil
import signal
import subprocess
import sys
import time

import run_sandbox

SOURCE, WORK = sys.argv[1:3]
RUNS = int(sys.argv[3]) if len(sys.argv) > 3 else 300
BUSY = int(sys.argv[4]) if len(sys.argv) > 4 else 2 * os.cpu_count()
TAG = "KESSOK_CTRL_C_RUN"


def left_running(tag):
    """The processes whose environment carries <tag>."""
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/environ" % pid, "rb") as f:
                if ("%s=%s" % (TAG, tag)).encode() in f.read().split(b"\0"):
                    with open("/proc/%s/cmdline" % pid, "rb") as c:
                        found.append(c.read().replace(b"\0", b" ").decode().strip())
        except OSError:
            pass
    return found


def interrupt(run_sh, tag, delay):
    """Runs ./run.sh and sends Ctrl-C after <delay> seconds, or, for None, just after "ready".
    Returns (ready before the interrupt, exit status, stdout, stderr, processes left)."""
    run = run_sandbox.start(run_sh, **{TAG: tag})
    ready = False
    if delay is None:
        while run.stdout.readline() not in ("ready\n", ""):
            pass
        ready = True
        time.sleep(random.uniform(0, 0.02))
    else:
        time.sleep(delay)
    os.killpg(run.pid, signal.SIGINT)
    try:
        out, err = run.communicate(timeout=30)
    except subprocess.TimeoutExpired:
        os.killpg(run.pid, signal.SIGKILL)
        out, err = run.communicate()
        err += "(did not end within 30 s)"
    return ready or "ready\n" in out, run.returncode, out, err, left_running(tag)


def main():
    run_sh = run_sandbox.make(SOURCE, WORK, grace=0.05)
    busy = [subprocess.Popen([sys.executable, "-c", "while True: pass"]) for _ in range(BUSY)]
    failures, counts = [], {}
    try:
        started = time.monotonic()
        interrupt(run_sh, "warm-up", None)
        ready_after = time.monotonic() - started
        for k in range(RUNS):
            delay = None if k % 2 else random.uniform(0, 1.5 * ready_after)
            # The tag names this script too, so that what an earlier stress run left is not counted.
            ready, status, out, err, left = interrupt(run_sh, "%d-%d" % (os.getpid(), k), delay)
            allowed = (130,) if ready else (130, -signal.SIGINT)
            kind = "%s, status %d" % ("after the game's handler" if ready else "before it", status)
            counts[kind] = counts.get(kind, 0) + 1
            if status not in allowed or err or left:
                failures.append("run %d (%s): stdout %r, stderr %r, left running %r" %
                                (k, "at ready" if delay is None else "after %.3f s" % delay,
                                 out, err, left))
    finally:
        for process in busy:
            process.kill()
    shutil.rmtree(WORK, ignore_errors=True)
    print("%d runs under %d busy processes, ready %.2f s after the start; interrupted:" %
          (RUNS, BUSY, ready_after))
    for kind, count in sorted(counts.items()):
        print("  %s: %d" % (kind, count))
    for failure in failures:
        print("FAIL: " + failure)
    print("%d passed, %d failed" % (RUNS - len(failures), len(failures)))
    sys.exit(1 if failures else 0)


main()
