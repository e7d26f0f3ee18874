#!/usr/bin/env python3
"""Writes sys_images.bmp: the select arrow, the left arrow and the right arrow of the palette
tab, 18 x 18 pixels each, side by side on magenta, as an uncompressed 24-bit bitmap file."""
import struct
import sys

SIZE = 18
COUNT = 3
MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)


def pointer():
    """A mouse pointer: a white arrow head with a black outline and a short tail."""
    rows = [
        "X",
        "XX",
        "XWX",
        "XWWX",
        "XWWWX",
        "XWWWWX",
        "XWWWWWX",
        "XWWWWWWX",
        "XWWWWWWWX",
        "XWWWWWXXXX",
        "XWWXWWX",
        "XWX XWWX",
        "XX  XWWX",
        "X    XWWX",
        "     XWWX",
        "      XX",
    ]
    picture = {}
    for y, row in enumerate(rows):
        for x, cell in enumerate(row):
            if cell in "XW":
                picture[(x + 5, y + 1)] = BLACK if cell == "X" else WHITE
    return picture


def triangle(pointing_left):
    """A solid black triangle, 5 pixels wide and 9 high, in the middle."""
    picture = {}
    for column in range(5):
        half = column if pointing_left else 4 - column
        x = 6 + column
        for y in range(9 - half - 4, 9 + half - 4 + 1):
            picture[(x, y + 4)] = BLACK
    return picture


def write(path):
    images = [pointer(), triangle(True), triangle(False)]
    width = SIZE * COUNT
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for y in reversed(range(SIZE)):  # bottom-up rows
        row = bytearray()
        for x in range(width):
            red, green, blue = images[x // SIZE].get((x % SIZE, y), MAGENTA)
            row += bytes((blue, green, red))
        pixels += row + bytes(stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, width, SIZE, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, "wb") as out:
        out.write(header + info + pixels)


if __name__ == "__main__":
    write(sys.argv[1] if len(sys.argv) > 1 else "sys_images.bmp")
