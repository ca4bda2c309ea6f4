#!/usr/bin/env python3
"""Writes a Windows .ico from an SVG drawing: rsvg-convert draws it at each
size, and the PNGs go into the icon file as they are (Windows Vista and
later read PNG images in icons).

    make_icon.py [--rsvg-convert PATH] DRAWING.svg OUT.ico
"""

import argparse
import struct
import subprocess

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--rsvg-convert", default="rsvg-convert")
    parser.add_argument("svg")
    parser.add_argument("ico")
    args = parser.parse_args()
    images = [subprocess.run([args.rsvg_convert, "-w", str(size), "-h", str(size), args.svg],
                             check=True, capture_output=True).stdout for size in SIZES]
    # ICONDIR, then one ICONDIRENTRY per image (a size of 256 is written 0),
    # then the images.
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, data = b"", b""
    for size, png in zip(SIZES, images):
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(png), offset)
        offset += len(png)
        data += png
    with open(args.ico, "wb") as f:
        f.write(header + entries + data)


if __name__ == "__main__":
    main()
