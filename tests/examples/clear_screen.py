#!/usr/bin/env python3
"""The example program under the current X display: holding Space turns its window green, and
Escape ends it with status 0 and no output.

    clear_screen.py <ClearScreen binary>
"""
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "Support"))
from xprogram import Program, wait_for  # noqa: E402

folder = tempfile.mkdtemp(prefix="kessok-example-")
example = Program([sys.argv[1], "60"], folder, "Kessok example")
try:
    example.wait_window()

    def green_is(value):
        return lambda: example.screen().rgb(8, 8)[1] == value

    wait_for("the first frame", green_is(48))
    subprocess.run(["xdotool", "keydown", "space"])
    wait_for("green while Space is held", green_is(255))
    subprocess.run(["xdotool", "keyup", "space"])
    wait_for("the colour back once Space is up", green_is(48))
    example.hold("Escape")
    example.end_quietly()
finally:
    example.kill()
    shutil.rmtree(folder, ignore_errors=True)
print("1 passed, 0 failed")
