"""A whole match on the real LurnaGame.exe under Wine played with the keyboard
alone (real key events through XTest; no mouse at all), checked from the
pixels after every key: F2 held down deals once; at each of the player's turns
H (now and then "Suggerimento" from the menu "?") shows the coach's move, which
must be one the rules allow, and the player makes it with a digit key (on the
main keys and, NumLock on, on the numeric pad) and, when table cards are
picked, with the arrows or Tab to move the focus frame, each step to the next
or previous table card, and Enter or Space to press the framed card; the
chosen card stands raised meanwhile, and the frame starts on the first table
card a capture takes and goes when the capture is made. Keys sent
while the PC moves must do nothing; so must H while picking, the key of an
empty hand place, and the game's keys under the rules window (F1, closed with
Escape). Enter and Space press "Continua" until the match ends with
"Hai vinto!!" or "Hai perso..", which the status line must then read. Then the
exit question (Alt+F4): the game's keys change nothing under it, its No by key
leaves the game as it was, and the keys must reach the game again (F2 deals and
abandons); Alt+F4 answered Yes must end it with exit code 0. The question
comes after the match so that a window left deaf to the keys cannot cut the
match short. Pictures are saved under <tree>/e2e/keyboard/.

Fails on a crash, a hang (every wait is bounded), a key that must change the
screen and does not, one that must not and does, a board that is not what the
move must leave, or a focus frame not drawn in the colours the game sets."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "drive"))

from lurnawindow import (FRAME_DARK, FRAME_GOLD, PC_HAND, PLAYER_HAND, POSITIONS, STOCK,  # noqa: E402
                         TABLE_ROW, TITLE, Failure, Game, find_windows, window_geometry)
from lurnaplay import NO_CHANGE_WAIT, HOLD, KeyboardPlayer, send_keys  # noqa: E402
from italian import window_texts  # noqa: E402
from session import EXIT_TITLE, run_from_command_line, wait_for_window, wait_gone  # noqa: E402

RULES_TITLE = "Regole del gioco"
OUTCOMES = ("Hai vinto!!", "Hai perso..")
PICKING_STATUS = "Selezionare le carte dal tavolo"
# The game's keys, sent while another window is over the game: none may reach it.
KEYS_UNDER_A_WINDOW = ("1", "h", "F2")
# A match to 11 points takes 3 to 6 hands: one that goes on past this is stuck.
MAX_HANDS = 12


class KeyboardSession:
    def __init__(self, tree, out):
        self.tree = os.path.abspath(tree)
        self.out = out
        os.makedirs(out, exist_ok=True)
        self.game = Game(tree, os.path.join(out, "wine.log"))
        self.faults = []
        self.shots = {}
        self.player = None
        self.status_checked = False

    def log(self, text):
        print("%6.1f s  %s" % (time.monotonic() - self.t0, text), flush=True)

    def fault(self, text):
        self.faults.append(text)
        self.log("FAULT: " + text)

    def save(self, name):
        path = os.path.join(self.out, name)
        self.game.grab_frame().save_png(path)
        self.shots[name] = path

    def save_with(self, window, name):
        """The game window and another one over it, as the screen shows them."""
        boxes = [self.game.frame, window_geometry(window)]
        left, top = min(b[0] for b in boxes), min(b[1] for b in boxes)
        right, bottom = max(b[0] + b[2] for b in boxes), max(b[1] + b[3] for b in boxes)
        path = os.path.join(self.out, name)
        self.game.screen.picture(left, top, right - left, bottom - top).save_png(path)
        self.shots[name] = path

    def texts(self):
        """The texts of the game window's controls, the status line's among them."""
        return [text for _, text in window_texts(self.tree, TITLE)]

    def run(self):
        self.t0 = time.monotonic()
        game = self.game
        game.start()
        game.wait_window(60)
        self.log("window %r: client area at %s" % (TITLE, game.origin))
        self.take_focus()
        # The numeric pad's digits, as a person's with NumLock on.
        send_keys("Num_Lock")
        # The PC's level when one is asked for (LURNA_E2E_LEVEL=esperto, say),
        # chosen as a person would, by the keys of the menu "Livello".
        level = os.environ.get("LURNA_E2E_LEVEL")
        if level:
            send_keys("alt+l", level[0])
            self.log("the PC's level: %s, from the menu" % level)
        board = game.board(game.settled())
        if any(board.cards[p].face_up for p in range(POSITIONS)):
            raise Failure("at the start every card shows its back: %r" % board)
        board = self.deal_with_f2_held()
        self.player = KeyboardPlayer(game, log=self.log, on_pc_step=self.on_pc_step,
                                     on_player_step=self.on_player_step, numpad=True)
        hands, _ = self.play_match(board)
        self.check_match_over(hands)
        if not self.player.pickings:
            self.another_match_until_picking()
        self.check_totals()
        self.exit_question_answered_no()
        if self.keys_reach_the_game():
            self.close_answering_yes()

    def play_match(self, board, stop=None):
        """Plays the match dealt on board, begun by the player, to its end; or, when
        stop() holds at a player's turn, up to then. Returns the hands begun and
        the board where it stopped (None at the end of the match)."""
        player = self.player
        player_begins, hands = True, 0
        while True:
            hands += 1
            if hands > MAX_HANDS:
                raise Failure("the match goes on after %d hands" % MAX_HANDS)
            board = player.play_hand(player_begins, board, stop)
            if not board.report_shown:
                return hands, board
            self.log("hand %d over: %d player moves (%d picked by keys, %d beeps), %d keys sent"
                     % (hands, player.player_moves, player.pickings, player.beeps, player.keys_sent))
            if "score.png" not in self.shots:
                self.save("score.png")
            covered = board.report_covered()
            if covered:
                self.fault("the score panel does not show wholly: green at client %s inside its square" % (covered,))
            board = self.continue_by_key(("Return", "space")[hands % 2], player)
            if board is None:
                return hands, None
            player_begins = not player_begins

    def another_match_until_picking(self):
        """Moves that leave a choice of table cards are rare enough that a match may
        have none: then a new match, by F2, up to the first, and F2 abandons it."""
        game = self.game
        self.log("no move of the match left a choice of table cards: F2, and a match up to the first that does")
        game.press_and_see(lambda: send_keys("F2"), 3, "F2 after the match")
        board = game.board(game.settled())
        self.player.check_deal(board, 1)
        hands, board = self.play_match(board, stop=lambda: self.player.pickings > 0)
        if board is None:
            self.fault("no move of two matches left a choice of table cards: the keys that pick were not tried")
            return
        game.press_and_see(lambda: send_keys("F2"), 3, 'F2 on "ABBANDONA"')
        board = game.board(game.settled())
        if any(board.cards[p].number != 0 for p in PC_HAND + PLAYER_HAND + TABLE_ROW + (STOCK,)):
            raise Failure('"ABBANDONA" by F2 must leave every card place showing the back: %r' % board)
        self.log("F2 abandoned the second match after %d hands" % hands)

    def take_focus(self):
        """Keys go to the window with the X input focus: the game's, once shown."""
        focus = subprocess.run(["xdotool", "getwindowfocus"], capture_output=True, text=True, timeout=20).stdout
        if focus.strip() != str(self.game.window):
            subprocess.run(["xdotool", "windowfocus", "--sync", str(self.game.window)], check=True, timeout=20)
            self.log("gave the game window the input focus")

    # -- the match --

    def deal_with_f2_held(self):
        """F2 held down for a while: the first press deals, the auto-repeat presses
        nothing (another press would abandon the match, a third deal anew)."""
        game = self.game
        before = game.grab()
        subprocess.run(["xdotool", "keydown", "F2"], check=True, timeout=20)
        try:
            if game.wait_change(before, 3) is None:
                raise Failure("F2 did not deal")
            dealt = game.board(game.settled(quiet=0.15))
            looks = [c.look for c in dealt.cards]
            deadline = time.monotonic() + HOLD
            while time.monotonic() < deadline:
                now = game.board()
                if [c.look for c in now.cards] != looks:
                    raise Failure("F2 held down changed the table after the deal: %r -> %r" % (dealt, now))
        finally:
            subprocess.run(["xdotool", "keyup", "F2"], check=True, timeout=20)
        after = game.board(game.settled())
        if [c.look for c in after.cards] != looks:
            raise Failure("F2 held down changed the table after the deal: %r -> %r" % (dealt, after))
        self.save("dealt.png")
        self.log("F2 held for %.1f s dealt once: %r" % (HOLD, after))
        return after

    def on_pc_step(self, step, game):
        if step == "capture" and "pc-capture.png" not in self.shots:
            self.save("pc-capture.png")

    def on_player_step(self, step, game):
        player = self.player
        if step == "turn" and player.player_moves == 0:
            self.rules_under_keys()
        elif step == "suggestion" and "coach.png" not in self.shots:
            self.save("coach.png")
        elif step == "chosen" and not self.status_checked:
            self.status_checked = True
            if PICKING_STATUS not in self.texts():
                self.fault("the status line does not read %r while table cards are picked: %s"
                           % (PICKING_STATUS, self.texts()))
        elif step == "picking" and "picking.png" not in self.shots:
            self.save("picking.png")

    def rules_under_keys(self):
        """F1 opens the rules; the game's keys do nothing under them; Escape closes
        them and the game is as it was."""
        game = self.game
        before = game.board(game.settled())
        send_keys("F1")
        wait_for_window(game, RULES_TITLE, 5)
        time.sleep(0.3)
        send_keys(*KEYS_UNDER_A_WINDOW)
        time.sleep(NO_CHANGE_WAIT)
        if not find_windows(RULES_TITLE):
            raise Failure("the rules window closed at the keys %s" % (KEYS_UNDER_A_WINDOW,))
        send_keys("Escape")
        wait_gone(game, RULES_TITLE, 5, "the rules window after Escape")
        after = game.board(game.settled())
        same_board(before, after, "F1, the keys %s under the rules and Escape" % (KEYS_UNDER_A_WINDOW,))
        self.log("F1 opened the rules; %s under them did nothing; Escape closed them" % (KEYS_UNDER_A_WINDOW,))

    def continue_by_key(self, key, player):
        """The key on the score panel: the next hand, checked as dealt, or None when
        the match is over (no hand dealt)."""
        game = self.game
        before = game.grab()
        send_keys(key)
        if game.wait_change(before, 3) is None:
            raise Failure('%s did not press "Continua" on the score panel' % key)
        board = game.board(game.settled())
        if board.report_shown:
            raise Failure("the score panel stays after %s" % key)
        if not board.shown(PLAYER_HAND):
            self.log('%s pressed "Continua": the match is over' % key)
            return None
        player.check_deal(board, 1)
        self.log('%s pressed "Continua": a new hand %r' % (key, board))
        return board

    def check_match_over(self, hands):
        texts = self.texts()
        outcome = [t for t in texts if t in OUTCOMES]
        if len(outcome) != 1:
            raise Failure("after the last hand the status line reads none of %s: %s" % (OUTCOMES, texts))
        if "GIOCA" not in texts:
            raise Failure('the play button does not read "GIOCA" at the end of the match: %s' % texts)
        self.save("match-over.png")
        player = self.player
        self.log("the match is over after %d hands: %r; %d player moves, %d suggestions (%d from the menu, %d "
                 "followed), %d picked by keys, %d focus moves, %d empty hand places pressed, %d keys sent"
                 % (hands, outcome[0], player.player_moves, player.suggestions, player.suggestions_by_menu,
                    player.suggestions_followed, player.pickings, player.focus_moves, player.empty_place_presses,
                    player.keys_sent))

    def check_totals(self):
        """What the match had to show: the coach from the menu and the frame in the
        game's colours."""
        player = self.player
        if not player.suggestions_by_menu:
            self.fault('"Suggerimento" from the menu was never used')
        wrong = [c for c in player.frame_colours if c != (FRAME_DARK, FRAME_GOLD)]
        if wrong:
            self.fault("the focus frame shows lines %s with a band %s, not lines %s with a band %s"
                       % (wrong[0][0], wrong[0][1], FRAME_DARK, FRAME_GOLD))

    # -- the end --

    def exit_question_answered_no(self):
        """Alt+F4 asks the exit question; the game's keys change nothing under it,
        and its No, by key, leaves the game as it was."""
        game = self.game
        before = game.board(game.settled())
        send_keys("alt+F4")
        box = wait_for_window(game, EXIT_TITLE, 5)
        time.sleep(0.3)
        self.save_with(box, "exit.png")
        send_keys(*KEYS_UNDER_A_WINDOW)
        time.sleep(NO_CHANGE_WAIT)
        if box not in find_windows(EXIT_TITLE):
            raise Failure("the exit question went at the keys %s" % (KEYS_UNDER_A_WINDOW,))
        # "n" is the mnemonic of its No, in Italian and in English alike.
        send_keys("n")
        wait_gone(game, EXIT_TITLE, 5, "the exit question after its key n")
        game.check_running()
        after = game.board(game.settled())
        same_board(before, after, "Alt+F4, the keys %s under the exit question and No" % (KEYS_UNDER_A_WINDOW,))
        self.log("Alt+F4 asked the exit question; %s under it did nothing; n answered No"
                 % (KEYS_UNDER_A_WINDOW,))

    def keys_reach_the_game(self):
        """After the question the game window hears the keys again: F2 deals a new
        match and F2 again abandons it."""
        game = self.game
        before = game.grab()
        send_keys("F2")
        if game.wait_change(before, 3) is None:
            self.fault("after the exit question is answered No the game window hears no key: F2 deals nothing")
            return False
        board = game.board(game.settled())
        if len(board.shown(PLAYER_HAND)) != 3 or not all(board.cards[p].face_up for p in PLAYER_HAND):
            raise Failure("F2 after the match did not deal a new one: %r" % board)
        before = game.grab()
        send_keys("F2")
        if game.wait_change(before, 3) is None:
            raise Failure('F2 did not press "ABBANDONA"')
        board = game.board(game.settled())
        main = PC_HAND + PLAYER_HAND + TABLE_ROW + (STOCK,)
        if any(board.cards[p].number != 0 for p in main):
            raise Failure('"ABBANDONA" by F2 must leave every card place showing the back: %r' % board)
        self.log("F2 dealt a new match and F2 abandoned it")
        return True

    def close_answering_yes(self):
        game = self.game
        send_keys("alt+F4")
        wait_for_window(game, EXIT_TITLE, 5)
        time.sleep(0.3)
        # Its Yes has the focus.
        send_keys("Return")
        code = game.wait_exit(20)
        self.log("Alt+F4 answered Yes by Enter: the program ended with exit code %d" % code)
        if code != 0:
            raise Failure("exit code %d, not 0" % code)
        if find_windows(TITLE):
            raise Failure("the game window is still on the screen after the program ended")


def same_board(before, after, what):
    for p in range(POSITIONS):
        a, b = before.cards[p], after.cards[p]
        if (a.offset, a.look, a.frame) != (b.offset, b.look, b.frame):
            raise Failure("%s changed the table at position %d: %r -> %r" % (what, p, before, after))


def main():
    return run_from_command_line(
        lambda tree: KeyboardSession(tree, os.path.join(os.path.abspath(tree), "e2e", "keyboard")))


if __name__ == "__main__":
    sys.exit(main())
