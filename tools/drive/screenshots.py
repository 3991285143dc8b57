"""Pictures of the running program for the documentation, each cropped to the game
window with its frame: the start, a hand in play with the PC's capture raised
(caught while the PC shows it, playing hands until the PC captures), the score
panel at the end of that hand, the rules window that "?", "Guida" opens over it,
the About window that "Info" opens,
and the exit question that "Chiudi" asks (at the start, answered No).

The game runs as scripts/play starts it (wine-play, in Italian, on the test
prefix), and the pictures come from the X server's framebuffer, which shows the
question box painted (cmake/with-xvfb provides it)."""

import argparse
import os
import subprocess
import sys
import tempfile
import time

from lurnawindow import Failure, Game, find_windows, window_geometry
from lurnaplay import HandPlayer
from playwrapper import play_wrapper_on_test_prefix

HANDS_TO_TRY = 4
EXIT_TITLE = "Uscita"
RULES_TITLE = "Regole del gioco"
ABOUT_TITLE = "Info..."
PICTURES = ("start.png", "pc-capture.png", "score.png", "rules.png", "about.png", "exit.png")


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
    """Opens the rules from the menu bar with the mouse ("?" is its second title,
    "Guida" the first item under it), takes the picture of the game window and
    the rules window (centred on the screen) together, and closes the rules with
    their OK button (80 x 25, centred, 37 pixels above the bottom of the 560 x
    420 client area)."""
    x, y = game.origin
    game.screen.click(x + 42, y - 9)
    time.sleep(0.5)
    game.screen.click(x + 60, y + 10)
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
    captured = []

    def on_pc_step(step, game):
        if step == "capture" and not captured:
            game.grab_frame().save_png(os.path.join(out, "pc-capture.png"))
            captured.append(True)

    game.start()
    try:
        game.wait_window(60)
        game.settled(quiet=0.5)
        game.grab_frame().save_png(os.path.join(out, "start.png"))
        exit_question(game, os.path.join(out, "exit.png"))
        game.press_and_see(lambda: game.press_button("play"), 3, '"GIOCA"')
        player = HandPlayer(game, log=lambda text: None, on_pc_step=on_pc_step)
        board = game.board(game.settled())
        player_begins = True
        for hand in range(HANDS_TO_TRY):
            board = player.play_hand(player_begins, board)
            if captured:
                break
            game.press_and_see(lambda: game.press_button("continue"), 3, '"Continua"')
            board = game.board(game.settled())
            if not board.shown(range(20)):
                raise Failure("the match ended before the PC captured")
            player_begins = not player_begins
        if not captured:
            raise Failure("no PC capture in %d hands" % HANDS_TO_TRY)
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
