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
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "Support"))
from xprogram import Program, fail, wait_for  # noqa: E402

BINARY, DATA, SCENARIO = sys.argv[1:4]
TITLE = "Kessok: v0.69"
# Where the score is centred, as fractions of the screen from the bottom left.
SCORE_X, SCORE_Y = 0.5, 0.92


class Game(Program):
    def __init__(self, folder, *args):
        score_at = "TIME_POS==%s, %s, 0" % (SCORE_X, SCORE_Y)
        super().__init__([BINARY, *args, score_at], folder, TITLE)


GLYPH_ZERO = [" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "]


def text_band(screen, pos_y, scale):
    """The rows of the screen, from the top, that a text line centred at pos_y at the scale
    takes up."""
    centre_y = screen.height - 1 - int(screen.height * pos_y)
    return range(int(centre_y - 10 * scale), int(centre_y + 10 * scale))


def glyph_runs(screen, pos_y, scale):
    """The first and last column of each run of lit columns in the band of a text line
    centred at pos_y at the scale, from the left; empty when the band is dark."""
    band = text_band(screen, pos_y, scale)
    runs = []
    for x in range(screen.width):
        if any(screen.lit(x, y) for y in band):
            if runs and x == runs[-1][1] + 1:
                runs[-1][1] = x
            else:
                runs.append([x, x])
    return runs


def zeros_shown(screen, pos_y=SCORE_Y, scale=1):
    """"ok" for five zeros centred at (SCORE_X, pos_y), glyph for glyph at the scale, as the
    score shows; None when their band is dark; else where the glyphs lie."""
    band = text_band(screen, pos_y, scale)
    runs = glyph_runs(screen, pos_y, scale)
    if not runs:
        return None
    if len(runs) != 5 or abs((runs[0][0] + runs[-1][1]) / 2 - screen.width * SCORE_X) > 8 * scale:
        return "%d glyphs from x %d" % (len(runs), runs[0][0])
    top = min(y for y in band if any(screen.lit(x, y) for x in range(runs[0][0], runs[0][1] + 1)))
    for left, _ in runs:
        for r, row in enumerate(GLYPH_ZERO):
            for c, mark in enumerate(row):
                if screen.lit(left + 2 * scale * c, top + 2 * scale * r) != (mark == "#"):
                    return "a glyph differs at row %d column %d" % (r, c)
    return "ok"


def scenario_refused(folder):
    """A configuration the game cannot run ends it before its window opens: a missing or empty
    extra file with status 1 and no output, anything else with what it reports; without a level
    name a line before the abort report says what configuration was read."""
    path = os.path.join(folder, "kessok.cfg")
    with open(path) as f:
        full = f.read()
    no_levels = re.sub(r"^LEVELS_LIST.*\n", "", full, flags=re.M) + "LEVELS_LIST == , ,\n"
    shown = os.path.join(os.path.realpath(folder), "kessok.cfg")
    open(os.path.join(folder, "empty.cfg"), "w").close()
    abort = "ABORT: Func:\nABORT: "
    # The main file's text (None: no file), the arguments, the exit status and the error output.
    rows = [
        (full, ["missing.cfg"], 1, ""),
        (full, ["empty.cfg"], 1, ""),
        (full, ["SETTINGS_none.cfg", "missing.cfg"], 1, ""),
        (full, ["SCREEN_WIDTH==wide"], -signal.SIGABRT, "terminate called after throwing an "
         "instance of 'std::domain_error'\n  what():  Cant convert String to Num:wide\n"),
        (no_levels, [], -signal.SIGABRT,
         "Configuration read from %s\n%sLEVELS_LIST is empty\n" % (shown, abort)),
        (None, [], -signal.SIGABRT, "No configuration read: %s is missing or empty\n"
         "%sLEVELS_LIST is empty\n" % (shown, abort)),
        (full, ["GRID_WIDTH==1024", "GRID_HEIGHT==1025"], -signal.SIGABRT,
         abort + "GRID_WIDTH x GRID_HEIGHT is 1024 x 1025; at most 1024 cells a side\n"),
        (full, ["PLAYER_POLY_NUM_SIDES==4097"], -signal.SIGABRT,
         abort + "PLAYER_POLY_NUM_SIDES is 4097; at most 4096 sides\n"),
        (full, ["PLAYER_POLY_NUM_SIDES==4096", "NME_NUM_SIDES_RANGE==3, 4097"], -signal.SIGABRT,
         abort + "NME_NUM_SIDES_RANGE is 3, 4097; at most 4096 sides\n"),
        (full, ["PLAYER_POLY_RADIUS_STEP==0.00003"], -signal.SIGABRT,
         abort + "PLAYER_POLY_RADIUS / PLAYER_POLY_RADIUS_STEP is 0.035 / 0.00003; "
         "at most 1024 rings\n"),
        (full, ["NUM_GLYPH_IMAGES==65537"], -signal.SIGABRT,
         abort + "NUM_GLYPH_IMAGES is 65537; at most 65536 glyphs\n"),
    ]
    for text, args, status, errors in rows:
        if text is None:
            os.remove(path)
        else:
            with open(path, "w") as f:
                f.write(text)
        game = Game(folder, *args)
        rc = game.wait_exit()
        windows = subprocess.run(["xdotool", "search", "--name", "^" + TITLE + "$"],
                                 capture_output=True, text=True).stdout
        report = re.sub(r"^ABORT: Func:.*$", "ABORT: Func:", game.stderr(), flags=re.M)
        if rc != status or game.stdout() or windows or report != errors:
            fail("%s: exit %d, stdout %r, stderr %r, windows %r" %
                 (args, rc, game.stdout(), game.stderr(), windows))


def scenario_precedence(folder):
    """The command line, the settings file and an extra file set the window's size, in that
    order of precedence. A key listed in GLOBAL_KEYS keeps the value the extra file gives it
    against a file loaded later: the font's description, whose own GLYPH_COL_GAP would set the
    distance from one of the score's glyphs to the next. The settings file and the command line
    give overrides, which every file loaded later reads first anyway; the extra file's values
    reach the overrides only through GLOBAL_KEYS. Each game ends on Escape with status 0 and
    nothing on the error stream."""
    with open(os.path.join(folder, "extra.cfg"), "w") as f:
        f.write("SCREEN_WIDTH == 640\nSCREEN_HEIGHT == 480\n")
    with open(os.path.join(folder, "SETTINGS_kessok.cfg"), "w") as f:
        f.write("SCREEN_HEIGHT == 400\n")
    with open(os.path.join(folder, "gap.cfg"), "w") as f:
        f.write("GLOBAL_KEYS == GLYPH_COL_GAP\nGLYPH_COL_GAP == 14\n")
    # The arguments, the window's size and the distance from the left edge of one of the score's
    # glyphs to the next in the font's pixels: its cells are 16 wide, and its gap of -2 gives 14,
    # a gap of 14 gives 30.
    rows = ((["extra.cfg"], (640, 400), 14), ([], (800, 400), 14),
            (["extra.cfg", "SCREEN_WIDTH==720"], (720, 400), 14), (["gap.cfg"], (800, 400), 30))
    for args, size, advance in rows:
        game = Game(folder, *args, *BOARD)
        game.wait_window()
        shown = wait_for("the window size", lambda: game.geometry() == size and size)
        if shown != size:
            fail("%s gave %s" % (args, shown))
        # The texts are laid out for 800 x 600 and scaled to fit the window.
        scale = min(size[0] / 800, size[1] / 600)

        def score_runs():
            runs = glyph_runs(game.screen(), SCORE_Y, scale)
            return len(runs) == 5 and runs
        runs = wait_for("the score's five glyphs", score_runs, 10)
        # Each glyph's left edge lies within a pixel of where the scaled advance puts it.
        steps = [right[0] - left[0] for left, right in zip(runs, runs[1:])]
        if any(abs(step - advance * scale) > 1 for step in steps):
            fail("%s: the score's glyphs %s pixels apart, %.1f wanted" %
                 (args, steps, advance * scale))
        game.quit_with("Escape")


# A board known without the game's drawing code: on a 20 x 20 grid, squares 3 and 6 cells from
# the centre with their corners joined by diagonal spokes, on black whatever the clear colour.
# The player is 1024 rings, the most allowed, each too small to light a cell; the one
# information text is five zeros at twice the score's size near the bottom.
BOARD = ["GRID_WIDTH==20", "GRID_HEIGHT==20", "LEVELS_LIST==SQUARE", "SQUARE_NUM_SIDES==4",
         "SQUARE_ROTATION==45", "SQUARE_INNER_RADIUS==0.212132", "SQUARE_OUTER_RADIUS==0.424264",
         "CLEAR_COLOR==0xFF0000FF", "PLAYER_POLY_RADIUS==0.0009765625",
         "PLAYER_POLY_RADIUS_STEP==0.00000095367431640625", "TEXT_INFO_KEYS==TITLE",
         "TITLE_TEXT==00000", "TITLE_SCALE==2", "TITLE_POS==0.5, 0.05, 0"]


def board_lit(x, y):
    dx, dy = abs(x - 10), abs(y - 10)
    return max(dx, dy) in (3, 6) or (dx == dy and 3 <= dx <= 6)


def board_shown(game):
    """The window's image once every cell between the texts' rows shows as the board has it."""
    screen = game.screen()
    cw, ch = screen.width / 20, screen.height / 20
    if all(screen.rgb(int(x * cw + cw / 2), int(y * ch + ch / 2)) ==
           ((255,) * 3 if board_lit(x, y) else (0,) * 3) for y in range(3, 18) for x in range(20)):
        return screen


def scenario_title_screen(folder):
    """The title shows the board cell for cell, the score and the information text, with room
    for the most glyphs too; with room for one glyph, only the first of each; without room or
    without a font, no text at all and nothing on the error stream. Empty entries of the list
    of information texts name no text, though the keys of the name "" hold one. Each game ends
    on Escape with status 0 and no output."""
    empty_name = ["TEXT_INFO_KEYS==, TITLE,,", "_TEXT==0", "_SCALE==2", "_POS==0.1, 0.05, 0"]
    rows = (([], "ok", "ok"), (["NUM_GLYPH_IMAGES==65536"], "ok", "ok"), (empty_name, "ok", "ok"),
            (["NUM_GLYPH_IMAGES==1"], "1 glyphs from x 365", "1 glyphs from x 330"),
            (["NUM_GLYPH_IMAGES==0"], None, None), (["FONT_CFG==none.cfg"], None, None))
    for args, score, info in rows:
        game = Game(folder, *BOARD, *args)
        game.wait_window()
        shown = wait_for("the board", lambda: board_shown(game), 10)
        texts = (zeros_shown(shown), zeros_shown(shown, 0.05, 2))
        if texts != (score, info) or game.stderr():
            fail("%s: texts %s, stderr %r" % (args, texts, game.stderr()))
        game.quit_with("Escape")


def scenario_play(folder):
    """Space starts a game, which hides the score; running round the ring, the player meets an
    enemy parked on it, and the game ends with the score shown again, back on the title, where
    Escape ends the program with status 0 and nothing on the error stream."""
    game = Game(folder, "GAME_SEED==7", "GAME_SPEED==2")
    game.wait_window()
    wait_for("the title", lambda: zeros_shown(game.screen()) == "ok", 10)
    game.hold("space")
    wait_for("play to start", lambda: zeros_shown(game.screen()) is None, 10)
    subprocess.run(["xdotool", "keydown", "Left"])
    wait_for("an enemy to end the game", lambda: zeros_shown(game.screen()) == "ok", 60)
    subprocess.run(["xdotool", "keyup", "Left"])
    game.quit_with("Escape")


def scenario_escape(folder):
    """Escape on the title ends the game with status 0 and no output. Reports the time from
    starting the game to its first frame on the screen."""
    started = time.monotonic()
    game = Game(folder, "PLAYER_POLY_RADIUS_STEP==0")
    game.wait_window()
    wait_for("the title", lambda: zeros_shown(game.screen()) == "ok", 10)
    print("start-up to the first drawn frame: %.0f ms" % (1000 * (time.monotonic() - started)))
    game.quit_with("Escape")


def main():
    folder = tempfile.mkdtemp(prefix="kessok-e2e-")
    for name in os.listdir(DATA):
        shutil.copy(os.path.join(DATA, name), folder)
    try:
        globals()["scenario_" + SCENARIO](folder)
    finally:
        for game in Game.started:
            game.kill()
        shutil.rmtree(folder, ignore_errors=True)
    print("1 passed, 0 failed")


main()
