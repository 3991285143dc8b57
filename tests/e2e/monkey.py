"""A monkey on the real LurnaGame.exe under Wine: for a bounded time, random real
mouse presses anywhere in the window (the menu bar included) and random keys,
half of them the game's own (the hand cards' digits, H for the coach, F1, F2,
Enter, Space, Tab, the arrows and Escape), with the exit question answered No
whenever it shows, and the About window and the rules window closed by their
OK now and then. Whenever the screen is quiet and no other window lies on the
table, what it shows must be cards of the game, each face at most once. At the
end the program must still answer a message sent to its window, and "Chiudi"
answered Yes must end it with exit code 0.

Web pages and mail the game would open go to a stand-in for xdg-open that only
writes down what it was asked, so no browser starts. Reproducible in what it
sends by its seed (the program's own timing still varies); a failure prints
the seed and the event number."""

import argparse
import os
import random
import stat
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "drive"))

from lurnawindow import (CLIENT_HEIGHT, CLIENT_WIDTH, POSITIONS, TITLE,  # noqa: E402
                         Failure, Game, find_windows, window_geometry)
from session import about_ok_centre, rules_ok_centre  # noqa: E402

EXIT_TITLE = "Uscita"
ABOUT_TITLE = "Info..."
RULES_TITLE = "Regole del gioco"
CRASH_TITLES = ("Program Error", "Errore del programma")
# Keys a person might hit: letters, digits, the dialog keys, the menu keys and
# their mnemonics, arrows, function keys, and the system's close shortcut. The
# window's system menu (alt+space) is left out: its Minimize, Move and Size
# would take the window from under the presses, and are the system's, not the
# game's.
KEYS = (list("abcdefghijklmnopqrstuvwxyz0123456789")
        + ["Return", "space", "Tab", "Escape", "BackSpace", "Delete", "Up", "Down", "Left", "Right",
           "Home", "End", "Prior", "Next", "F1", "F2", "F5", "F10", "Menu", "alt+f", "alt+e",
           "alt+question", "alt+g", "alt+h", "alt+F4", "ctrl+c", "shift+Tab"])
# The keys the game plays with: the hand cards, the coach, the rules, the play
# button, "Continua" or the framed table card, the focus frame, and Escape, which
# closes the rules and the About window. Half the monkey's keys are these.
GAME_KEYS = ["1", "2", "3", "h", "F1", "F2", "Return", "space", "Tab", "Left", "Right", "Escape"]
# After an event, how long a window it may have opened (the exit question, the
# About window, the rules, a menu) is given to show before the next event.
SETTLE = 0.4
ANSWER_EVERY = 10.0


class Monkey:
    def __init__(self, tree, seconds, seed, out):
        self.tree = os.path.abspath(tree)
        self.seconds = seconds
        self.seed = seed
        self.random = random.Random(seed)
        self.out = out
        os.makedirs(out, exist_ok=True)
        self.game = Game(tree, os.path.join(out, "wine.log"))
        self.events = 0
        self.counts = {"presses": 0, "keys": 0, "game keys": 0, "questions": 0, "About OK": 0, "rules OK": 0,
                       "checks skipped under a window": 0, "checks": 0, "checks in play": 0}
        self.opened = os.path.join(out, "opened.txt")

    def log(self, text):
        print("%6.1f s  %s" % (time.monotonic() - self.t0, text), flush=True)

    def run(self):
        self.t0 = time.monotonic()
        self.game.start()
        self.game.wait_window(60)
        self.log("window found; seed %d, %.0f s of events" % (self.seed, self.seconds))
        deadline = time.monotonic() + self.seconds
        last_answer = time.monotonic()
        while time.monotonic() < deadline:
            self.events += 1
            self.answer_windows()
            self.event()
            time.sleep(SETTLE)
            self.answer_windows()
            if window_geometry(self.game.window) != self.game.frame:
                raise Failure("the game window moved or changed its size: %s, was %s"
                              % (window_geometry(self.game.window), self.game.frame))
            if self.random.random() < 0.2:
                self.check_table()
            if time.monotonic() - last_answer > ANSWER_EVERY:
                self.check_answers()
                last_answer = time.monotonic()
        self.log("%d events: %s" % (self.events, ", ".join("%d %s" % (n, k) for k, n in self.counts.items())))
        self.finish()

    # -- the events --

    def event(self):
        about = find_windows(ABOUT_TITLE)
        rules = find_windows(RULES_TITLE)
        if about and self.random.random() < 0.5:
            self.game.screen.click(*about_ok_centre(*window_geometry(about[0])))
            self.counts["About OK"] += 1
        elif rules and self.random.random() < 0.5:
            self.game.screen.click(*rules_ok_centre(*window_geometry(rules[0])))
            self.counts["rules OK"] += 1
        elif self.random.random() < 0.65:
            self.press()
        else:
            self.key()

    def press(self):
        """A press on a card place or a button, anywhere in the client area, or on
        the menu bar."""
        game = self.game
        x, y, width, _ = game.frame
        choice = self.random.random()
        if choice < 0.5:
            names = list(game.layout.buttons)
            target = self.random.choice(names + list(range(POSITIONS)))
            if target in names:
                game.press_button(target)
            else:
                game.click_client(*game.layout.card_centre(target))
            self.counts["presses"] += 1
            return
        if choice < 0.55:
            menu_top = game.origin[1] - 18
            px, py = self.random.randrange(game.origin[0], x + width - 4), menu_top + 9
        else:
            px = game.origin[0] + self.random.randrange(CLIENT_WIDTH)
            py = game.origin[1] + self.random.randrange(CLIENT_HEIGHT)
        game.screen.click(px, py)
        self.counts["presses"] += 1

    def key(self):
        game_key = self.random.random() < 0.5
        key = self.random.choice(GAME_KEYS if game_key else KEYS)
        subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True, timeout=20)
        self.counts["game keys" if game_key else "keys"] += 1

    # -- what the events open --

    def answer_windows(self):
        """Fails on a crash window; answers the exit question No."""
        for title in CRASH_TITLES:
            if find_windows(title):
                raise Failure("Wine reports a crash (a %r window is open)" % title)
        self.game.check_running()
        for box in find_windows(EXIT_TITLE):
            self.counts["questions"] += 1
            self.answer_no(box)

    def answer_no(self, box):
        # A key of the monkey's may have moved the focus inside the box, so No
        # is pressed with the mouse rather than reached with Tab.
        x, y, width, height = window_geometry(box)
        time.sleep(0.2)
        self.game.screen.click(*no_button_centre(x, y, width, height))
        deadline = time.monotonic() + 5
        while box in find_windows(EXIT_TITLE):
            if time.monotonic() > deadline:
                raise Failure("the exit question stays open after No")
            time.sleep(0.05)

    def check_table(self):
        """At a quiet moment with no other window on the table: every card shown
        is one of the game's pictures, and no face shows twice."""
        if find_windows(ABOUT_TITLE) or find_windows(RULES_TITLE):
            self.counts["checks skipped under a window"] += 1
            return
        try:
            picture = self.game.settled(quiet=0.1, timeout=2)
        except Failure:
            return  # the PC is moving: the next quiet moment will do
        if find_windows(ABOUT_TITLE) or find_windows(RULES_TITLE) or find_windows(EXIT_TITLE):
            return
        board = self.game.board(picture)
        seen = {}
        for p in range(POSITIONS):
            card = board.cards[p]
            if not card.shown or board.under_report(p):
                continue
            if card.number is None:
                raise Failure("position %d shows a picture that is no card: %r" % (p, board))
            if card.number and card.number in seen:
                raise Failure("card %d shows at positions %d and %d: %r" % (card.number, seen[card.number], p, board))
            seen[card.number] = p
        self.counts["checks"] += 1
        if len(seen) > 1:
            self.counts["checks in play"] += 1

    def check_answers(self):
        """A message sent to the game window returns."""
        answers = os.path.join(self.tree, "tools", "answers", "window-answers.exe")
        result = subprocess.run([os.path.join(self.tree, "wine-run"), answers, TITLE],
                                capture_output=True, text=True, timeout=60)
        if result.returncode != 0:
            raise Failure("the game window does not answer a message: %s" % result.stdout.strip())

    # -- the end --

    def finish(self):
        game = self.game
        # Whatever the monkey left open (a menu, the About window, the rules) is
        # closed first.
        for _ in range(3):
            subprocess.run(["xdotool", "key", "Escape"], check=True, timeout=20)
            time.sleep(0.2)
            self.answer_windows()
        for window in find_windows(ABOUT_TITLE) + find_windows(RULES_TITLE):
            subprocess.run(["xdotool", "windowclose", str(window)], check=False, timeout=20)
        self.check_answers()
        self.log("the game window answers a message")
        game.press_button("close")
        deadline = time.monotonic() + 5
        while not find_windows(EXIT_TITLE):
            game.check_running()
            if time.monotonic() > deadline:
                raise Failure('"Chiudi" did not ask the exit question')
            time.sleep(0.05)
        time.sleep(0.3)
        box = find_windows(EXIT_TITLE)[0]
        game.screen.click(*yes_button_centre(*window_geometry(box)))
        code = game.wait_exit(20)
        self.log('"Chiudi", Yes: exit code %d' % code)
        if code != 0:
            raise Failure("exit code %d, not 0" % code)


def no_button_centre(x, y, width, height):
    """Wine's question box puts Yes and No side by side, centred, 28 px above its
    foot, their centres 42 px either side of the middle."""
    return x + width // 2 + 42, y + height - 28


def yes_button_centre(x, y, width, height):
    return x + width // 2 - 42, y + height - 28


def stand_in_browser(folder, record):
    """A directory with xdg-open and xdg-email that only write down their argument."""
    for name in ("xdg-open", "xdg-email"):
        path = os.path.join(folder, name)
        with open(path, "w") as f:
            f.write('#!/bin/sh\necho "%s $*" >> "%s"\n' % (name, record))
        os.chmod(path, os.stat(path).st_mode | stat.S_IEXEC)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--tree", required=True, help="the Windows build tree, e.g. build/win64")
    parser.add_argument("--seconds", type=float, default=60.0)
    parser.add_argument("--seed", type=int, default=int(os.environ.get("LURNA_MONKEY_SEED", "20261209")))
    args = parser.parse_args()
    if not os.environ.get("DISPLAY"):
        print("no X display: run under xvfb-run (scripts/test does)")
        return 1
    if os.environ.get("LURNA_LONG_TESTS") == "1":
        args.seconds *= 10
    monkey = Monkey(args.tree, args.seconds, args.seed, os.path.join(os.path.abspath(args.tree), "monkey"))
    with tempfile.TemporaryDirectory() as folder:
        stand_in_browser(folder, monkey.opened)
        os.environ["PATH"] = folder + os.pathsep + os.environ["PATH"]
        try:
            monkey.run()
        except Failure as failure:
            print("FAILED at event %d of seed %d: %s" % (monkey.events, args.seed, failure), flush=True)
            try:
                width, height = map(int, subprocess.check_output(["xdotool", "getdisplaygeometry"],
                                                                 text=True).split())
                monkey.game.screen.picture(0, 0, width, height).save_png(os.path.join(monkey.out, "failure.png"))
            except Exception as error:  # the picture is a help, not the verdict
                print("(no failure picture: %s)" % error)
            return 1
        finally:
            monkey.game.kill()
    if os.path.exists(monkey.opened):
        with open(monkey.opened) as f:
            print("asked to open: %s" % "; ".join(line.strip() for line in f))
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
