#!/usr/bin/env python3
"""Draws the help's picture of the four kinds of explained step, as the board shows them.

Run at development time (python3 draw_help_pictures.py) in this folder; the PNG it writes is
committed, so a build needs no Python. Standard library only. The cells, the elements and the
dashed marks follow the game's own drawing: 15-pixel cells sharing their border lines, frames
two pixels deep along the edge, outlines three pixels inside it, three pixels of dash in five.
"""

import struct
import zlib

CELL = 15
BOARD_GREY = (192, 192, 192)
WHITE = (255, 255, 255)
PEN_GREY = (128, 128, 128)
BLACK = (0, 0, 0)
RED = (255, 0, 0)
COLOURS = {"I": (255, 0, 0), "P": (0, 192, 192)}

# From left to right: a cell that one placement covers, an element with one place, a region
# that cannot be covered, and the cell of a guess. '.' no cell, 'o' a free cell, 'f' a framed
# one, 'p' one of the outlined placement, 'b' both; a capital letter a placed element's cell.
PANELS = [
    ["bpppo", "poooo", "ooooo"],
    ["oopoo", "opppo", "oopoo"],
    ["IIIII", "ffPPP", "ffPP."],
    ["foooo", "ooooo", "ooooo"],
]
MARGIN = 8


def write_png(path, pixels):
    height = len(pixels)
    width = len(pixels[0])
    raw = b"".join(b"\x00" + b"".join(struct.pack("3B", *p) for p in row) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    with open(path, "wb") as png:
        png.write(b"\x89PNG\r\n\x1a\n")
        png.write(chunk(b"IHDR", header))
        png.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        png.write(chunk(b"IEND", b""))


def cells_of(panel, keys):
    return {(c, r) for r, row in enumerate(panel) for c, key in enumerate(row) if key in keys}


def draw_ring(pixels, ox, oy, cells, depth, dash, gap):
    """The game's dashed ring `depth` pixels inside the edge of the cells."""
    for (column, row) in cells:
        def outside(dc, dr):
            return (column + dc, row + dr) not in cells

        for y in range(CELL + 1):
            for x in range(CELL + 1):
                right, bottom = CELL - x, CELL - y
                found = []
                for edge, d, across in (
                    (outside(-1, 0), x, False),
                    (outside(1, 0), right, False),
                    (outside(0, -1), y, True),
                    (outside(0, 1), bottom, True),
                    (outside(-1, -1), max(x, y), y > x),
                    (outside(1, -1), max(right, y), y > right),
                    (outside(-1, 1), max(x, bottom), bottom > x),
                    (outside(1, 1), max(right, bottom), bottom > right),
                ):
                    if edge and (not found or d < found[0]):
                        found = [d, across]
                if not found or found[0] not in (depth, depth + 1):
                    continue
                px, py = column * CELL + x, row * CELL + y
                on_dash = (px if found[1] else py) % 5 < 3
                if on_dash or gap is not None:
                    pixels[oy + py][ox + px] = dash if on_dash else gap


def draw_panel(pixels, ox, oy, panel):
    shape = cells_of(panel, "ofpbIP")
    for (column, row) in shape:
        key = panel[row][column]
        fill = COLOURS.get(key, WHITE)
        for y in range(CELL + 1):
            for x in range(CELL + 1):
                edge = x in (0, CELL) or y in (0, CELL)
                pixels[oy + row * CELL + y][ox + column * CELL + x] = PEN_GREY if edge else fill
    # Black lines where a cell meets no cell, or another element.
    for (column, row) in shape:
        key = panel[row][column]
        group = key if key.isupper() else "free"
        for dc, dr in ((-1, 0), (1, 0), (0, -1), (0, 1)):
            other = (column + dc, row + dr)
            other_group = None
            if other in shape:
                other_key = panel[other[1]][other[0]]
                other_group = other_key if other_key.isupper() else "free"
            if other_group == group:
                continue
            for k in range(CELL + 1):
                x = CELL if dc == 1 else 0 if dc == -1 else k
                y = CELL if dr == 1 else 0 if dr == -1 else k
                pixels[oy + row * CELL + y][ox + column * CELL + x] = BLACK
    draw_ring(pixels, ox, oy, cells_of(panel, "pb"), 3, BLACK, None)
    draw_ring(pixels, ox, oy, cells_of(panel, "fb"), 0, RED, WHITE)


def main():
    columns = max(len(panel[0]) for panel in PANELS)
    rows = max(len(panel) for panel in PANELS)
    step = columns * CELL + 1 + MARGIN
    width = MARGIN + step * len(PANELS)
    height = 2 * MARGIN + rows * CELL + 1
    pixels = [[BOARD_GREY] * width for _ in range(height)]
    for i, panel in enumerate(PANELS):
        draw_panel(pixels, MARGIN + i * step, MARGIN, panel)
    write_png("../help/explain-steps.png", pixels)


if __name__ == "__main__":
    main()
