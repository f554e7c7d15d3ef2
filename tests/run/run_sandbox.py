"""./run.sh without a display, from a copy of the tree whose cmake stands in for the build and
whose game stands in for the real one: it prints "ready" once Ctrl-C would reach its handler,
and once interrupted it still needs its display for a moment (xdotool asks Xvfb for the screen
size, and says so on stderr when there is no display any more), then ends with status 130.
"""
import os
import shutil
import signal
import subprocess


def make(source, work, grace=0.3):
    """Makes the copy of the tree below <work>; the interrupted game ends <grace> seconds late.
    Returns the copy's run.sh."""
    tree, bin_folder = os.path.join(work, "tree"), os.path.join(work, "bin")
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(os.path.join(tree, "game", "data"))
    for name in ("run.sh", "tools", "tests"):
        os.symlink(os.path.join(source, name), os.path.join(tree, name))
    _script(os.path.join(bin_folder, "cmake"),
            'if [ "$1" = --build ]; then echo "[ 50%] Building"; fi\n')
    _script(os.path.join(tree, "build", "game", "game", "kessok"),
            "trap 'sleep %s; xdotool getdisplaygeometry >/dev/null; exit 130' INT\n"
            "echo ready\nwhile sleep 0.05; do :; done\n" % grace)
    return os.path.join(tree, "run.sh")


def start(run_sh, **env):
    """Starts <run_sh> without a display, with the stand-in cmake first on the path and <env>
    added, in a session of its own, with stdout and stderr piped."""
    bin_folder = os.path.join(os.path.dirname(os.path.dirname(run_sh)), "bin")
    environment = dict(os.environ, PATH=bin_folder + os.pathsep + os.environ["PATH"], **env)
    environment.pop("DISPLAY", None)
    # Ctrl-C must reach the game as it does from a terminal, even when this was started with the
    # interrupt ignored (from a shell's background job), which children would inherit.
    return subprocess.Popen([run_sh], env=environment, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, text=True, start_new_session=True,
                            preexec_fn=lambda: signal.signal(signal.SIGINT, signal.SIG_DFL))


def _script(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write("#!/usr/bin/env bash\n" + text)
    os.chmod(path, 0o755)
