#!/usr/bin/env python3
"""Draws the program's own pictures: the two editor cursors and the program icon.

Run at development time (python3 draw_images.py) in this folder; the PNGs it writes are
committed, so a build needs no Python. Standard library only.
"""

import math
import struct
import zlib

TRANSPARENT = (0, 0, 0, 0)
BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)


def write_png(path, pixels):
    """pixels: rows of RGBA tuples."""
    height = len(pixels)
    width = len(pixels[0])
    raw = b"".join(b"\x00" + b"".join(struct.pack("4B", *p) for p in row) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as png:
        png.write(b"\x89PNG\r\n\x1a\n")
        png.write(chunk(b"IHDR", header))
        png.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        png.write(chunk(b"IEND", b""))


def from_art(art, palette, size=32):
    """A size x size picture from rows of characters, padded with transparency."""
    pixels = [[TRANSPARENT] * size for _ in range(size)]
    for y, row in enumerate(art):
        for x, key in enumerate(row):
            pixels[y][x] = palette[key]
    return pixels


def pencil():
    """A pencil lying from its point at (4, 4) down to the right: black outline, white wood,
    black graphite point and a black band at the ferrule."""
    tip = 4

    def inside(x, y):
        along = ((x - tip) + (y - tip)) / math.sqrt(2)
        across = abs((x - tip) - (y - tip)) / math.sqrt(2)
        if along < 0:
            return False
        if along <= 7:
            return across <= along * 0.5 + 0.5
        return along <= 27 and across <= 4

    pixels = [[TRANSPARENT] * 32 for _ in range(32)]
    for y in range(32):
        for x in range(32):
            if not inside(x, y):
                continue
            edge = not all(inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            along = ((x - tip) + (y - tip)) / math.sqrt(2)
            dark = edge or along <= 2.5 or 7 <= along < 8 or 22 <= along < 23.5
            pixels[y][x] = BLACK if dark else WHITE
    return pixels


HAND = [
    "",
    "......XXX",
    ".....XoooX",
    ".....XoooX",
    ".....XoooX",
    ".....XoooX",
    ".....XoooXXX",
    ".....XoooXooXXX",
    ".....XoooXooXooXX",
    ".....XoooXooXooXoX",
    ".XX..XoooXooXooXooX",
    "XooX.XoooooooooooooX",
    "XoooXXoooooooooooooX",
    ".XoooXoooooooooooooX",
    "..XooXoooooooooooooX",
    "..XoooooooooooooooX",
    "...XooooooooooooooX",
    "...XooooooooooooooX",
    "....XooooooooooooX",
    "....XooooooooooooX",
    ".....XooooooooooX",
    ".....XooooooooooX",
    ".....XXXXXXXXXXXX",
]

# A 5 x 5 square covered by five elements, each with its light and dark colour of the
# 16-colour palette: L, Y, P, V and N.
TILING = [
    "LLLLY",
    "LPPYY",
    "VPPPY",
    "VNNNY",
    "VVVNN",
]
COLOURS = {
    "L": ((255, 0, 0, 255), (128, 0, 0, 255)),
    "Y": ((255, 255, 0, 255), (128, 128, 0, 255)),
    "P": ((0, 0, 255, 255), (0, 0, 128, 255)),
    "V": ((0, 255, 0, 255), (0, 128, 0, 255)),
    "N": ((255, 0, 255, 255), (128, 0, 128, 255)),
}


def icon(size, pitch):
    """The tiling with cells `pitch` pixels apart: lines between cells of one element in its
    dark colour, lines between elements and around the square black."""
    pixels = [[TRANSPARENT] * size for _ in range(size)]
    cells = len(TILING)

    def owner(column, row):
        if 0 <= column < cells and 0 <= row < cells:
            return TILING[row][column]
        return None

    for y in range(cells * pitch + 1):
        for x in range(cells * pitch + 1):
            column, row = x // pitch, y // pitch
            on_vertical = x % pitch == 0
            on_horizontal = y % pitch == 0
            if not on_vertical and not on_horizontal:
                pixels[y][x] = COLOURS[owner(column, row)][0]
                continue
            # The cells that meet at this line pixel.
            left_columns = [column - 1, column] if on_vertical else [column]
            top_rows = [row - 1, row] if on_horizontal else [row]
            around = {owner(c, r) for c in left_columns for r in top_rows}
            if len(around) == 1 and None not in around:
                pixels[y][x] = COLOURS[around.pop()][1]
            else:
                pixels[y][x] = BLACK
    return pixels


if __name__ == "__main__":
    write_png("pencil.png", pencil())
    write_png("hand.png", from_art(HAND, {".": TRANSPARENT, "X": BLACK, "o": WHITE}))
    write_png("tessellix-32.png", icon(32, 6))
    write_png("tessellix-16.png", icon(16, 3))
