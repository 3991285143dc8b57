"""A person's session on the real LurnaGame.exe under Wine, driven with real mouse
presses and keys on the X screen and checked from the pixels after every event:
"GIOCA", a whole hand to the score panel with the PC's paced moves between the
presses, "Continua" and the next hand, begun by the PC, to its end, "Info" and
its OK, "Chiudi" answered No, a double-click on "Continua" that must deal the
third hand and play none of the player's cards, a move to show the game goes
on, then "Chiudi" answered Yes and the exit code. Pictures of each stage are saved under <tree>/e2e/.

Fails on a crash, a hang (every wait is bounded), a press that must change the
screen and does not, a board that is not what the move must leave, the score
panel not wholly shown, or an exit code other than 0."""

import argparse
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "drive"))

from lurnawindow import (PC_HAND, PLAYER_HAND, POSITIONS, STOCK, TABLE_ROW,  # noqa: E402
                         TITLE, Failure, Game, find_windows, window_geometry)
from lurnaplay import HandPlayer, NO_CHANGE_WAIT  # noqa: E402

ABOUT_TITLE = "Info..."
EXIT_TITLE = "Uscita"
# Between the two clicks of a double-click: well inside the system's 500 ms, and
# long enough for the first click to take the score panel away.
DOUBLE_CLICK_GAP = 0.15


class Session:
    def __init__(self, tree, out):
        self.out = out
        os.makedirs(out, exist_ok=True)
        self.game = Game(tree, os.path.join(out, "wine.log"))
        self.faults = []
        self.shots = {}

    def log(self, text):
        print("%6.1f s  %s" % (time.monotonic() - self.t0, text), flush=True)

    def save(self, name, picture):
        path = os.path.join(self.out, name)
        picture.save_png(path)
        self.shots[name] = path

    def save_screen_around(self, name, *windows):
        """The part of the screen that holds the game window and the given ones."""
        boxes = [self.game.frame] + [window_geometry(w) for w in windows]
        left = min(b[0] for b in boxes)
        top = min(b[1] for b in boxes)
        right = max(b[0] + b[2] for b in boxes)
        bottom = max(b[1] + b[3] for b in boxes)
        self.save(name, self.game.screen.picture(left, top, right - left, bottom - top))

    def run(self):
        self.t0 = time.monotonic()
        game = self.game
        game.start()
        game.wait_window(60)
        self.log("window %r: frame %s, client area at %s, laid out for %dx%d" % (
            TITLE, game.frame, game.origin, game.layout.width, game.layout.height))
        self.check_start()
        board = self.start_match()
        player = HandPlayer(game, log=self.log, on_pc_step=self.on_pc_step)
        board = player.play_hand(True, board)
        self.log_hand(player)
        self.check_report(board)
        # The next hand, begun by the PC, to its end.
        board = self.press_continue(player)
        board = player.play_hand(False, board)
        self.log_hand(player)
        self.check_report(board, "score-2.png")
        self.about(board)
        self.exit_answered_no(board)
        # The third hand is the player's to begin: "Continua" lies over the
        # player's hand, and a double-click on it must deal and play nothing.
        board = self.double_click_continue(player)
        board = player.player_move(board)
        board = player.pc_move(board, since=player.pressed_at)
        self.log("the game goes on after the exit question and the double-click: %r" % board)
        self.exit_answered_yes()

    def log_hand(self, player):
        self.log("so far %d player moves (%d with table picks, %d presses that beeped) and %d PC moves" % (
            player.player_moves, player.pickings, player.beeps, len(player.pc_moves)))

    def check_start(self):
        board = self.game.board(self.game.settled())
        self.save("start.png", self.game.grab_frame())
        main = PC_HAND + PLAYER_HAND + TABLE_ROW + (STOCK,)
        for p in range(POSITIONS):
            card = board.cards[p]
            if p in main and (card.offset != 0 or card.number != 0):
                raise Failure("at the start every card place shows the back in its place: %r" % board)
            if p not in main and card.shown:
                raise Failure("at the start the second table row is empty: %r" % board)
        if board.report_shown:
            raise Failure("the score panel is shown at the start")
        self.log("start: %r" % board)

    def start_match(self):
        game = self.game
        game.press_and_see(lambda: game.press_button("play"), 3, '"GIOCA"')
        board = game.board(game.settled())
        self.save("dealt.png", game.grab_frame())
        self.log('"GIOCA": %r' % board)
        return board

    def on_pc_step(self, step, game):
        if step == "capture" and "pc-capture.png" not in self.shots:
            self.save("pc-capture.png", game.grab_frame())

    def check_report(self, board, picture="score.png"):
        self.save(picture, self.game.grab_frame())
        covered = board.report_covered()
        if covered:
            self.faults.append("the score panel does not show wholly: green at client (%d, %d) inside its square"
                               % covered)
            self.log("FAULT: " + self.faults[-1])

    def press_continue(self, player):
        game = self.game
        game.press_and_see(lambda: game.press_button("continue"), 3, '"Continua"')
        board = game.board(game.settled())
        if board.report_shown:
            raise Failure('the score panel stays after "Continua"')
        player.check_deal(board, 1)
        self.log('"Continua": a new hand: %r' % board)
        return board

    def double_click_continue(self, player):
        """A real double-click on "Continua": its first click deals the next hand,
        and the second press lands on the player's card uncovered under the
        pointer, which must stay in the hand."""
        game = self.game
        x, y = game.layout.button_centre("continue")
        before = game.grab()
        game.click_client(x, y)
        time.sleep(DOUBLE_CLICK_GAP)
        game.click_client(x, y)
        if game.wait_change(before, 3) is None:
            raise Failure('nothing changed on the screen after a double-click on "Continua"')
        # Long enough for a played card to reach the table.
        board = game.board(game.settled(quiet=NO_CHANGE_WAIT))
        if board.report_shown:
            raise Failure('the score panel stays after a double-click on "Continua"')
        if len(board.shown(PLAYER_HAND)) != 3:
            raise Failure('the second press of a double-click on "Continua" played a card: %r' % board)
        player.check_deal(board, 1)
        self.save("double-click.png", game.grab_frame())
        self.log('a double-click on "Continua": a new hand, nothing played: %r' % board)
        return board

    def about(self, board):
        game = self.game
        game.press_button("info")
        about = wait_for_window(game, ABOUT_TITLE, 5)
        time.sleep(0.3)
        self.save_screen_around("about.png", about)
        # The game window takes no input while the About window is open: a press
        # on "ABBANDONA" would clear the table.
        before = game.grab()
        game.press_button("play")
        if game.wait_change(before, NO_CHANGE_WAIT) is not None:
            raise Failure('a press on "ABBANDONA" went through while the About window was open')
        x, y, width, height = window_geometry(about)
        ok_x, ok_y = about_ok_centre(x, y, width, height)
        game.screen.click(ok_x, ok_y)
        wait_gone(game, ABOUT_TITLE, 5, "the About window after its OK")
        after = game.board(game.settled())
        self.same_board(board, after, '"Info" and its OK')
        self.log('"Info": the About window opened and closed with its OK')

    def exit_answered_no(self, board):
        game = self.game
        game.press_button("close")
        box = wait_for_window(game, EXIT_TITLE, 5)
        time.sleep(0.3)
        self.save_screen_around("exit-question.png", box)
        # Yes has the focus: Tab moves it to No, space presses it.
        subprocess.run(["xdotool", "key", "--delay", "100", "Tab", "space"], check=True)
        wait_gone(game, EXIT_TITLE, 5, "the exit question after No")
        game.check_running()
        after = game.board(game.settled())
        self.same_board(board, after, '"Chiudi" answered No')
        self.log('"Chiudi", No: the game stays as it was')

    def exit_answered_yes(self):
        game = self.game
        code = close_answering_yes(game)
        self.log('"Chiudi", Yes: the program ended with exit code %d' % code)
        if code != 0:
            raise Failure("exit code %d, not 0" % code)
        if find_windows(TITLE):
            raise Failure("the game window is still on the screen after the program ended")

    def same_board(self, before, after, what):
        """The same cards in the same places; under a score panel shown in both the
        places are not seen, and the panel's own button may show its focus."""
        if before.report_shown != after.report_shown:
            raise Failure("%s %s the score panel" % (what, "hid" if before.report_shown else "showed"))
        for p in range(POSITIONS):
            if after.under_report(p):
                continue
            a, b = before.cards[p], after.cards[p]
            if (a.offset, a.look) != (b.offset, b.look):
                raise Failure("%s changed the table at position %d: %r -> %r" % (what, p, before, after))


def about_ok_centre(x, y, width, height):
    """The About window lays itself out for the client area of a 600x300 window
    and then grows by its frame: its OK button, 80x25, stands at
    (R / 2 - 40 + 209, H - 50) for that client area W x H, with R = W - 219."""
    frame_width, frame_height = width - 600, height - 300
    client_width, client_height = 600 - frame_width, 300 - frame_height
    border = frame_width // 2
    left = (client_width - 219) // 2 - 40 + 209
    top = client_height - 50
    return x + border + left + 40, y + frame_height - border + top + 12


def rules_ok_centre(x, y, width, height):
    """The rules window has a 560x420 client area with its OK button, 80x25,
    centred 37 pixels above the bottom edge."""
    border = (width - 560) // 2
    client_top = y + height - border - 420
    return x + border + 280, client_top + 383 + 12


def close_answering_yes(game):
    """Presses "Chiudi", answers the exit question Yes (it has the focus) and
    returns the program's exit code."""
    game.press_button("close")
    wait_for_window(game, EXIT_TITLE, 5)
    time.sleep(0.3)
    subprocess.run(["xdotool", "key", "space"], check=True)
    return game.wait_exit(20)


def wait_for_window(game, title, timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        windows = find_windows(title)
        if windows:
            return windows[0]
        game.check_running()
        time.sleep(0.05)
    raise Failure("no window %r within %.0f s" % (title, timeout))


def wait_gone(game, title, timeout, what):
    deadline = time.monotonic() + timeout
    while find_windows(title):
        game.check_running()
        if time.monotonic() > deadline:
            raise Failure("%s is still open after %.0f s" % (what, timeout))
        time.sleep(0.05)


def run_from_command_line(make_session):
    """The command line of a session on the real program: --tree, an X display,
    then the session made for the tree is run; on a failure a picture of the
    whole screen is kept beside its others. Returns the exit status."""
    parser = argparse.ArgumentParser(description=sys.modules["__main__"].__doc__.splitlines()[0])
    parser.add_argument("--tree", required=True, help="the Windows build tree, e.g. build/win64")
    args = parser.parse_args()
    if not os.environ.get("DISPLAY"):
        print("no X display: run under xvfb-run (scripts/test does)")
        return 1
    session = make_session(args.tree)
    try:
        session.run()
    except Failure as failure:
        print("FAILED: %s" % failure, flush=True)
        try:
            width, height = map(int, subprocess.check_output(["xdotool", "getdisplaygeometry"], text=True).split())
            path = os.path.join(session.out, "failure.png")
            session.game.screen.picture(0, 0, width, height).save_png(path)
            print("picture failure.png: %s" % path)
        except Exception as error:  # the picture is a help, not the verdict
            print("(no failure picture: %s)" % error)
        return 1
    finally:
        session.game.kill()
    for name, path in session.shots.items():
        print("picture %s: %s" % (name, path))
    if session.faults:
        print("FAILED: %s" % "; ".join(dict.fromkeys(session.faults)))
        return 1
    print("passed")
    return 0


def main():
    return run_from_command_line(lambda tree: Session(tree, os.path.join(os.path.abspath(tree), "e2e")))


if __name__ == "__main__":
    sys.exit(main())
