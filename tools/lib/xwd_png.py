#!/usr/bin/env python3
"""A PNG of X windows, from xwd's dumps, with nothing beyond Python.

    xwd_png.py [--frame] OUTPUT WINDOW [WINDOW...]

Each window (an X id, as xdotool gives it) is dumped by xwd and laid where
it stands on the screen over the first one's area, so that a menu or a
dialog, each a window of its own, shows over the window it belongs to.
With --frame the window (one alone) is taken with the frame and title bar
a window manager has put round it. ImageMagick's import would do the same;
this keeps the documentation's pictures to small packages (x11-apps for
xwd, x11-utils for xwininfo).
"""
import re
import struct
import subprocess
import sys
import zlib


def geometry(window):
    info = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                          capture_output=True, text=True, check=True).stdout
    g = dict(re.findall(r"(\w+)=(\d+)", info))
    return int(g["X"]), int(g["Y"])


def frame_of(window):
    """The window a window manager has put the window in: its ancestor
    that is a child of the root (xwd's -frame does this only for a window
    picked with the mouse)."""
    while True:
        tree = subprocess.run(["xwininfo", "-tree", "-id", window], capture_output=True, text=True,
                              check=True).stdout
        parent = re.search(r"Parent window id: (0x[0-9a-f]+)( \(the root window\))?", tree)
        if parent is None or parent.group(2):
            return window
        window = parent.group(1)


def dump(window, frame=False):
    """width, height, bytes a row, bytes a pixel and the pixels of the
    window's dump (a header of 32-bit big-endian fields, a colour map, then
    the rows, each pixel blue, green, red and maybe a fourth byte)."""
    data = subprocess.run(["xwd", "-silent", "-id", frame_of(window) if frame else window],
                          capture_output=True, check=True).stdout
    f = struct.unpack(">25I", data[:100])
    if f[11] not in (24, 32):
        sys.exit(f"xwd_png.py: {f[11]} bits a pixel, expected 24 or 32")
    return f[4], f[5], f[12], f[11] // 8, data[f[0] + 12 * f[19]:]


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def main():
    arguments = sys.argv[1:]
    frame = arguments[:1] == ["--frame"]
    if frame:
        arguments = arguments[1:]
    if len(arguments) < 2 or (frame and len(arguments) != 2):
        sys.exit("usage: " + __doc__.strip().splitlines()[2].strip())
    output, windows = arguments[0], arguments[1:]
    x0, y0 = geometry(windows[0])
    width, height = dump(windows[0], frame)[:2]
    canvas = [bytearray(3 * width) for _ in range(height)]
    for i, window in enumerate(windows):
        x, y = geometry(window)
        w, h, stride, size, pixels = dump(window, frame and i == 0)
        for row in range(h):
            top = y - y0 + row
            if not 0 <= top < height:
                continue
            for column in range(w):
                left = x - x0 + column
                if 0 <= left < width:
                    at = row * stride + size * column
                    b, g, r = pixels[at:at + 3]
                    canvas[top][3 * left:3 * left + 3] = bytes((r, g, b))
    rows = b"".join(b"\0" + bytes(row) for row in canvas)
    with open(output, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n"
                  + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                  + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    main()
