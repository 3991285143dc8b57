"""Drives the real LurnaGame.exe under Wine as a person would: starts it, finds its
window on the X screen, presses with real mouse events (XTest, as xdotool sends
them) and keys (xdotool), takes pictures and reads from the pixels what the table
shows.

The game lays its table out for its 640x480 client area. The client area on the
screen is the bounding box of the table's pure green; it and the layout are
checked against the pixels when the window is found."""

import os
import re
import struct
import subprocess
import time

from xscreen import Screen

TITLE = "LurnaGame (C) 2026 LurnaGame"
CLIENT_WIDTH = 640
CLIENT_HEIGHT = 480
GREEN = (0, 128, 0)
CARD_WIDTH = 63
CARD_HEIGHT = 101
MOVE = 10  # a marked card lies this much low, a card the PC takes this much high
# The keyboard's focus frame, drawn over the edge of a card's own picture: from
# the outside in a dark line, a band of three of its colour and a dark line.
FRAME_WIDTH = 5
FRAME_DARK = (0, 0, 0)
FRAME_GOLD = (255, 200, 0)

PC_HAND = (0, 1, 2)
PLAYER_HAND = (3, 4, 5)
TABLE_ROW = tuple(range(6, 15))
STOCK = 15
EXTRA_ROW = tuple(range(16, 20))  # under the first four places when the row is full
TABLE = TABLE_ROW + EXTRA_ROW
POSITIONS = 20

GREEN_BGR = bytes((GREEN[2], GREEN[1], GREEN[0]))


class Failure(Exception):
    """The program did not do what a person would see it do."""


def _xdotool(*args, check=True):
    result = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True, timeout=20)
    if check and result.returncode != 0:
        raise Failure("xdotool %s failed: %s" % (" ".join(map(str, args)), result.stderr.strip()))
    return result.stdout


def find_windows(title):
    """X windows whose name is exactly title."""
    out = _xdotool("search", "--name", "^%s$" % re.escape(title), check=False)
    return [int(w) for w in out.split()]


def window_geometry(window):
    out = _xdotool("getwindowgeometry", "--shell", window)
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


class Layout:
    """Where the game placed its elements, in client pixels, for a client area of
    width x height."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.table_y = (height - 121 + 175) // 2 - 50
        places = [(28 + 65 * i, 70) for i in range(3)]
        places += [(width - 305 + 65 * i, height - 121) for i in range(3)]
        places += [(28 + 65 * k, self.table_y) for k in range(9)]
        places.append((width - 305, 70))
        places += [(28 + 65 * k, self.table_y + 60) for k in range(4)]
        self.places = places
        right = width - 128
        self.buttons = {"play": (right, 20), "info": (right, 70), "close": (right, 120)}
        self.panel = ((width - 300) // 2, 110)
        self.buttons["continue"] = (self.panel[0] + 190, self.panel[1] + 250)
        self.status = (10, height - 60, width // 2, 45)

    def button_centre(self, name):
        x, y = self.buttons[name]
        return x + 50, y + 20

    def card_centre(self, position, offset=0):
        x, y = self.places[position]
        return x + CARD_WIDTH // 2, y + offset + 40


# The points of a card picture that tell the 41 pictures apart: clear of the edge
# band that the focus frame covers, so that a framed card reads as itself.
_SAMPLE_XS = range(FRAME_WIDTH, CARD_WIDTH - FRAME_WIDTH, 3)
_SAMPLE_YS = range(FRAME_WIDTH, CARD_HEIGHT - FRAME_WIDTH, 3)
# Where the frame's rings are read: across the top edge and down both sides, in
# the card's upper half, which shows even when a second-row card covers the rest.
_FRAME_XS = (8, 20, 31, 42, 54)
_FRAME_YS = (8, 20, 31, 42)
_SAMPLE_LENGTH = 3 * len(_SAMPLE_XS) * len(_SAMPLE_YS)


def _sample(rows, ys=_SAMPLE_YS):
    """The sample key of a card picture given as its rows of BGR bytes, from the
    sampled rows ys (the first ones, when the card is partly covered)."""
    return b"".join(bytes(rows[y][3 * x:3 * x + 3]) for y in ys for x in _SAMPLE_XS)


class CardFaces:
    """The program's own card pictures (app/res/card00.bmp, the back, to
    card40.bmp), to tell from the screen which card a place shows."""

    def __init__(self, resource_dir=os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "app",
                                                 "res")):
        self.by_sample = {}
        for number in range(41):
            rows = _read_bmp_rows(os.path.join(resource_dir, "card%02d.bmp" % number))
            self.by_sample[_sample(rows)] = number
        if len(self.by_sample) != 41:
            raise RuntimeError("two card pictures look the same at the sampled points")

    def number(self, sample):
        """0 for the back, 1 to 40 for a face, None for a picture that is none. A
        sample cut short (a card whose lower part another card covers) is matched
        by its first rows, which tell every card from every other."""
        if len(sample) == _SAMPLE_LENGTH:
            return self.by_sample.get(sample)
        found = [n for full, n in self.by_sample.items() if full.startswith(sample)]
        return found[0] if len(found) == 1 else None


def _read_bmp_rows(path):
    """Rows of BGR bytes of a 4- or 8-bit palette BMP, top row first."""
    with open(path, "rb") as f:
        data = f.read()
    offset, = struct.unpack_from("<I", data, 10)
    header, width, height = struct.unpack_from("<Iii", data, 14)
    bits, = struct.unpack_from("<H", data, 28)
    colours, = struct.unpack_from("<I", data, 46)
    colours = colours or (1 << bits)
    palette = [data[14 + header + 4 * i:14 + header + 4 * i + 3] for i in range(colours)]
    stride = (width * bits + 31) // 32 * 4
    rows = []
    for y in range(abs(height)):
        line = y if height < 0 else abs(height) - 1 - y
        raw = data[offset + line * stride:offset + (line + 1) * stride]
        if bits == 4:
            indexes = [(raw[x // 2] >> 4) if x % 2 == 0 else raw[x // 2] & 15 for x in range(width)]
        elif bits == 8:
            indexes = raw[:width]
        else:
            raise RuntimeError("%s: %d bits a pixel" % (path, bits))
        rows.append(b"".join(palette[i] for i in indexes))
    return rows


class Card:
    """What one card position shows: offset is None when it holds no card, else
    -10 (raised), 0 (in its place) or +10 (lowered); number is 0 for the back, 1
    to 40 for a face and None for a picture that is no card of the program;
    frame is None, or the (line, band) colours of a focus frame over its edge."""

    def __init__(self, offset=None, number=None, look=b"", frame=None):
        self.offset = offset
        self.number = number
        self.look = look
        self.frame = frame

    @property
    def framed(self):
        return self.frame is not None

    @property
    def shown(self):
        return self.offset is not None

    @property
    def face_up(self):
        return bool(self.number)

    @property
    def value(self):
        return self.number % 10 or 10

    def __repr__(self):
        if not self.shown:
            return "-"
        what = "?" if self.number is None else "B" if self.number == 0 else str(self.number)
        return "%s%s%s" % ({-MOVE: "^", 0: "", MOVE: "v"}[self.offset], what, "*" if self.framed else "")


class Board:
    """The table read from one picture of the client area."""

    def __init__(self, picture, layout, faces):
        self.picture = picture
        self.layout = layout
        self.faces = faces
        self.report_shown = self._report_shown()
        self.cards = [None] * POSITIONS
        # The second row first: its cards cover the lower half of the first four.
        for p in EXTRA_ROW:
            self.cards[p] = self._read(p)
        for p in range(POSITIONS):
            if p not in EXTRA_ROW:
                self.cards[p] = self._read(p, self._covered_from(p))

    def __repr__(self):
        c = self.cards
        groups = (PC_HAND, (STOCK,), TABLE_ROW, EXTRA_ROW, PLAYER_HAND)
        text = " | ".join(" ".join(repr(c[p]) for p in g) for g in groups)
        return "<%s%s>" % (text, " REPORT" if self.report_shown else "")

    def shown(self, positions):
        return [p for p in positions if self.cards[p].shown]

    def at(self, positions, offset):
        return [p for p in positions if self.cards[p].offset == offset]

    def framed(self, positions=range(POSITIONS)):
        """The positions whose card shows the focus frame."""
        return [p for p in positions if self.cards[p].framed]

    def _is_card_row(self, x, y):
        if not 0 <= y < self.picture.height:
            return False
        row = self.picture.row(y, x + 6, x + 57)
        samples = [row[i:i + 3] for i in range(0, len(row), 3 * 6)]
        return sum(s != GREEN_BGR for s in samples) >= len(samples) - 1

    def _covered_from(self, position):
        """The client row where a second-row card begins over this place, or None."""
        if position not in TABLE_ROW[:len(EXTRA_ROW)]:
            return None
        below = EXTRA_ROW[TABLE_ROW.index(position)]
        card = self.cards[below]
        return self.layout.places[below][1] + card.offset if card.shown else None

    def _read(self, position, covered_from=None):
        x, y = self.layout.places[position]
        if position in EXTRA_ROW:
            # Its top lies on the card above it: read its bottom edge.
            for bottom in range(y + CARD_HEIGHT - 1 + MOVE + 2, y + CARD_HEIGHT - 1 - MOVE - 3, -1):
                if self._is_card_row(x, bottom):
                    return self._card(x, bottom - (CARD_HEIGHT - 1), y)
            return Card()
        # The PC's hand sits right under the title picture: it is never raised.
        first = y if position in PC_HAND else y - MOVE - 2
        for top in range(first, y + MOVE + 3):
            if self._is_card_row(x, top):
                return self._card(x, top, y, covered_from)
        return Card()

    def _card(self, x, top, place_y, covered_from=None):
        offset = min((-MOVE, 0, MOVE), key=lambda o: abs(top - place_y - o))
        end = min(self.picture.height, covered_from if covered_from is not None else self.picture.height)
        ys = [y for y in _SAMPLE_YS if top + y < end]
        look = _sample({y: self.picture.row(top + y, x, x + CARD_WIDTH) for y in ys}, ys)
        return Card(offset, self.faces.number(look), look, self._frame(x, top))

    def _frame(self, x, top):
        """(line, band) colours when the card at (x, top) shows a frame of one
        colour between two lines of another over its edge, else None. No card
        picture of the program has such an edge of its own."""
        rings = []
        for ring in range(FRAME_WIDTH):
            points = ([(x + dx, top + ring) for dx in _FRAME_XS] + [(x + ring, top + dy) for dy in _FRAME_YS]
                      + [(x + CARD_WIDTH - 1 - ring, top + dy) for dy in _FRAME_YS])
            colours = {self.picture.pixel(px, py) for px, py in points}
            if len(colours) != 1:
                return None
            rings.append(colours.pop())
        line, band = rings[0], rings[1]
        if rings[FRAME_WIDTH - 1] != line or band == line or any(r != band for r in rings[1:FRAME_WIDTH - 1]):
            return None
        return line, band

    def _report_shown(self):
        """The white score panel over the table: its top margin and the white gap
        between the PC's lines and the player's are white from side to side."""
        x, y = self.layout.panel
        for yy in (y + 2, y + 153):
            row = self.picture.row(yy, x + 3, x + 297)
            if row != b"\xff" * len(row):
                return False
        return True

    def under_report(self, position):
        """Whether the shown score panel covers any of this place, raised or lowered."""
        if not self.report_shown:
            return False
        x, y = self.layout.places[position]
        px, py = self.layout.panel
        return x < px + 300 and px < x + CARD_WIDTH and y - MOVE < py + 300 and py < y + CARD_HEIGHT + MOVE

    def report_covered(self):
        """Where the shown score panel does not show: the first green pixel inside
        its 300x300 square, or None."""
        x, y = self.layout.panel
        for yy in range(y, y + 300):
            found = _find_pixel(self.picture.row(yy, x, x + 300), GREEN_BGR, 0)
            if found >= 0:
                return x + found, yy
        return None


class Game:
    """One run of LurnaGame.exe of a build tree (or of the exe given, a Unix or a
    Windows path), started with the tree's wine-run, or with the runner given (a
    wrapper that also ends in exec wine), so that the exit code is the program's."""

    def __init__(self, tree, log_path=None, exe=None, runner=None):
        self.tree = os.path.abspath(tree)
        self.exe = exe or os.path.join(self.tree, "app", "LurnaGame.exe")
        self.runner = runner or os.path.join(self.tree, "wine-run")
        self.screen = Screen()
        self.faces = CardFaces()
        self.log_path = log_path
        self.process = None
        self.window = None
        self.frame = None  # outer window on the screen: x, y, width, height
        self.origin = None  # client area's top left on the screen
        self.layout = None
        self.seen_at = None
        self.changed_at = None
        self.clicked_at = None

    # -- the process --

    def start(self):
        log = open(self.log_path, "w") if self.log_path else subprocess.DEVNULL
        self.process = subprocess.Popen([self.runner, self.exe],
                                        stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        self.started_at = time.monotonic()
        return self.process

    def check_running(self):
        code = self.process.poll()
        if code is not None:
            raise Failure("the program ended by itself with exit code %d" % code)
        for title in ("Program Error", "Errore del programma"):
            if find_windows(title):
                raise Failure("Wine reports a crash (a %r window is open)" % title)

    def wait_exit(self, timeout):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end within %.0f s" % timeout)

    def kill(self):
        """Ends the program that this object started, if it still runs."""
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait(10)

    # -- finding the window --

    def wait_window(self, timeout=60):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            self.check_running()
            windows = find_windows(TITLE)
            if windows:
                self.window = windows[0]
                if self._locate():
                    return self.window
            time.sleep(0.05)
        raise Failure("no painted window %r within %.0f s" % (TITLE, timeout))

    def _locate(self):
        """True once the window shows its whole green client area; then checks the
        layout against the pixels."""
        x, y, width, height = window_geometry(self.window)
        if width <= CLIENT_WIDTH or height <= CLIENT_HEIGHT:
            return False
        picture = self.screen.grab(x, y, width, height)
        box = green_box(picture)
        if not box or (box[2] - box[0], box[3] - box[1]) != (CLIENT_WIDTH, CLIENT_HEIGHT):
            return False
        self.frame = (x, y, width, height)
        self.origin = (x + box[0], y + box[1])
        self.layout = Layout(CLIENT_WIDTH, CLIENT_HEIGHT)
        return self._layout_matches()

    def _layout_matches(self):
        """The play button's left edge and the player's first card's left edge where
        the layout puts them; false while the window is still being painted."""
        picture = self.grab()
        bx, by = self.layout.buttons["play"]
        px, py = self.layout.places[PLAYER_HAND[0]]
        return (picture.pixel(bx - 1, by + 20) == GREEN and picture.pixel(bx + 3, by + 20) != GREEN
                and picture.pixel(px - 1, py + 50) == GREEN and picture.pixel(px + 2, py + 50) != GREEN)

    # -- looking --

    def grab(self):
        """The client area."""
        return self.screen.grab(self.origin[0], self.origin[1], CLIENT_WIDTH, CLIENT_HEIGHT)

    def grab_frame(self):
        """A picture to keep of the whole window with its frame."""
        return self.screen.picture(*self.frame)

    def board(self, picture=None):
        return Board(picture or self.grab(), self.layout, self.faces)

    def wait_board(self, test, timeout, what, poll=0.01):
        """Reads the board until test(board) holds; seen_at is then the time of the
        picture it holds on."""
        deadline = time.monotonic() + timeout
        while True:
            grabbed_at = time.monotonic()
            board = self.board()
            if test(board):
                self.seen_at = grabbed_at
                return board
            self.check_running()
            if time.monotonic() > deadline:
                raise Failure("after %.1f s still not %s; the board: %r" % (timeout, what, board))
            time.sleep(poll)

    def wait_change(self, before, timeout):
        """The first client picture that differs from before, or None after timeout;
        changed_at is then the time of the first picture that differed."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            grabbed_at = time.monotonic()
            picture = self.grab()
            if not picture.same_as(before):
                self.changed_at = grabbed_at
                # Let the rest of the same event's painting arrive.
                time.sleep(0.05)
                return self.grab()
            time.sleep(0.01)
        self.check_running()
        return None

    def settled(self, quiet=0.15, timeout=5):
        """A client picture that has stayed unchanged for quiet seconds."""
        deadline = time.monotonic() + timeout
        last = self.grab()
        since = time.monotonic()
        while time.monotonic() < deadline:
            time.sleep(0.02)
            picture = self.grab()
            if not picture.same_as(last):
                last, since = picture, time.monotonic()
            elif time.monotonic() - since >= quiet:
                return last
        raise Failure("the window kept changing for %.0f s" % timeout)

    # -- acting --

    def click_client(self, x, y):
        """A real mouse press at client (x, y); clicked_at is the time the X server
        had it."""
        self.screen.click(self.origin[0] + x, self.origin[1] + y)
        self.clicked_at = time.monotonic()

    def press_button(self, name):
        self.click_client(*self.layout.button_centre(name))

    def press_card(self, position):
        offset = self.board().cards[position].offset or 0
        self.click_client(*self.layout.card_centre(position, offset))

    def press_and_see(self, click, timeout, what):
        """Does click and returns the changed picture; fails when nothing changes."""
        before = self.grab()
        click()
        after = self.wait_change(before, timeout)
        if after is None:
            raise Failure("nothing changed on the screen within %.1f s after %s" % (timeout, what))
        return after


def green_box(picture):
    """(left, top, right, bottom) of the table's pure green pixels, or None."""
    left, right, top, bottom = picture.width, -1, None, None
    for y in range(picture.height):
        row = picture.row(y)
        first = _find_pixel(row, GREEN_BGR, 0)
        if first < 0:
            continue
        last = _rfind_pixel(row, GREEN_BGR)
        top = y if top is None else top
        bottom = y
        left = min(left, first)
        right = max(right, last)
    if top is None:
        return None
    return left, top, right + 1, bottom + 1


def _find_pixel(row, pixel, start):
    at = row.find(pixel, 3 * start)
    while at >= 0 and at % 3:
        at = row.find(pixel, at + 1)
    return at // 3 if at >= 0 else -1


def _rfind_pixel(row, pixel):
    at = row.rfind(pixel)
    while at >= 0 and at % 3:
        at = row.rfind(pixel, 0, at + 2)
    return at // 3 if at >= 0 else -1
