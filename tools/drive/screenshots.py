"""Pictures of the running program for the documentation, each cropped to the game
window with its frame: the start, a hand in play with the PC's capture raised
(caught while the PC shows it, playing hands until the PC captures), the score
panel at the end of that hand, and the rules window that "?", "Guida" opens over
it."""

import argparse
import os
import sys
import time

from lurnawindow import Failure, Game, find_windows, window_geometry
from lurnaplay import HandPlayer

HANDS_TO_TRY = 4
RULES_TITLE = "Regole del gioco"


def wait_for(test, timeout, what):
    deadline = time.monotonic() + timeout
    while not test():
        if time.monotonic() > deadline:
            raise Failure("no %s within %.0f s" % (what, timeout))
        time.sleep(0.05)


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
    fx, fy, fwidth, fheight = game.frame
    box_left, box_top = min(fx, left), min(fy, top)
    box_right, box_bottom = max(fx + fwidth, left + width), max(fy + fheight, top + height)
    game.screen.grab(box_left, box_top, box_right - box_left, box_bottom - box_top).save_png(path)
    border = (width - 560) // 2
    game.screen.click(left + border + 280, top + height - border - 420 + 383 + 12)
    wait_for(lambda: not find_windows(RULES_TITLE), 5, "rules window closed by its OK")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--tree", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    out = os.path.abspath(args.out)
    game = Game(args.tree)
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
    finally:
        game.kill()
    for name in ("start.png", "pc-capture.png", "score.png", "rules.png"):
        print(os.path.join(out, name))
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except Failure as failure:
        print("screenshots: %s" % failure)
        sys.exit(1)
