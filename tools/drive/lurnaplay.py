"""Plays LurnaGame hands through its window as a person would, and checks what
every press and every paced PC step shows on the table.

The player presses a hand card; when the card stays in the hand the game wants
table cards, and the player presses shown, unmarked table cards one at a time:
each press either marks the card 10 px low or beeps and changes nothing, until
the hand card leaves. The PC then shows its card face up 10 px low, raises the
cards it takes 10 px and removes them, or lays its card.

The cards are read from the screen, so every move is also held against the rules
as a player knows them: a card takes one table card of its value when there is
one, else any two or more that add up to it, and is laid only when it can take
nothing; every one of the 40 cards shows once in a hand and none comes back."""

import itertools
import time

from lurnawindow import MOVE, PC_HAND, PLAYER_HAND, STOCK, TABLE, Failure

# Longest quiet after a press before it counts as one that changed nothing (a beep).
NO_CHANGE_WAIT = 0.6
# The PC makes a step on the 41st tick of 20 ms: allow for a slow machine.
PC_STEP_TIMEOUT = 4.0
MOVES_IN_HAND = 36
DEALS_IN_HAND = 6


def first_free(board):
    """The table place a laid card goes to: the lowest free one."""
    return next(p for p in TABLE if not board.cards[p].shown)


def captures(board, value):
    """Every set of table places that a card of this value may take: one card of
    the same value when the table has one (that take is compulsory), else every
    set of two or more cards whose values add up to it."""
    table = [(p, board.cards[p].value) for p in board.shown(TABLE)]
    equal = [frozenset([p]) for p, v in table if v == value]
    if equal:
        return equal
    return [frozenset(p for p, _ in combo) for size in range(2, len(table) + 1)
            for combo in itertools.combinations(table, size) if sum(v for _, v in combo) == value]


class PcMove:
    """One PC move as seen on the screen, with the wall times of its steps from the
    player's press that made the move before it (or from the PC's turn begun)."""

    def __init__(self):
        self.card_shown = None
        self.capture_raised = None
        self.done = None
        self.taken = []


class HandPlayer:
    """Plays one hand at a time on a Game; on_pc_step(name, game) is called once
    each PC step ("card", "capture", "done") shows and has been checked, while it
    stays on the screen (for pictures of it)."""

    def __init__(self, game, log=print, on_pc_step=None):
        self.game = game
        self.log = log
        self.on_pc_step = on_pc_step
        self.pc_moves = []
        self.player_moves = 0
        self.pickings = 0
        self.beeps = 0
        # The player's last press (when the X server had it) and the time the
        # screen was first seen changed by the move that it made.
        self.pressed_at = None
        self.moved_at = None
        self.press_latencies = []
        self.seen = set()  # the cards shown face up in this hand
        self.gone = set()  # the cards taken from the table in this hand

    # -- whole hands --

    def check_deal(self, board, deal):
        """Both hands full after a deal; the table dealt four at the first deal;
        the stock shown until the last six cards are dealt."""
        if deal == 1:
            self.seen, self.gone = set(), set()
        self.check_cards(board, "deal %d" % deal)
        if board.shown(PLAYER_HAND) != list(PLAYER_HAND) or board.shown(PC_HAND) != list(PC_HAND):
            raise Failure("deal %d: hands not both full: %r" % (deal, board))
        if any(board.cards[p].face_up for p in PC_HAND) or not all(board.cards[p].face_up for p in PLAYER_HAND):
            raise Failure("deal %d: the PC's cards must show the back, the player's their faces: %r" % (deal, board))
        if deal == 1 and board.shown(TABLE) != list(TABLE[:4]):
            raise Failure("a new hand must lay four cards in the first table places: %r" % board)
        stock_expected = deal < DEALS_IN_HAND
        if board.cards[STOCK].shown != stock_expected:
            raise Failure("deal %d: the stock is %s" % (deal, "hidden" if stock_expected else "still shown"))

    def check_cards(self, board, what):
        """Every card a picture of the program, every face once, none taken before."""
        faces = []
        for p in board.shown(range(len(board.cards))):
            card = board.cards[p]
            if card.number is None:
                raise Failure("%s: place %d shows a picture that is no card: %r" % (what, p, board))
            if card.number:
                faces.append(card.number)
        if len(set(faces)) != len(faces):
            raise Failure("%s: a card shows twice: %r" % (what, board))
        back = set(faces) & self.gone
        if back:
            raise Failure("%s: cards taken before are back on the table: %s in %r" % (what, sorted(back), board))
        self.seen.update(faces)

    def play_hand(self, player_begins, board, stop=None):
        """Plays a hand from its first deal (board) to the score panel and returns
        the board with the panel shown; or, when stop() holds at a turn of the
        player's, the board of that turn."""
        self.check_deal(board, 1)
        deal, moves, player_to_move = 1, 0, player_begins
        while moves < MOVES_IN_HAND:
            if board.report_shown:
                raise Failure("the score panel came after %d moves, not %d" % (moves, MOVES_IN_HAND))
            if player_to_move and stop and stop():
                return board
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
        if len(self.seen) != 40:
            raise Failure("the hand showed %d of the 40 cards; never seen: %s"
                          % (len(self.seen), sorted(set(range(1, 41)) - self.seen)))
        return board

    # -- the player --

    def player_move(self, board):
        """Plays a card, preferring one that leaves a choice of table cards."""
        game = self.game
        self.check_cards(board, "the player's turn")
        hand = board.shown(PLAYER_HAND)
        if not hand:
            raise Failure("the player's turn with an empty hand: %r" % board)
        options = {p: captures(board, board.cards[p].value) for p in hand}
        position = max(hand, key=lambda p: len(options[p]) >= 2)
        card = board.cards[position]
        game.press_and_see(lambda: self._press(position), 2.0, "pressing the hand card at position %d" % position)
        after = game.board(game.settled(quiet=0.1))
        self.player_moves += 1
        open_options = options[position]
        if self._left_hand(after, position, card, len(hand)):
            if len(open_options) >= 2:
                raise Failure("the %d took at once though %d captures were open: %r -> %r"
                              % (card.number, len(open_options), board, after))
            return self._check_player_done(board, after, position, [], open_options)
        if len(open_options) < 2:
            raise Failure("the %d stayed in the hand though it has %d captures: %r -> %r"
                          % (card.number, len(open_options), board, after))
        # The card stays: only the status line may have changed.
        self._same_cards(board, after, "choosing a hand card that stays in the hand")
        self.pickings += 1
        return self._pick_table_cards(after, position, card, len(hand), open_options)

    def _pick_table_cards(self, board, position, card, hand_size, options):
        game = self.game
        marked = []
        # A card that no capture takes must beep and change nothing.
        unfit = [p for p in board.shown(TABLE) if not any(p in o for o in options)]
        if unfit:
            before = game.grab()
            self._press(unfit[0])
            if game.wait_change(before, NO_CHANGE_WAIT) is not None:
                raise Failure("pressing table place %d, which no capture of the %d takes, changed the screen: %r"
                              % (unfit[0], card.number, game.board()))
            self.beeps += 1
        target = sorted(options, key=sorted)[0]
        while True:
            fitting = [p for p in board.shown(TABLE) if board.cards[p].offset == 0
                       and any(set(marked) | {p} <= o for o in options)]
            fitting.sort(key=lambda p: p not in target)
            for table_position in fitting:
                before = game.grab()
                self._press(table_position)
                if game.wait_change(before, NO_CHANGE_WAIT) is None:
                    self.beeps += 1
                    continue  # a beep: the game keeps other captures open than this card's
                after = game.board(game.settled(quiet=0.1))
                pressed = marked + [table_position]
                if self._left_hand(after, position, card, hand_size):
                    return self._check_player_done(board, after, position, pressed, options)
                if after.cards[table_position].offset != MOVE:
                    raise Failure("a table card pressed while picking neither was marked nor changed nothing: %r -> %r"
                                  % (board, after))
                self._same_cards(board, after, "marking a table card", except_position=table_position)
                marked.append(table_position)
                board = after
                break
            else:
                raise Failure("every table card beeps and the %d stays in the hand: %r" % (card.number, board))

    def _press(self, position):
        self.game.press_card(position)
        self.pressed_at = self.game.clicked_at

    def _left_hand(self, after, position, card, hand_size):
        """The hand card has left: its place is empty, or a new deal put another card
        there (the last card of a deal)."""
        now = after.cards[position]
        if not now.shown:
            return True
        return hand_size == 1 and now.number != card.number

    def _check_player_done(self, before, after, position, pressed, options):
        """The move has laid the card when it could take nothing, or made one of its
        captures, with every pressed table card among those taken."""
        self.moved_at = self.game.changed_at
        self.press_latencies.append(self.moved_at - self.pressed_at)
        played = before.cards[position].number
        if after.report_shown:
            self.log("player plays the %d, the last card of the hand" % played)
            return after
        self.check_cards(after, "after the player's move")
        table_before, table_after = before.shown(TABLE), after.shown(TABLE)
        laid = [p for p in table_after if p not in table_before]
        if any(after.cards[p].offset != 0 for p in table_after + after.shown(PC_HAND)):
            raise Failure("a card out of its row after the player's move: %r" % after)
        if laid:
            if options or len(laid) != 1 or len(table_after) != len(table_before) + 1:
                raise Failure("the %d was laid though it could take %s: %r -> %r"
                              % (played, [sorted(o) for o in options], before, after))
            if laid[0] != first_free(before):
                raise Failure("the card was laid on place %d, not on the first free one: %r -> %r"
                              % (laid[0], before, after))
            if after.cards[laid[0]].number != played:
                raise Failure("the card laid on the table is not the one played: %r -> %r" % (before, after))
            self.log("player lays the %d on table place %d" % (played, laid[0]))
        else:
            taken = frozenset(p for p in table_before if not after.cards[p].shown)
            if taken not in options or not set(pressed) <= taken:
                raise Failure("the %d took %s, not one of its captures %s holding the pressed %s: %r -> %r"
                              % (played, sorted(taken), [sorted(o) for o in options], pressed, before, after))
            self.gone.update(before.cards[p].number for p in taken)
            self.gone.add(played)
            self.log("player takes %s with the %d%s" % ([before.cards[p].number for p in sorted(taken)], played,
                                                         " (pressed places %s)" % pressed if pressed else ""))
        return after

    def _same_cards(self, before, after, what, except_position=None):
        for p in range(len(before.cards)):
            if p == except_position:
                continue
            a, b = before.cards[p], after.cards[p]
            if (a.offset, a.look) != (b.offset, b.look):
                raise Failure("%s changed place %d too: %r -> %r" % (what, p, before, after))

    # -- the PC --

    def pc_move(self, board, since=None):
        """The PC's move after board; its step times count from since, or from now."""
        game = self.game
        move = PcMove()
        start = since if since is not None else time.monotonic()
        pc_before = board.shown(PC_HAND)

        game.wait_board(lambda b: b.at(PC_HAND, MOVE), PC_STEP_TIMEOUT, "the PC's card shown")
        move.card_shown = game.seen_at - start
        shown = game.board(game.settled(quiet=0.1))
        lowered = shown.at(PC_HAND, MOVE)
        if len(lowered) != 1 or not shown.cards[lowered[0]].face_up or lowered[0] not in pc_before:
            raise Failure("the PC must show one of its cards face up, 10 px low: %r" % shown)
        self._same_cards(board, shown, "showing the PC's card", except_position=lowered[0])
        self.check_cards(shown, "the PC's card shown")
        played = lowered[0]
        number = shown.cards[played].number
        options = captures(board, shown.cards[played].value)
        self._pc_step("card", game)

        def step(b):
            return b.report_shown or b.at(TABLE, -MOVE) or not b.at(PC_HAND, MOVE)

        seen = game.wait_board(step, PC_STEP_TIMEOUT, "the PC's next step")
        if not seen.report_shown and seen.at(TABLE, -MOVE):
            move.capture_raised = game.seen_at - start
            raised_board = game.board(game.settled(quiet=0.1))
            if raised_board.report_shown:
                raise Failure("the score panel came while the PC's capture was raised")
            move.taken = raised_board.at(TABLE, -MOVE)
            if frozenset(move.taken) not in options or raised_board.at(TABLE, MOVE):
                raise Failure("the PC's %d raised %s, not one of its captures %s: %r"
                              % (number, move.taken, [sorted(o) for o in options], raised_board))
            if raised_board.at(PC_HAND, MOVE) != [played]:
                raise Failure("the PC's card must stay shown while its capture is raised: %r" % raised_board)
            for p in range(len(shown.cards)):
                if p not in move.taken and shown.cards[p].look != raised_board.cards[p].look:
                    raise Failure("raising the PC's capture changed place %d too: %r -> %r" % (p, shown, raised_board))
            self._pc_step("capture", game)
            game.wait_board(lambda b: b.report_shown or not b.at(PC_HAND, MOVE), PC_STEP_TIMEOUT,
                            "the PC's capture made")
        move.done = game.seen_at - start
        after = game.board(game.settled(quiet=0.1))
        self._check_pc_done(board, after, move, played, number, options)
        self._pc_step("done", game)
        self.pc_moves.append(move)
        return after

    def _check_pc_done(self, before, after, move, played, number, options):
        if after.report_shown:
            self.log("PC plays the %d, the last card of the hand" % number)
            return
        self.check_cards(after, "after the PC's move")
        table_before, table_after = before.shown(TABLE), after.shown(TABLE)
        if after.at(PC_HAND, MOVE) or after.at(TABLE, -MOVE) or after.at(TABLE, MOVE):
            raise Failure("a card out of its row after the PC's move: %r" % after)
        refilled = after.shown(PC_HAND) == list(PC_HAND) and len(before.shown(PC_HAND)) == 1
        if after.cards[played].shown and not refilled:
            raise Failure("the PC's played card is still in its hand: %r" % after)
        if any(after.cards[p].face_up for p in after.shown(PC_HAND)):
            raise Failure("a PC hand card shows its face after the move: %r" % after)
        if move.taken:
            if set(table_after) != set(table_before) - set(move.taken):
                raise Failure("the PC took other cards than it raised: %r -> %r" % (before, after))
            self.gone.update(before.cards[p].number for p in move.taken)
            self.gone.add(number)
            self.log("PC takes %s with the %d (%.2f s, %.2f s, %.2f s)"
                     % ([before.cards[p].number for p in move.taken], number, move.card_shown, move.capture_raised,
                        move.done))
        else:
            laid = [p for p in table_after if p not in table_before]
            if options:
                raise Failure("the PC laid its %d though it could take %s: %r -> %r"
                              % (number, [sorted(o) for o in options], before, after))
            if len(laid) != 1 or len(table_after) != len(table_before) + 1:
                raise Failure("the PC's card neither took nor was laid: %r -> %r" % (before, after))
            if after.cards[laid[0]].number != number:
                raise Failure("the card the PC laid is not the one it showed: %r" % after)
            if laid[0] != first_free(before):
                raise Failure("the PC laid its card on place %d, not on the first free one: %r -> %r"
                              % (laid[0], before, after))
            self.log("PC lays the %d on table place %d (%.2f s, %.2f s)" % (number, laid[0], move.card_shown,
                                                                              move.done))

    def _pc_step(self, name, game):
        if self.on_pc_step:
            self.on_pc_step(name, game)
