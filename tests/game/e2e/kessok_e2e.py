#!/usr/bin/env python3
"""End-to-end scenarios of the real game binary under the current X display.

    kessok_e2e.py <kessok binary> <data folder> <scenario>

Each scenario copies the data folder to a scratch folder, starts the game there, drives it
with xdotool, reads the window back with xwd and checks what it shows. Every wait polls
for its condition with a deadline, and a game that hangs is killed by its process id.
"""
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "Support"))
from xprogram import Program, fail, wait_for  # noqa: E402

BINARY, DATA, SCENARIO = sys.argv[1:4]
TITLE = "Kessok: v0.69"


class Game(Program):
    def __init__(self, folder, *args):
        super().__init__([BINARY, *args], folder, TITLE)


# ---- the board the title shows, computed from the configuration alone


def f32(v):
    return struct.unpack("f", struct.pack("f", v))[0]


def config(folder):
    values = {}
    with open(os.path.join(folder, "kessok.cfg")) as f:
        for line in f:
            if "==" in line and not line.lstrip().startswith("#"):
                key, value = line.split("==", 1)
                values[key.strip()] = value.strip()
    return values


class Board:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.cells = [[0] * w for _ in range(h)]
        self.points = []

    def line(self, x0, y0, x1, y1):
        w, h = self.w, self.h
        c = y0 * x1 - x0 * y1
        a = (x0 - x1) * (h - 1)
        b = (w - 1) * (y1 - y0)
        if sum(v >= 0 for v in (c, c + a, c + b, c + a + b)) in (0, 4):
            return
        dx, dy = abs(x1 - x0), abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err, x, y = dx - dy, x0, y0
        while True:
            if 0 <= x < w and 0 <= y < h:
                self.cells[y][x] = 1
                self.points.append((x, y))
            e2 = 2 * err
            if e2 > -dy:
                err -= dy
                x += sx
            if e2 < dx:
                err += dx
                y += sy
            if (x, y) == (x1, y1):
                break
        if 0 <= x1 < w and 0 <= y1 < h:
            self.cells[y1][x1] = 1

    def polygon(self, sides, cx, cy, radius, rotation):
        import math
        self.points = []
        angle = f32(rotation * 0.017453292519943295)
        step = f32(6.283185307179586 / sides)
        vertices = []
        for _ in range(sides + 1):
            px = f32(cx + f32(radius * math.sin(angle)))
            py = f32(cy + f32(radius * math.cos(angle)))
            vertices.append((round(f32(self.w * px)), round(f32(self.h * py))))
            angle = f32(angle + step)
        for k in range(sides):
            self.line(*vertices[k], *vertices[k + 1])
        return vertices[:sides], list(self.points)


def title_board(values):
    w, h = max(16, int(values["GRID_WIDTH"])), max(16, int(values["GRID_HEIGHT"]))
    level = values["LEVELS_LIST"].split(",")[0].strip()
    sides = int(values[level + "_NUM_SIDES"])
    rotation = float(values[level + "_ROTATION"])
    board = Board(w, h)
    inner, _ = board.polygon(sides, 0.5, 0.5, f32(float(values[level + "_INNER_RADIUS"])), rotation)
    outer, ring = board.polygon(sides, 0.5, 0.5, f32(float(values[level + "_OUTER_RADIUS"])), rotation)
    for k in range(len(inner)):
        board.line(*inner[k], *outer[k])
    # The player's rings at the first cell of the outer ring.
    x, y = ring[0]
    r = f32(float(values["PLAYER_POLY_RADIUS"]))
    step = f32(float(values["PLAYER_POLY_RADIUS_STEP"]))
    while r > 0:
        board.polygon(int(values["PLAYER_POLY_NUM_SIDES"]), f32(x / w), f32(y / h), r, 90.0)
        r = f32(r - step)
    return board


def shown_cells(screen, w, h):
    cw, ch = screen.width / w, screen.height / h
    return [[1 if screen.lit(int(c * cw + cw / 2), int(r * ch + ch / 2)) else 0 for c in range(w)]
            for r in range(h)]


GLYPH_ZERO = [" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "]


def score_shown(screen, values):
    """The five zeros of the score, centred at TIME_POS, glyph for glyph; None when absent."""
    px, py = (float(v) for v in values["TIME_POS"].split(",")[:2])
    centre_y = screen.height - 1 - int(screen.height * py)
    band = range(max(0, centre_y - 10), min(screen.height, centre_y + 10))
    columns = [x for x in range(screen.width) if any(screen.lit(x, y) for y in band)]
    if not columns:
        return None
    runs, start = [], columns[0]
    for a, b in zip(columns, columns[1:] + [None]):
        if b != a + 1:
            runs.append((start, a))
            start = b
    if len(runs) != 5:
        return "%d runs of lit columns" % len(runs)
    middle = (runs[0][0] + runs[-1][1]) / 2
    if abs(middle - screen.width * px) > 8:
        return "score centred at x %.1f" % middle
    top = min(y for y in band if any(screen.lit(x, y) for x in range(runs[0][0], runs[0][1] + 1)))
    for left, right in runs:
        for r, row in enumerate(GLYPH_ZERO):
            for c, mark in enumerate(row):
                if screen.lit(left + 2 * c, top + 2 * r) != (mark == "#"):
                    return "a glyph of the score differs at row %d column %d" % (r, c)
    return "ok"


# ---- scenarios


def scratch():
    folder = tempfile.mkdtemp(prefix="kessok-e2e-")
    for name in os.listdir(DATA):
        shutil.copy(os.path.join(DATA, name), folder)
    return folder


def scenario_extra_file(folder):
    open(os.path.join(folder, "empty.cfg"), "w").close()
    for args in (["missing.cfg"], ["empty.cfg"], ["SETTINGS_none.cfg", "missing.cfg"]):
        game = Game(folder, *args)
        rc = game.wait_exit()
        if rc != 1 or game.stdout() or game.stderr():
            fail("%s: exit %d, stdout %r, stderr %r" % (args, rc, game.stdout(), game.stderr()))


def scenario_precedence(folder):
    with open(os.path.join(folder, "extra.cfg"), "w") as f:
        f.write("SCREEN_WIDTH == 640\nSCREEN_HEIGHT == 480\n")
    with open(os.path.join(folder, "SETTINGS_kessok.cfg"), "w") as f:
        f.write("SCREEN_HEIGHT == 400\n")
    for args, size in ((["extra.cfg"], (640, 400)), (["extra.cfg", "SCREEN_WIDTH==720"], (720, 400)),
                       ([], (800, 400))):
        game = Game(folder, *args)
        game.wait_window()
        shown = wait_for("the window size", lambda: game.geometry() == size and size)
        game.kill()
        if shown != size:
            fail("%s gave %s" % (args, shown))


def scenario_bad_number(folder):
    game = Game(folder, "SCREEN_WIDTH==wide")
    rc = game.wait_exit()
    if rc != -signal.SIGABRT or "Cant convert String to Num:wide" not in game.stderr():
        fail("exit %d, stderr %r" % (rc, game.stderr()))


def wait_board(game, expected, skipped_rows=()):
    """Waits for the window to show the expected board, rows skipped aside; returns its image."""
    def board_shown():
        screen = game.screen()
        cells = shown_cells(screen, expected.w, expected.h)
        for r in skipped_rows:
            cells[r] = expected.cells[r]
        return screen if cells == expected.cells else None
    return wait_for("the board", board_shown, 10)


def scenario_title_screen(folder):
    values = config(folder)
    expected = title_board(values)
    # The information texts move off the screen so that every cell shows; the score's rows
    # are left out of the comparison.
    off = ["%s_POS==0.5, 2, 0" % key.strip() for key in values["TEXT_INFO_KEYS"].split(",")]
    game = Game(folder, *off)
    game.wait_window()
    score_y = 1.0 - float(values["TIME_POS"].split(",")[1])
    score_rows = range(int(expected.h * score_y) - 2, int(expected.h * score_y) + 3)
    shown = wait_board(game, expected, score_rows)
    verdict = score_shown(shown, values)
    game.kill()
    if verdict != "ok":
        fail("score: %s" % verdict)


def scenario_no_text(folder):
    """No room for glyphs, or no font: the whole board shows and no text at all."""
    values = config(folder)
    expected = title_board(values)
    for args in (["NUM_GLYPH_IMAGES==0"], ["FONT_CFG==missing.cfg"]):
        game = Game(folder, *args)
        game.wait_window()
        wait_board(game, expected)
        game.kill()
        if game.stderr():
            fail("%s: stderr %r" % (args, game.stderr()))


def scenario_refused(folder):
    """A configuration the game cannot run ends it with the abort report before its window
    opens; without a level name a line before the report says what configuration was read."""
    path = os.path.join(folder, "kessok.cfg")
    with open(path) as f:
        full = f.read()
    no_levels = "".join(line for line in full.splitlines(True) if not line.startswith("LEVELS_LIST"))
    shown = os.path.join(os.path.realpath(folder), "kessok.cfg")
    # The main file's text (None: no file), the arguments, the line before the report and the
    # report's message.
    rows = [
        (no_levels + "LEVELS_LIST == , ,\n", [], "Configuration read from %s\n" % shown,
         "LEVELS_LIST is empty"),
        (None, [], "No configuration read: %s is missing or empty\n" % shown, "LEVELS_LIST is empty"),
        (full, ["GRID_WIDTH==1024", "GRID_HEIGHT==1025"], "",
         "GRID_WIDTH x GRID_HEIGHT is 1024 x 1025; at most 1024 cells a side"),
        (full, ["PLAYER_POLY_NUM_SIDES==4097"], "", "PLAYER_POLY_NUM_SIDES is 4097; at most 4096 sides"),
        (full, ["PLAYER_POLY_NUM_SIDES==4096", "NME_NUM_SIDES_RANGE==3, 4097"], "",
         "NME_NUM_SIDES_RANGE is 3, 4097; at most 4096 sides"),
        (full, ["PLAYER_POLY_RADIUS_STEP==0.00003"], "",
         "PLAYER_POLY_RADIUS / PLAYER_POLY_RADIUS_STEP is 0.035 / 0.00003; at most 1024 rings"),
    ]
    for text, args, before, message in rows:
        if text is None:
            os.remove(path)
        else:
            with open(path, "w") as f:
                f.write(text)
        game = Game(folder, *args)
        rc = game.wait_exit()
        found = subprocess.run(["xdotool", "search", "--name", "^" + TITLE + "$"],
                               capture_output=True, text=True).stdout
        report = re.sub(r"^ABORT: Func:.*$", "ABORT: Func:", game.stderr(), flags=re.M)
        if (rc != -signal.SIGABRT or game.stdout() or found or
                report != before + "ABORT: Func:\nABORT: " + message + "\n"):
            fail("%s: exit %d, stdout %r, stderr %r, windows %r" %
                 (args, rc, game.stdout(), game.stderr(), found))


def scenario_play(folder):
    values = config(folder)
    game = Game(folder, "GAME_SEED==7", "GAME_SPEED==2")
    game.wait_window()
    wait_for("the title", lambda: score_shown(game.screen(), values) == "ok", 10)
    game.hold("space")
    wait_for("play to start", lambda: score_shown(game.screen(), values) is None, 10)
    w, h = int(values["GRID_WIDTH"]), int(values["GRID_HEIGHT"])
    before = shown_cells(game.screen(), w, h)
    game.hold("Left", 0.3)
    if shown_cells(game.screen(), w, h) == before:
        fail("LEFT held did not move the player")
    # Enemies crawl out and park on the outer ring; running round it meets one.
    subprocess.run(["xdotool", "keydown", "Left"])
    wait_for("an enemy to end the game", lambda: score_shown(game.screen(), values) == "ok", 60)
    subprocess.run(["xdotool", "keyup", "Left"])
    game.kill()


def scenario_startup(folder):
    """Reports the time from starting the game to its first frame on the screen."""
    values = config(folder)
    started = time.monotonic()
    game = Game(folder)
    game.wait_window()
    wait_for("the first frame", lambda: score_shown(game.screen(), values) == "ok", 10)
    print("start-up to the first drawn frame: %.0f ms" % (1000 * (time.monotonic() - started)))
    game.kill()


def scenario_escape(folder):
    game = Game(folder)
    game.wait_window()
    values = config(folder)
    wait_for("the title", lambda: score_shown(game.screen(), values) == "ok", 10)
    game.hold("Escape")
    rc = game.wait_exit()
    if rc != 0 or game.stdout() or game.stderr():
        fail("exit %d, stdout %r, stderr %r" % (rc, game.stdout(), game.stderr()))


def main():
    folder = scratch()
    try:
        globals()["scenario_" + SCENARIO](folder)
    finally:
        for game in Game.started:
            game.kill()
        shutil.rmtree(folder, ignore_errors=True)
    print("1 passed, 0 failed")


main()
