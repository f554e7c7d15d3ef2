"""Driving a program's window under the current X display: start it, find its window, hold
keys with xdotool and read the window back with xwd. Every wait polls for its condition with a
deadline, and a program that hangs is killed by its process id.
"""
import os
import struct
import subprocess
import sys
import time


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(what, condition, seconds=20.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    fail("timed out waiting for " + what)


class Program:
    """A program started in a folder, with its output kept in files there, and its window."""

    # Every program started, so that one still running when a test fails is killed.
    started = []

    def __init__(self, command, folder, title):
        self.out = open(os.path.join(folder, "stdout"), "w+")
        self.err = open(os.path.join(folder, "stderr"), "w+")
        self.proc = subprocess.Popen(command, cwd=folder, stdout=self.out,
                                     stderr=self.err, stdin=subprocess.DEVNULL)
        self.title = title
        self.window = None
        Program.started.append(self)

    def wait_window(self):
        def find():
            if self.proc.poll() is not None:
                fail("the program ended before its window showed: " + self.stderr())
            found = subprocess.run(["xdotool", "search", "--name", "^" + self.title + "$"],
                                   capture_output=True, text=True).stdout.split()
            return found[0] if found else None
        self.window = wait_for("the window", find)

    def geometry(self):
        text = subprocess.run(["xdotool", "getwindowgeometry", self.window],
                              capture_output=True, text=True).stdout
        return tuple(int(v) for v in text.split("Geometry:")[1].split()[0].split("x"))

    def screen(self):
        # A window just mapped may not give an image yet: ask again until it does.
        def grab():
            data = subprocess.run(["xwd", "-id", self.window, "-silent"],
                                  capture_output=True).stdout
            return Screen(data) if len(data) > 100 else None
        return wait_for("a window image", grab, 5)

    def hold(self, key, seconds=0.15):
        subprocess.run(["xdotool", "keydown", key])
        time.sleep(seconds)
        subprocess.run(["xdotool", "keyup", key])

    def wait_exit(self, seconds=20.0):
        try:
            return self.proc.wait(timeout=seconds)
        except subprocess.TimeoutExpired:
            self.kill()
            fail("the program did not end")

    def end_quietly(self):
        """Waits for the program to end, and fails unless it ends with status 0 and no output.
        The failure names the program's arguments, so that a test that runs it with several
        says which run failed."""
        if self.wait_exit() != 0 or self.stdout() or self.stderr():
            fail("%s: exit %d, stdout %r, stderr %r" % (self.proc.args[1:], self.proc.returncode,
                                                        self.stdout(), self.stderr()))

    def quit_with(self, key):
        """Holds the key down until the program ends, then checks as end_quietly does. A
        program whose updates come slowly under load still finds the key held when it looks."""
        subprocess.run(["xdotool", "keydown", key])
        try:
            self.wait_exit()
        finally:
            subprocess.run(["xdotool", "keyup", key])
        self.end_quietly()

    def kill(self):
        self.proc.kill()
        self.proc.wait()

    def stdout(self):
        self.out.seek(0)
        return self.out.read()

    def stderr(self):
        self.err.seek(0)
        return self.err.read()


class Screen:
    """An XWD image of a window: lit(x, y) for a pixel from the top left."""

    def __init__(self, data):
        fields = struct.unpack(">25I", data[:100])
        header_size, self.width, self.height = fields[0], fields[4], fields[5]
        byte_order, bits_per_pixel, self.stride, ncolors = (fields[k] for k in (7, 11, 12, 19))
        if bits_per_pixel != 32:
            fail("unexpected window depth %d" % bits_per_pixel)
        self.little = byte_order == 0
        self.pixels = data[header_size + 12 * ncolors:]

    def rgb(self, x, y):
        offset = y * self.stride + x * 4
        value = struct.unpack("<I" if self.little else ">I", self.pixels[offset:offset + 4])[0]
        return (value >> 16) & 255, (value >> 8) & 255, value & 255

    def lit(self, x, y):
        return sum(self.rgb(x, y)) > 3 * 128
