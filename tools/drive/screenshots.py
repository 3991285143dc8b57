"""Pictures of the running program for the documentation, each cropped to the game
window with its frame: the start, the menu "Livello" open, a hand in play with the PC's capture raised
(caught while the PC shows it), the coach's suggestion on show (a hand card
raised, the table cards it takes lowered), picking table cards by keyboard (the
card being played raised, the focus frame on a table card), the score panel at
the end of the hand where the last of those was caught, the rules window that
"?", "Guida" opens over it, the About window that "Info" opens, and the exit
question that "Chiudi" asks (at the start, answered No). The player's moves are
made with the keyboard, following the coach, and hands are played (new matches
begun as needed) until each moment has come.

The game runs as scripts/play starts it (wine-play, in Italian, on the test
prefix), and the pictures come from the X server's framebuffer, which shows the
question box painted (cmake/with-xvfb provides it)."""

import argparse
import os
import subprocess
import sys
import tempfile
import time

from lurnawindow import PLAYER_HAND, Failure, Game, find_windows, window_geometry
from lurnaplay import KeyboardPlayer
from playwrapper import play_wrapper_on_test_prefix

HANDS_TO_TRY = 10
EXIT_TITLE = "Uscita"
RULES_TITLE = "Regole del gioco"
ABOUT_TITLE = "Info..."
PICTURES = ("start.png", "levels.png", "pc-capture.png", "coach.png", "keyboard.png", "score.png", "rules.png", "about.png",
            "exit.png")
# The moments of a hand in play, each caught the first time it comes: the step
# of the player (KeyboardPlayer) or of the PC (HandPlayer) that shows it.
MOMENTS = {"coach.png": ("player", "suggestion"), "keyboard.png": ("player", "picking"),
           "pc-capture.png": ("pc", "capture")}


def wait_for(test, timeout, what):
    deadline = time.monotonic() + timeout
    while not test():
        if time.monotonic() > deadline:
            raise Failure("no %s within %.0f s" % (what, timeout))
        time.sleep(0.05)


def picture_with(game, window, path):
    """The game window and another one over it, together, as the screen shows them."""
    left, top, width, height = window_geometry(window)
    fx, fy, fwidth, fheight = game.frame
    box_left, box_top = min(fx, left), min(fy, top)
    box_right, box_bottom = max(fx + fwidth, left + width), max(fy + fheight, top + height)
    game.screen.picture(box_left, box_top, box_right - box_left, box_bottom - box_top, quiet=0.5).save_png(path)


def levels_shot(game, path):
    """Opens the menu "Livello" by its key, takes the game window with the menu
    open (its items drop over the client area), and closes it with Escape."""
    subprocess.run(["xdotool", "key", "alt+l"], check=True, timeout=20)
    time.sleep(0.5)
    game.screen.picture(*game.frame, quiet=0.5).save_png(path)
    subprocess.run(["xdotool", "key", "--delay", "100", "Escape", "Escape"], check=True, timeout=20)
    game.settled(quiet=0.3)


def about_shot(game, path):
    """Presses "Info", takes the About window over the game, and closes it with
    Enter (its OK button has the focus)."""
    game.press_button("info")
    wait_for(lambda: find_windows(ABOUT_TITLE), 5, "About window")
    time.sleep(0.5)
    picture_with(game, find_windows(ABOUT_TITLE)[0], path)
    subprocess.run(["xdotool", "key", "Return"], check=True, timeout=20)
    wait_for(lambda: not find_windows(ABOUT_TITLE), 5, "About window closed by Enter")
    game.settled(quiet=0.3)


def rules_shot(game, path):
    """Opens the rules from the menu bar with the mouse ("?" is its third title,
    "Guida" the first item under it), takes the picture of the game window and
    the rules window (centred on the screen) together, and closes the rules with
    their OK button (80 x 25, centred, 37 pixels above the bottom of the 560 x
    420 client area)."""
    x, y = game.origin
    game.screen.click(x + 84, y - 9)
    time.sleep(0.5)
    game.screen.click(x + 104, y + 10)
    wait_for(lambda: find_windows(RULES_TITLE), 5, "rules window")
    time.sleep(0.5)
    rules = find_windows(RULES_TITLE)[0]
    left, top, width, height = window_geometry(rules)
    picture_with(game, rules, path)
    border = (width - 560) // 2
    game.screen.click(left + border + 280, top + height - border - 420 + 383 + 12)
    wait_for(lambda: not find_windows(RULES_TITLE), 5, "rules window closed by its OK")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--tree", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    out = os.path.abspath(args.out)
    with tempfile.TemporaryDirectory() as folder:
        game = Game(args.tree, runner=play_wrapper_on_test_prefix(args.tree, folder))
        if not game.screen.framebuffer:
            raise Failure("no framebuffer to take the pictures from: run under cmake/with-xvfb")
        take_pictures(game, out)
    for name in PICTURES:
        print(os.path.join(out, name))
    return 0


def take_pictures(game, out):
    caught = set()

    def catcher(side):
        def on_step(step, game):
            for name, moment in MOMENTS.items():
                if moment == (side, step) and name not in caught:
                    game.grab_frame().save_png(os.path.join(out, name))
                    caught.add(name)
        return on_step

    game.start()
    try:
        game.wait_window(60)
        game.settled(quiet=0.5)
        game.grab_frame().save_png(os.path.join(out, "start.png"))
        levels_shot(game, os.path.join(out, "levels.png"))
        exit_question(game, os.path.join(out, "exit.png"))
        # The press also gives the window back the keyboard, which the exit
        # question leaves with no window.
        game.press_and_see(lambda: game.press_button("play"), 3, '"GIOCA"')
        player = KeyboardPlayer(game, log=lambda text: None, on_pc_step=catcher("pc"),
                                on_player_step=catcher("player"))
        board = game.board(game.settled())
        player_begins = True
        for hand in range(HANDS_TO_TRY):
            board = player.play_hand(player_begins, board)
            if caught == set(MOMENTS):
                break
            game.press_and_see(lambda: game.press_button("continue"), 3, '"Continua"')
            board = game.board(game.settled())
            player_begins = not player_begins
            if not board.shown(PLAYER_HAND):
                # The match is over: the next one, begun by the player.
                game.press_and_see(lambda: game.press_button("play"), 3, '"GIOCA"')
                board = game.board(game.settled())
                player_begins = True
        missing = sorted(set(MOMENTS) - caught)
        if missing:
            raise Failure("in %d hands no moment for %s" % (HANDS_TO_TRY, ", ".join(missing)))
        game.settled(quiet=0.5)
        game.grab_frame().save_png(os.path.join(out, "score.png"))
        rules_shot(game, os.path.join(out, "rules.png"))
        about_shot(game, os.path.join(out, "about.png"))
        close(game)
    finally:
        game.kill()


def ask_exit(game):
    """Presses "Chiudi" and returns the geometry of the question it opens."""
    game.press_button("close")
    wait_for(lambda: find_windows(EXIT_TITLE), 5, "exit question")
    return window_geometry(find_windows(EXIT_TITLE)[0])


def exit_question(game, path):
    """Takes the window with the exit question over it, and answers "No": Tab
    moves the focus from "S\u00ec" to it, space presses it."""
    boxes = (game.frame, ask_exit(game))
    left, top = min(b[0] for b in boxes), min(b[1] for b in boxes)
    right, bottom = max(b[0] + b[2] for b in boxes), max(b[1] + b[3] for b in boxes)
    game.screen.picture(left, top, right - left, bottom - top, quiet=0.5).save_png(path)
    subprocess.run(["xdotool", "key", "--delay", "100", "Tab", "space"], check=True, timeout=20)
    wait_for(lambda: not find_windows(EXIT_TITLE), 5, "end of the exit question after No")
    game.settled(quiet=0.3)


def close(game):
    """Closes the program as a player does: "Chiudi" answered "S\u00ec" (it has
    the focus); it must end with exit code 0."""
    ask_exit(game)
    time.sleep(0.3)
    subprocess.run(["xdotool", "key", "space"], check=True, timeout=20)
    code = game.wait_exit(20)
    if code != 0:
        raise Failure('"Chiudi" answered "S\u00ec" ended the program with exit code %d' % code)


if __name__ == "__main__":
    try:
        sys.exit(main())
    except Failure as failure:
        print("screenshots: %s" % failure)
        sys.exit(1)
