#!/usr/bin/env python3
"""./run.sh without a display, from a copy of the tree whose cmake stands in for the build and
whose game still needs its display for a moment once interrupted: a first run says that the
build takes a while and shows the build's progress, and Ctrl-C, sent to the process group as a
terminal does, ends the game before Xvfb, with status 130 and nothing on stderr.

    run_sh.py <source tree> <scratch folder>
"""
import os
import shutil
import signal
import subprocess
import sys

SOURCE, WORK = sys.argv[1:3]
TREE, BIN = os.path.join(WORK, "tree"), os.path.join(WORK, "bin")


def script(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write("#!/usr/bin/env bash\n" + text)
    os.chmod(path, 0o755)


shutil.rmtree(WORK, ignore_errors=True)
os.makedirs(os.path.join(TREE, "game", "data"))
for name in ("run.sh", "tools", "tests"):
    os.symlink(os.path.join(SOURCE, name), os.path.join(TREE, name))
script(os.path.join(BIN, "cmake"), 'if [ "$1" = --build ]; then echo "[ 50%] Building"; fi\n')
script(os.path.join(TREE, "build", "game", "game", "kessok"),
       "trap 'sleep 0.3; xdotool getdisplaygeometry >/dev/null; exit 130' INT\n"
       "echo ready\nwhile sleep 0.05; do :; done\n")

env = dict(os.environ, PATH=BIN + os.pathsep + os.environ["PATH"])
env.pop("DISPLAY", None)
# Ctrl-C must reach the game as it does from a terminal, even when this test was started with
# the interrupt ignored (from a shell's background job), which children would inherit.
run = subprocess.Popen([os.path.join(TREE, "run.sh")], env=env, stdout=subprocess.PIPE,
                       stderr=subprocess.PIPE, text=True, start_new_session=True,
                       preexec_fn=lambda: signal.signal(signal.SIGINT, signal.SIG_DFL))
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
