"""Pixels of the X screen, read straight from the server with XGetImage, pictures
of it as a monitor shows it, read from Xvfb's framebuffer, and pictures written
as PNG files. Only the Python standard library: libX11 through ctypes, PNG
through zlib."""

import ctypes
import ctypes.util
import mmap
import os
import struct
import sys
import time
import zlib

_ZPIXMAP = 2
_ALL_PLANES = ctypes.c_ulong(0xFFFFFFFF)


class _XImage(ctypes.Structure):
    # The leading fields of Xlib's XImage, up to the ones read here.
    _fields_ = [
        ("width", ctypes.c_int),
        ("height", ctypes.c_int),
        ("xoffset", ctypes.c_int),
        ("format", ctypes.c_int),
        ("data", ctypes.c_void_p),
        ("byte_order", ctypes.c_int),
        ("bitmap_unit", ctypes.c_int),
        ("bitmap_bit_order", ctypes.c_int),
        ("bitmap_pad", ctypes.c_int),
        ("depth", ctypes.c_int),
        ("bytes_per_line", ctypes.c_int),
        ("bits_per_pixel", ctypes.c_int),
    ]


class Picture:
    """A rectangle of the screen: 4 bytes a pixel, blue, green, red, unused."""

    def __init__(self, width, height, stride, data):
        self.width = width
        self.height = height
        self.stride = stride
        self.data = data

    def pixel(self, x, y):
        at = y * self.stride + 4 * x
        b, g, r = self.data[at], self.data[at + 1], self.data[at + 2]
        return (r, g, b)

    def row(self, y, x0=0, x1=None):
        """The pixels of a row from x0 up to x1 as 3-byte BGR groups, padding dropped."""
        x1 = self.width if x1 is None else x1
        start = y * self.stride
        raw = self.data[start + 4 * x0:start + 4 * x1]
        out = bytearray(3 * (x1 - x0))
        out[0::3], out[1::3], out[2::3] = raw[0::4], raw[1::4], raw[2::4]
        return bytes(out)

    def crop(self, x, y, width, height):
        rows = [self.data[(y + j) * self.stride + 4 * x:(y + j) * self.stride + 4 * (x + width)]
                for j in range(height)]
        return Picture(width, height, 4 * width, b"".join(rows))

    def same_as(self, other):
        """Same pixels; the unused fourth byte may hold anything."""
        if (self.width, self.height) != (other.width, other.height):
            return False
        if self.data == other.data:
            return True
        return all(self.row(y) == other.row(y) for y in range(self.height))

    def save_png(self, path):
        lines = []
        for y in range(self.height):
            bgr = self.row(y)
            rgb = bytearray(len(bgr))
            rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
            lines.append(b"\0" + bytes(rgb))

        def chunk(name, body):
            return struct.pack(">I", len(body)) + name + body + struct.pack(">I", zlib.crc32(name + body))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                    + chunk(b"IDAT", zlib.compress(b"".join(lines), 9)) + chunk(b"IEND", b""))


class Framebuffer:
    """The screen as Xvfb keeps it in the file it was given with -fbdir: an XWD
    picture of the whole screen that the server maps and draws into, so that it
    is as current as the server's own pixels. Unlike the root window's image
    (XGetImage, xwd -root), it shows Wine's message boxes painted: Wine gives
    them save-under X windows, which the root's image shows black."""

    _HEADER = struct.Struct(">25I")

    def __init__(self, path):
        with open(path, "rb") as f:
            self._map = mmap.mmap(f.fileno(), 0, access=mmap.ACCESS_READ)
        fields = self._HEADER.unpack_from(self._map, 0)
        (header_size, _version, _format, _depth, self.width, self.height, _xoffset, byte_order, _unit, _bit_order,
         _pad, bits_per_pixel, self._stride, _visual, red_mask, green_mask, blue_mask) = fields[:17]
        colours = fields[19]
        if (bits_per_pixel, byte_order, red_mask, green_mask, blue_mask) != (32, 0, 0xFF0000, 0xFF00, 0xFF):
            raise RuntimeError("%s: not a 24-bit screen stored blue, green, red, unused" % path)
        self._data = header_size + 12 * colours

    def grab(self, x, y, width, height):
        rows = [self._map[self._data + (y + j) * self._stride + 4 * x:
                          self._data + (y + j) * self._stride + 4 * (x + width)] for j in range(height)]
        return Picture(width, height, 4 * width, b"".join(rows))


class Screen:
    """The X display named by $DISPLAY; its framebuffer, when $LURNA_FRAMEBUFFER
    names the file of an Xvfb server (cmake/with-xvfb starts one so)."""

    def __init__(self):
        self._x = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        self._x.XOpenDisplay.restype = ctypes.c_void_p
        self._x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self._x.XDefaultRootWindow.restype = ctypes.c_ulong
        self._x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self._x.XGetImage.restype = ctypes.POINTER(_XImage)
        self._x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                      ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self._x.XDestroyImage.argtypes = [ctypes.POINTER(_XImage)]
        self._x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self._x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        # XTest: the mouse events that the server takes as the user's own (the
        # extension xdotool uses), sent here so that the press's moment is known.
        self._xtest = ctypes.CDLL(ctypes.util.find_library("Xtst") or "libXtst.so.6")
        self._xtest.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                                     ctypes.c_ulong]
        self._xtest.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self._display = self._x.XOpenDisplay(None)
        if not self._display:
            raise RuntimeError("cannot open the X display %r" % os.environ.get("DISPLAY"))
        self._root = self._x.XDefaultRootWindow(self._display)
        path = os.environ.get("LURNA_FRAMEBUFFER")
        self.framebuffer = Framebuffer(path) if path else None
        self._told_no_framebuffer = False

    def grab(self, x, y, width, height):
        image = self._x.XGetImage(self._display, self._root, x, y, width, height, _ALL_PLANES, _ZPIXMAP)
        if not image:
            raise RuntimeError("XGetImage failed for %dx%d at (%d, %d)" % (width, height, x, y))
        try:
            info = image.contents
            if info.bits_per_pixel != 32:
                raise RuntimeError("the screen must be 24 or 32 bits deep, not %d bits a pixel" % info.bits_per_pixel)
            data = ctypes.string_at(info.data, info.bytes_per_line * info.height)
            return Picture(info.width, info.height, info.bytes_per_line, data)
        finally:
            self._x.XDestroyImage(image)

    def picture(self, x, y, width, height, quiet=0.2, timeout=3.0):
        """A picture to keep of a rectangle of the screen, as a monitor shows it:
        read from the framebuffer once it has stayed the same for quiet seconds
        (a window that has just opened may still be painting), or at the timeout.
        Without a framebuffer, the root window's image.

        The checks read the screen with grab instead: XGetImage takes the
        server's pixels whole between two of its requests, works on any X
        server, and never holds the pointer, which Xvfb draws into its
        framebuffer unless started with -nocursor; the game window that they
        read is the same in both."""
        if not self.framebuffer:
            if not self._told_no_framebuffer:
                print("(no LURNA_FRAMEBUFFER: pictures come from the root window, where Wine's message boxes"
                      " show black; cmake/with-xvfb starts an X server that keeps one)", file=sys.stderr)
                self._told_no_framebuffer = True
            return self.grab(x, y, width, height)
        deadline = time.monotonic() + timeout
        last = self.framebuffer.grab(x, y, width, height)
        since = time.monotonic()
        while time.monotonic() < deadline:
            time.sleep(0.02)
            picture = self.framebuffer.grab(x, y, width, height)
            if not picture.same_as(last):
                last, since = picture, time.monotonic()
            elif time.monotonic() - since >= quiet:
                break
        return last

    def click(self, x, y):
        """Moves the pointer to (x, y) and presses and releases the left button
        there; returns once the X server has taken the events."""
        self._xtest.XTestFakeMotionEvent(self._display, -1, x, y, 0)
        self._xtest.XTestFakeButtonEvent(self._display, 1, True, 0)
        self._xtest.XTestFakeButtonEvent(self._display, 1, False, 0)
        self._x.XSync(self._display, False)

    def close(self):
        if self._display:
            self._x.XCloseDisplay(self._display)
            self._display = None
