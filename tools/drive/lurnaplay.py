"""Plays LurnaGame hands through its window as a person would, and checks what
every press and every paced PC step shows on the table.

The player presses a hand card; when the card stays in the hand the game wants
table cards, and the player presses shown, unmarked table cards one at a time:
each press either marks the card 10 px low or beeps and changes nothing, until
the hand card leaves. The PC then shows its card face up 10 px low, raises the
cards it takes 10 px and removes them, or lays its card."""

import time

from lurnawindow import (MOVE, PC_HAND, PLAYER_HAND, STOCK, TABLE, Failure)

# Longest quiet after a press before it counts as one that changed nothing (a beep).
NO_CHANGE_WAIT = 0.6
# The PC makes a step on the 41st tick of 20 ms: allow for a slow machine.
PC_STEP_TIMEOUT = 4.0
MOVES_IN_HAND = 36
DEALS_IN_HAND = 6


def first_free(board):
    """The table place a laid card goes to: the lowest free one."""
    return next(p for p in TABLE if not board.cards[p].shown)


class PcMove:
    """One PC move as seen on the screen, with the wall times of its steps from the
    moment the player's move was seen done (or the PC's turn began)."""

    def __init__(self):
        self.card_shown = None
        self.capture_raised = None
        self.done = None
        self.taken = []
        self.picture_raised = None  # the client area while the capture is raised


class HandPlayer:
    """Plays one hand at a time on a Game; on_pc_step(name, game) is called as each
    PC step is first seen, before the board settles (for pictures taken then)."""

    def __init__(self, game, log=print, on_pc_step=None):
        self.game = game
        self.log = log
        self.on_pc_step = on_pc_step
        self.pc_moves = []
        self.player_moves = 0
        self.pickings = 0
        self.pressed_at = None

    # -- whole hands --

    def check_deal(self, board, deal):
        """Both hands full after a deal; the table dealt four at the first deal;
        the stock shown until the last six cards are dealt."""
        if board.shown(PLAYER_HAND) != list(PLAYER_HAND) or board.shown(PC_HAND) != list(PC_HAND):
            raise Failure("deal %d: hands not both full: %r" % (deal, board))
        if any(board.cards[p].face_up for p in PC_HAND) or not all(board.cards[p].face_up for p in PLAYER_HAND):
            raise Failure("deal %d: the PC's cards must show the back, the player's their faces: %r" % (deal, board))
        if deal == 1 and board.shown(TABLE) != list(TABLE[:4]):
            raise Failure("a new hand must lay four cards in the first table places: %r" % board)
        stock_expected = deal < DEALS_IN_HAND
        if board.cards[STOCK].shown != stock_expected:
            raise Failure("deal %d: the stock is %s" % (deal, "hidden" if stock_expected else "still shown"))

    def play_hand(self, player_begins, board):
        """Plays a hand from its first deal (board) to the score panel; returns the
        board with the panel shown."""
        self.check_deal(board, 1)
        deal, moves, player_to_move = 1, 0, player_begins
        while moves < MOVES_IN_HAND:
            if board.report_shown:
                raise Failure("the score panel came after %d moves, not %d" % (moves, MOVES_IN_HAND))
            if player_to_move:
                board = self.player_move(board)
            else:
                board = self.pc_move(board, since=self.pressed_at if moves else None)
            moves += 1
            player_to_move = not player_to_move
            if moves % 6 == 0 and moves < MOVES_IN_HAND:
                deal += 1
                self.check_deal(board, deal)
        if not board.report_shown:
            raise Failure("no score panel after the hand's %d moves: %r" % (MOVES_IN_HAND, board))
        return board

    # -- the player --

    def player_move(self, board):
        game = self.game
        hand = board.shown(PLAYER_HAND)
        if not hand:
            raise Failure("the player's turn with an empty hand: %r" % board)
        position = hand[0]
        card = board.cards[position]
        game.press_and_see(lambda: self._press(position), 2.0, "pressing the hand card at position %d" % position)
        after = game.board(game.settled(quiet=0.1))
        self.player_moves += 1
        if self._left_hand(after, position, card, len(hand)):
            return self._check_player_done(board, after, position, [])
        # The card stays: only the status line may have changed.
        self._same_cards(board, after, "choosing a hand card that stays in the hand")
        self.pickings += 1
        return self._pick_table_cards(after, position, card, len(hand))

    def _pick_table_cards(self, board, position, card, hand_size):
        game = self.game
        marked = []
        while True:
            progress = False
            for table_position in board.shown(TABLE):
                if board.cards[table_position].offset != 0:
                    continue
                before = game.grab()
                self._press(table_position)
                changed = game.wait_change(before, NO_CHANGE_WAIT)
                if changed is None:
                    continue  # a beep: the card fits no open capture
                after = game.board(game.settled(quiet=0.1))
                if self._left_hand(after, position, card, hand_size):
                    return self._check_player_done(board, after, position, marked + [table_position])
                # Marked: that card 10 px low, nothing else changed.
                if after.cards[table_position].offset != MOVE:
                    raise Failure("a table card pressed while picking neither was marked nor changed nothing: %r -> %r"
                                  % (board, after))
                self._same_cards(board, after, "marking a table card", except_position=table_position)
                marked.append(table_position)
                board, progress = after, True
                break
            if not progress:
                raise Failure("every table card beeps and the hand card stays: %r" % board)

    def _press(self, position):
        self.game.press_card(position)
        self.pressed_at = time.monotonic()

    def _left_hand(self, after, position, card, hand_size):
        """The hand card has left: its place is empty, or a new deal put another card
        there (the last card of a deal)."""
        now = after.cards[position]
        if not now.shown:
            return True
        return hand_size == 1 and now.look != card.look

    def _check_player_done(self, before, after, position, pressed):
        """The move has left the pressed table cards taken and turned to the PC."""
        if after.report_shown:
            self.log("player plays the card at %d, the last of the hand" % position)
            return after
        if any(after.cards[p].shown for p in pressed):
            raise Failure("the capture left pressed table cards on the table: %r -> %r" % (before, after))
        table_before, table_after = before.shown(TABLE), after.shown(TABLE)
        laid = [p for p in table_after if p not in table_before]
        if any(after.cards[p].offset != 0 for p in table_after + after.shown(PC_HAND)):
            raise Failure("a card out of its row after the player's move: %r" % after)
        if laid:
            if pressed or len(laid) != 1 or len(table_after) != len(table_before) + 1:
                raise Failure("the player's move both laid and took: %r -> %r" % (before, after))
            if laid[0] != first_free(before):
                raise Failure("the card was laid on place %d, not on the first free one: %r -> %r"
                              % (laid[0], before, after))
            if after.cards[laid[0]].look != before.cards[position].look:
                raise Failure("the card laid on the table is not the one played: %r -> %r" % (before, after))
            self.log("player lays the card at %d on table place %d" % (position, laid[0]))
        else:
            taken = [p for p in table_before if not after.cards[p].shown]
            if not taken and not after.report_shown:
                raise Failure("the hand card left without laying or taking: %r -> %r" % (before, after))
            self.log("player takes %s with the card at %d%s" % (taken, position,
                                                                 " (picked %s)" % pressed if pressed else ""))
        return after

    def _same_cards(self, before, after, what, except_position=None):
        for p in range(len(before.cards)):
            if p == except_position:
                continue
            a, b = before.cards[p], after.cards[p]
            if (a.offset, a.face_up, a.look) != (b.offset, b.face_up, b.look):
                raise Failure("%s changed position %d too: %r -> %r" % (what, p, before, after))

    # -- the PC --

    def pc_move(self, board, since=None):
        """The PC's move after board; its step times count from since (by default the
        player's last press, or now when the PC begins)."""
        game = self.game
        move = PcMove()
        start = since if since is not None else time.monotonic()
        pc_before = board.shown(PC_HAND)
        table_before = board.shown(TABLE)

        game.wait_board(lambda b: b.at(PC_HAND, MOVE), PC_STEP_TIMEOUT, "the PC's card shown")
        move.card_shown = time.monotonic() - start
        self._pc_step("card", game)
        shown = game.board(game.settled(quiet=0.1))
        lowered = shown.at(PC_HAND, MOVE)
        if len(lowered) != 1 or not shown.cards[lowered[0]].face_up or lowered[0] not in pc_before:
            raise Failure("the PC must show one of its cards face up, 10 px low: %r" % shown)
        self._same_cards(board, shown, "showing the PC's card", except_position=lowered[0])
        played = lowered[0]
        face = shown.cards[played].look

        def step(b):
            return b.report_shown or b.at(TABLE, -MOVE) or not b.at(PC_HAND, MOVE)

        seen = game.wait_board(step, PC_STEP_TIMEOUT, "the PC's next step")
        if not seen.report_shown and seen.at(TABLE, -MOVE):
            move.capture_raised = time.monotonic() - start
            move.picture_raised = seen.picture
            self._pc_step("capture", game)
            raised_board = game.board(game.settled(quiet=0.1))
            if raised_board.report_shown:
                raise Failure("the score panel came while the PC's capture was raised")
            move.taken = raised_board.at(TABLE, -MOVE)
            if not set(move.taken) <= set(table_before) or raised_board.at(TABLE, MOVE):
                raise Failure("the PC raised cards that were not on the table: %r -> %r" % (board, raised_board))
            if raised_board.at(PC_HAND, MOVE) != [played]:
                raise Failure("the PC's card must stay shown while its capture is raised: %r" % raised_board)
            game.wait_board(lambda b: b.report_shown or not b.at(PC_HAND, MOVE), PC_STEP_TIMEOUT,
                            "the PC's capture made")
        move.done = time.monotonic() - start
        self._pc_step("done", game)
        after = game.board(game.settled(quiet=0.1))
        self._check_pc_done(board, after, move, played, face)
        self.pc_moves.append(move)
        return after

    def _check_pc_done(self, before, after, move, played, face):
        if after.report_shown:
            self.log("PC plays the card at %d, the last of the hand" % played)
            return
        table_before, table_after = before.shown(TABLE), after.shown(TABLE)
        if after.at(PC_HAND, MOVE) or after.at(TABLE, -MOVE) or after.at(TABLE, MOVE):
            raise Failure("a card out of its row after the PC's move: %r" % after)
        refilled = after.shown(PC_HAND) == list(PC_HAND) and len(before.shown(PC_HAND)) == 1
        if after.cards[played].shown and not refilled:
            raise Failure("the PC's played card is still in its hand: %r" % after)
        if any(after.cards[p].face_up for p in after.shown(PC_HAND)):
            raise Failure("a PC hand card shows its face after the move: %r" % after)
        if move.taken:
            if any(after.cards[p].shown for p in move.taken):
                raise Failure("the PC's raised cards are still on the table: %r" % after)
            if set(table_after) != set(table_before) - set(move.taken):
                raise Failure("the PC took other cards than it raised: %r -> %r" % (before, after))
            self.log("PC takes %s with the card at %d (%.2f s, %.2f s, %.2f s)"
                     % (move.taken, played, move.card_shown, move.capture_raised, move.done))
        else:
            laid = [p for p in table_after if p not in table_before]
            if len(laid) != 1 or len(table_after) != len(table_before) + 1:
                raise Failure("the PC's card neither took nor was laid: %r -> %r" % (before, after))
            if after.cards[laid[0]].look != face:
                raise Failure("the card the PC laid is not the one it showed: %r" % after)
            if laid[0] != first_free(before):
                raise Failure("the PC laid its card on place %d, not on the first free one: %r -> %r"
                              % (laid[0], before, after))
            self.log("PC lays the card at %d on table place %d (%.2f s, %.2f s)"
                     % (played, laid[0], move.card_shown, move.done))

    def _pc_step(self, name, game):
        if self.on_pc_step:
            self.on_pc_step(name, game)
