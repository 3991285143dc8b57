"""Plays LurnaGame hands through its window as a person would, and checks what
every press and every paced PC step shows on the table.

The player presses a hand card; when the card stays in the hand the game wants
table cards: the card stands 10 px high, the keyboard's focus frame goes on the
first table card that a capture takes, and the player presses shown, unmarked
table cards one at a time: each press either marks the card 10 px low or beeps
and changes nothing, until the hand card leaves. The PC then shows its card face
up 10 px low, raises the cards it takes 10 px and removes them, or lays its card.

HandPlayer plays the player's cards with the mouse; KeyboardPlayer with keys
only, following the coach that H shows.

The cards are read from the screen, so every move is also held against the rules
as a player knows them: a card takes one table card of its value when there is
one, else any two or more that add up to it, and is laid only when it can take
nothing; every one of the 40 cards shows once in a hand and none comes back."""

import itertools
import subprocess
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


def first_fitting(board, options):
    """The table card the focus frame starts on: the first shown one in table
    order that some open capture takes."""
    return next((p for p in board.shown(TABLE) if any(p in o for o in options)), None)


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
        self.frame_colours = set()  # the (line, band) colours of every focus frame seen

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

    # -- reading --

    def _steady(self, quiet=0.1, done=None):
        """The board of a settled picture in which every shown card reads as a card
        and done(board), when given, holds. A move reaches the screen in more than
        one paint, and a busy machine can leave a quiet moment between two of
        them; after PC_STEP_TIMEOUT the last board read is returned for the
        checks to judge."""
        game = self.game
        deadline = time.monotonic() + PC_STEP_TIMEOUT
        while True:
            board = game.board(game.settled(quiet=quiet))
            readable = all(c.number is not None for c in board.cards if c.shown)
            if (readable and (done is None or done(board))) or time.monotonic() > deadline:
                return board

    def _player_move_made(self, before, position, card, hand_size, options):
        """For _steady: the hand card still chosen, or its move whole on the screen:
        the card laid on the table, or one of its captures gone from it."""
        def made(after):
            if after.report_shown or not self._left_hand(after, position, card, hand_size):
                return True
            table_before, table_after = before.shown(TABLE), after.shown(TABLE)
            if len(table_after) > len(table_before):
                return card.number in [after.cards[p].number for p in table_after]
            return frozenset(p for p in table_before if not after.cards[p].shown) in options
        return made

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
        open_options = options[position]
        after = self._steady(done=self._player_move_made(board, position, card, len(hand), open_options))
        if self._check_hand_press(board, after, position, len(hand), open_options):
            return self._check_player_done(board, after, position, [], open_options)
        return self._pick_table_cards(after, position, card, len(hand), open_options)

    def _check_hand_press(self, board, after, position, hand_size, open_options):
        """After a hand card's press: True when the move was made at once, which
        only a card with fewer than two captures may do; else the card stays
        raised for table cards, which only a card with two or more may."""
        card = board.cards[position]
        self.player_moves += 1
        if self._left_hand(after, position, card, hand_size):
            if len(open_options) >= 2:
                raise Failure("the %d took at once though %d captures were open: %r -> %r"
                              % (card.number, len(open_options), board, after))
            return True
        if len(open_options) < 2:
            raise Failure("the %d stayed in the hand though it has %d captures: %r -> %r"
                          % (card.number, len(open_options), board, after))
        self.check_choice_shown(board, after, position, open_options)
        self.pickings += 1
        return False

    def check_choice_shown(self, before, after, position, options):
        """The chosen card that stays in the hand stands raised, the focus frame is
        on the first table card that a capture takes, and nothing else changed
        (the status line aside)."""
        if after.cards[position].offset != -MOVE:
            raise Failure("the chosen card does not stand raised while table cards are picked: %r -> %r"
                          % (before, after))
        expected = first_fitting(before, options)
        self.check_frame(after, expected, "choosing a card that leaves a choice of table cards")
        self._same_cards(before, after, "choosing a hand card that stays in the hand", except_position=position)

    def check_frame(self, board, position, what):
        """The focus frame on that table position alone (None: on no card)."""
        framed = board.framed()
        if framed != ([] if position is None else [position]):
            raise Failure("after %s the focus frame is on %s, not on %s: %r" % (what, framed or "no card",
                                                                                position, board))
        if position is not None:
            self.frame_colours.add(board.cards[position].frame)

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
                seen = self._press_while_picking(board, lambda: self._press(table_position), table_position,
                                                 position, card, hand_size, marked, options, "with the mouse")
                if seen is None:
                    continue  # a beep: the game keeps other captures open than this card's
                after, moved = seen
                if moved:
                    return after
                # The mouse leaves the focus frame where it was.
                self.check_frame(after, board.framed()[0], "marking a table card with the mouse")
                marked.append(table_position)
                board = after
                break
            else:
                raise Failure("every table card beeps and the %d stays in the hand: %r" % (card.number, board))

    def _press(self, position):
        self.game.press_card(position)
        self.pressed_at = self.game.clicked_at

    def _press_while_picking(self, board, press, table_position, position, card, hand_size, marked, options, how):
        """One table card pressed by press() while picking. None for a beep (the
        screen did not change); else (after, moved): moved when the hand card
        left and the move was checked, else the pressed card was marked and
        nothing else moved."""
        game = self.game
        before = game.grab()
        press()
        if game.wait_change(before, NO_CHANGE_WAIT) is None:
            self.beeps += 1
            return None
        after = self._steady(done=self._player_move_made(board, position, card, hand_size, options))
        if self._left_hand(after, position, card, hand_size):
            return self._check_player_done(board, after, position, marked + [table_position], options), True
        if after.cards[table_position].offset != MOVE:
            raise Failure("a table card pressed %s while picking neither was marked nor changed nothing: %r -> %r"
                          % (how, board, after))
        self._same_cards(board, after, "marking a table card %s" % how, except_position=table_position)
        return after, False

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
        if any(after.cards[p].offset != 0 for p in table_after + after.shown(PC_HAND) + after.shown(PLAYER_HAND)):
            raise Failure("a card out of its row after the player's move: %r" % after)
        self.check_frame(after, None, "the player's move")
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
        shown = self._steady()
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
            raised_board = self._steady()
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
        # The move leaves the hand and reaches the table in more than one paint:
        # on a busy machine a quiet moment can come between them, so the read
        # waits for its end, the played card on the table or the taken cards gone.
        taken = [shown.cards[p].number for p in move.taken]

        def made(b):
            if b.report_shown:
                return True
            if b.at(PC_HAND, MOVE) or b.at(TABLE, -MOVE):
                return False
            table = [b.cards[p].number for p in b.shown(TABLE)]
            return not set(taken) & set(table) if taken else number in table

        game.wait_board(made, PC_STEP_TIMEOUT, "the PC's move made")
        move.done = game.seen_at - start
        after = self._steady()
        self._check_pc_done(board, after, move, played, number, options)
        self._pc_step("done", game)
        self.pc_moves.append(move)
        return after

    def _check_pc_done(self, before, after, move, played, number, options):
        if after.report_shown:
            self.log("PC plays the %d, the last card of the hand" % number)
            return
        self.check_cards(after, "after the PC's move")
        self.check_frame(after, None, "the PC's move")
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


# The keys that press the player's hand places 3, 4 and 5: on the main keys and on
# the numeric pad. The pad's keys are named by what they are with NumLock off
# and sent with NumLock on, so that the program gets the digits, as from a
# person's pad; xdotool's own KP_1 to KP_3 reached it as digits only every other
# press under Wine.
HAND_KEYS = {3: ("1", "KP_End"), 4: ("2", "KP_Down"), 5: ("3", "KP_Next")}
# The keys that move the focus frame to the next and to the previous table card,
# taken in turn so that each is used.
NEXT_KEYS = ("Right", "Down", "Tab")
PREVIOUS_KEYS = ("Left", "Up", "shift+Tab")
# Keys that must do nothing while the PC moves.
KEYS_IN_PC_TURN = ("1", "h", "F2", "Return", "space", "Right")
# How long a key is held to see what its auto-repeat does.
HOLD = 1.5


def send_keys(*keys):
    """Real key presses and releases through XTest (xdotool), to the window with
    the input focus; returns once the X server has them."""
    subprocess.run(["xdotool", "key", "--delay", "40", *keys], check=True, timeout=20)


class KeyboardPlayer(HandPlayer):
    """Plays the player's moves with keys alone: H (or "Suggerimento" in the menu
    "?") shows the coach's move, which is checked and then made with a digit key
    and, when table cards are picked, with the arrows or Tab to move the focus
    frame to each card to take and Enter or Space to press it. When the coach's
    card leaves no choice of table cards and another card does, that one is
    played instead (the press must take the suggestion away), so that picking by
    keys comes as often as the deal allows. The PC's moves are watched as
    HandPlayer does, with keys sent at their start that must do nothing.
    on_player_step(name, game) is called with "turn" at the start of each of the
    player's turns, "suggestion" while a suggestion that takes table cards shows,
    "picking" while the frame is on the first card to take (after it moved), and
    "chosen" once the hand card was pressed; a handler must leave the board as it
    found it. With numpad, every other digit is pressed on the numeric pad, which
    needs NumLock on."""

    def __init__(self, game, log=print, on_pc_step=None, on_player_step=None, menu_every=7, numpad=False):
        super().__init__(game, log=log, on_pc_step=on_pc_step)
        self.on_player_step = on_player_step
        self.numpad = numpad
        self.menu_every = menu_every
        self.keys_sent = 0
        self.suggestions = 0
        self.suggestions_by_menu = 0
        self.suggestions_followed = 0
        self.coach_beeps = 0
        self.focus_moves = 0
        self.table_presses = 0
        self.empty_place_presses = 0
        self._turn = 0
        self._empty_place_checked = False

    def _key(self, *keys):
        send_keys(*keys)
        self.pressed_at = time.monotonic()
        self.keys_sent += len(keys)

    def _key_and_see(self, keys, what, timeout=2.0):
        """Sends the keys and returns the settled board they made; fails when the
        screen does not change."""
        game = self.game
        before = game.grab()
        self._key(*keys)
        if game.wait_change(before, timeout) is None:
            raise Failure("nothing changed on the screen within %.1f s after %s (keys %s)" % (timeout, what, keys))
        return self._steady(quiet=0.15)

    def _key_changes_nothing(self, keys, board, what):
        game = self.game
        before = game.grab()
        self._key(*keys)
        if game.wait_change(before, NO_CHANGE_WAIT) is not None:
            raise Failure("%s (keys %s) changed the screen: %r -> %r" % (what, keys, board, game.board()))

    def _step(self, name):
        if self.on_player_step:
            self.on_player_step(name, self.game)

    # -- the hand --

    def play_hand(self, player_begins, board, stop=None):
        self._empty_place_checked = False
        return super().play_hand(player_begins, board, stop)

    # -- the player --

    def player_move(self, board):
        self._turn += 1
        self.check_cards(board, "the player's turn")
        self.check_frame(board, None, "the start of the player's turn")
        self._step("turn")
        hand = board.shown(PLAYER_HAND)
        if not hand:
            raise Failure("the player's turn with an empty hand: %r" % board)
        self._press_empty_place(board, hand)
        options = {p: captures(board, board.cards[p].value) for p in hand}
        suggested, picks = self._ask_coach(board, hand, options)
        position = suggested
        if len(options[suggested]) < 2:
            position = next((p for p in hand if len(options[p]) >= 2), suggested)
        following = position == suggested
        self.suggestions_followed += following
        card = board.cards[position]
        key = HAND_KEYS[position][self._turn % 2 if self.numpad else 0]
        after = self._key_and_see([key], "the key %s on the hand card at position %d" % (key, position))
        open_options = options[position]
        if self._check_hand_press(board, after, position, len(hand), open_options):
            done = self._check_player_done(board, after, position, [], open_options)
            if following:
                self._check_as_suggested(board, after, picks)
            return done
        # The suggestion went at the key; the card stands raised, framed as picked.
        self._step("chosen")
        target = picks if following else sorted(options[position], key=sorted)[0]
        return self._pick_by_keys(after, position, card, len(hand), open_options, target, following)

    def _press_empty_place(self, board, hand):
        """Once a hand, the key of an empty hand place: it presses no card."""
        empty = [p for p in PLAYER_HAND if p not in hand]
        if self._empty_place_checked or not empty:
            return
        self._empty_place_checked = True
        self._key_changes_nothing([HAND_KEYS[empty[0]][0]], board, "the key of the empty hand place %d" % empty[0])
        self.empty_place_presses += 1

    def _ask_coach(self, board, hand, options):
        """Shows the coach's move and checks it: one hand card raised, the table
        cards it takes lowered, nothing else moved, and the move one the rules
        allow. Returns the card's position and the set of table positions."""
        by_menu = self.menu_every and self._turn % self.menu_every == 1
        # alt+question opens the menu "&?", whose item "&Suggerimento" is S.
        keys = ["alt+question", "s"] if by_menu else ["h"]
        shown = self._key_and_see(keys, "asking the coach")
        raised = shown.at(PLAYER_HAND, -MOVE)
        lowered = shown.at(TABLE, MOVE)
        if len(raised) != 1 or raised[0] not in hand:
            raise Failure("the coach must raise one hand card: %r -> %r" % (board, shown))
        suggested = raised[0]
        for p in range(len(board.cards)):
            if p in raised or p in lowered:
                if shown.cards[p].look != board.cards[p].look:
                    raise Failure("the coach changed the card at position %d: %r -> %r" % (p, board, shown))
            elif (shown.cards[p].offset, shown.cards[p].look) != (board.cards[p].offset, board.cards[p].look):
                raise Failure("the coach moved position %d too: %r -> %r" % (p, board, shown))
        self.check_frame(shown, None, "asking the coach")
        picks = frozenset(lowered)
        open_options = options[suggested]
        if (open_options and picks not in open_options) or (not open_options and picks):
            raise Failure("the coach suggests the %d taking %s, which the rules do not allow (its captures: %s): %r"
                          % (board.cards[suggested].number, sorted(picks), [sorted(o) for o in open_options], shown))
        self.suggestions += 1
        self.suggestions_by_menu += bool(by_menu)
        self.log("the coach%s suggests the %d%s" % (" (from the menu)" if by_menu else "",
                                                     board.cards[suggested].number,
                                                     " taking %s" % [board.cards[p].number for p in sorted(picks)]
                                                     if picks else ", laid"))
        if picks:
            self._step("suggestion")
        return suggested, picks

    def _check_as_suggested(self, before, after, picks):
        """The move made took the table cards the coach lowered (none for a card laid)."""
        if after.report_shown:
            return
        taken = frozenset(p for p in before.shown(TABLE) if not after.cards[p].shown)
        if taken != picks:
            raise Failure("following the coach took %s, not the suggested %s: %r -> %r"
                          % (sorted(taken), sorted(picks), before, after))

    def _pick_by_keys(self, board, position, card, hand_size, options, target, following):
        if self.pickings == 1:
            board = self._walk_focus_round(board, NEXT_KEYS)
            board = self._walk_focus_round(board, PREVIOUS_KEYS)
            board = self._hold_focus_key(board)
        if self.coach_beeps < 3:
            # The chosen card cannot change: the coach only beeps.
            self._key_changes_nothing(["h"], board, "asking the coach while table cards are picked")
            self.coach_beeps += 1
        marked = []
        while True:
            for table_position in [p for p in board.shown(TABLE) if p in target and p not in marked]:
                board = self._move_focus(board, table_position)
                if not marked:
                    self._step("picking")
                key = ("Return", "space")[self.table_presses % 2]
                self.table_presses += 1
                seen = self._press_while_picking(board, lambda: self._key(key), table_position, position, card,
                                                 hand_size, marked, options, "by key")
                if seen is None:
                    continue  # a beep: the game keeps other captures open than this card's
                after, moved = seen
                if moved:
                    if following:
                        self._check_as_suggested(board, after, target)
                    return after
                self.check_frame(after, table_position, "marking the framed card")
                marked.append(table_position)
                board = after
                break
            else:
                raise Failure("every card of %s beeps and the %d stays in the hand: %r"
                              % (sorted(target), card.number, board))

    def _focus_step(self, board, keys, step):
        """One key that moves the frame one shown table card on (step 1) or back
        (step -1), wrapping round; returns the board it leaves."""
        order = board.shown(TABLE)
        framed = board.framed()
        if len(framed) != 1 or framed[0] not in order:
            raise Failure("while picking, the focus frame must be on one table card: %r" % board)
        expected = order[(order.index(framed[0]) + step) % len(order)]
        key = keys[self.focus_moves % len(keys)]
        after = self._key_and_see([key], "the key %s while picking" % key)
        self.focus_moves += 1
        self.check_frame(after, expected, "the key %s" % key)
        self._same_cards(board, after, "moving the focus frame")
        return after

    def _move_focus(self, board, position):
        """The frame moved to the table position the shorter way round."""
        order = board.shown(TABLE)
        at = order.index(board.framed()[0])
        forward = (order.index(position) - at) % len(order)
        backward = (at - order.index(position)) % len(order)
        keys, step = (NEXT_KEYS, 1) if forward <= backward else (PREVIOUS_KEYS, -1)
        for _ in range(min(forward, backward)):
            board = self._focus_step(board, keys, step)
        return board

    def _walk_focus_round(self, board, keys):
        """The frame taken round every shown table card back to where it was, as
        many times as it takes to use each of the keys."""
        step = 1 if keys is NEXT_KEYS else -1
        cards = len(board.shown(TABLE))
        for _ in range(cards * -(-len(keys) // cards)):
            board = self._focus_step(board, keys, step)
        return board

    def _hold_focus_key(self, board):
        """Right held down: the focus keys run on with the auto-repeat, so the frame
        moves on more than once, and stays on a table card."""
        game = self.game
        order = board.shown(TABLE)
        moves, last = 0, board.framed()[0]
        subprocess.run(["xdotool", "keydown", "Right"], check=True, timeout=20)
        try:
            deadline = time.monotonic() + HOLD
            while time.monotonic() < deadline:
                framed = game.board().framed()
                if len(framed) == 1 and framed[0] != last:
                    moves, last = moves + 1, framed[0]
        finally:
            subprocess.run(["xdotool", "keyup", "Right"], check=True, timeout=20)
        after = self._steady(quiet=0.2)
        self._same_cards(board, after, "holding Right")
        framed = after.framed()
        if len(framed) != 1 or framed[0] not in order:
            raise Failure("after holding Right the focus frame is not on one table card: %r" % after)
        if moves < 2:
            raise Failure("holding Right for %.1f s moved the focus frame %d times: the auto-repeat should move it on"
                          % (HOLD, moves))
        self.log("holding Right for %.1f s: the focus frame seen moving %d times" % (HOLD, moves))
        return after

    # -- the PC --

    def pc_move(self, board, since=None):
        """Before the PC's move shows, keys that must do nothing while it moves."""
        if not board.report_shown:
            send_keys(*KEYS_IN_PC_TURN)
            self.keys_sent += len(KEYS_IN_PC_TURN)
        return super().pc_move(board, since=since)
