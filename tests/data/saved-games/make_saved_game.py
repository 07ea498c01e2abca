#!/usr/bin/env python3
"""Writes small.sv1: a saved game of 3 pieces on a 12 x 8 picture, laid out byte by byte from the
format's tables without the game's code, so that the reader and the writer are checked against
something they did not make. saved_game_test builds the same game and expects the same bytes.

Run it again after changing it and keep the file it writes in the repository beside it.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

PREVIEW_KEY, PICTURE_KEY, MASK_KEY, INFO_KEY = 0x5A, 0xC3, 0x96, 0x2D
SEED = 7301
WIDTH, HEIGHT = 12, 8
PIECES = 3
NAME = ("Ladybird on a dandelion " * 11)[:255].encode("latin-1")
INFO = "Ladybird\r\nPhoto: Ann Example\r\nCaf\u00e9 \U0001F41E\r\n"


def bmp_file(width, height, pixel):
    """A 24-bit bitmap file, rows bottom-up; pixel(x, y) gives (blue, green, red)."""
    row_bytes = (width * 3 + 3) & ~3
    rows = b""
    for y in reversed(range(height)):
        row = b"".join(bytes(pixel(x, y)) for x in range(width))
        rows += row + b"\0" * (row_bytes - len(row))
    header = b"BM" + struct.pack("<IIII", 54 + len(rows), 0, 54, 40)
    info = struct.pack("<iiHHIIiiII", width, height, 1, 24, 0, len(rows), 0, 0, 0, 0)
    return header + info + rows


def entry(data, key):
    return struct.pack("<i", len(data)) + bytes(b ^ key for b in data)


def descriptor():
    ints = [SEED, 20, 10, 5, 6, 3, 1, 3, 0, 0, 0, PIECES, WIDTH, HEIGHT, 24, 16, 0, 1, 11, 6, 2]
    flags = [1, 0, 5, 1, 1]  # Rotate, BorderStyle, ShapeStyle, SpreadOut, FitToScreen
    tail = [3, 2, 0x9C, 0, 27, 999, 4242]  # SideNum, side played, tag, reserved, entry positions
    return struct.pack("<21i5B3x7i", *ints, *flags, *tail)


def piece(k):
    neighbours = [k - 1 if k > 0 else -1, -1, k + 1 if k < PIECES - 1 else -1] + [-1] * 6
    return (struct.pack("<iiiBBBx", 1000 + 37 * k, -5 + 11 * k, (k + 1) % PIECES, k + 1, k, k == 1)
            + struct.pack("<13i", 4 * k, 0, 4, 8, 4 * k - 1, -2, 6, 10, 4 * k + 1, 3, 6 + k, 10 - k, k + 3)
            + struct.pack("<hxx2i2iBx9hBBxx", 1 << (k + 3), 1000 * k + 1, -k - 7, 70000 + k, 4, k == 2,
                          *neighbours, 10 + k, 1 << k))


def pocket(k):
    left, top = 10 + 100 * k, 20 + k
    return struct.pack("<BB6i", 0, k % 2 == 0, left, top, left + 99, top + 149 + k, 3 * k, -k)


def play_state():
    backgrounds = [7, -1, 2, 0x336699, 0xFFFFFF, 0x010203, 0x040506, 0x070809, 0x0A0B0C]
    keys = [2, 5, 1, 3, 0, 6, 0, 1]
    return (struct.pack("<9i8B", *backgrounds, *keys) + b"".join(piece(k) for k in range(PIECES))
            + b"".join(pocket(k) for k in range(4)) + struct.pack("<ii", 56010, 2) + b"\0" * 256)


def main():
    thumbnail = bmp_file(3, 2, lambda x, y: (0x10 * x, 0x20 * y, 0xF0))
    picture = bmp_file(WIDTH, HEIGHT, lambda x, y: (20 * x, 30 * y, 255 - x - y))
    mask = bmp_file(WIDTH + 5, HEIGHT + 5, lambda x, y: (10 + x // 4 if x < WIDTH and y < HEIGHT else 0, 0, 128))
    info = ("\ufeff" + INFO).encode("utf-16-le")
    entries = (entry(thumbnail, PREVIEW_KEY) + entry(picture, PICTURE_KEY) + entry(mask, MASK_KEY)
               + entry(info, INFO_KEY))
    head_size = 23 + len(NAME) + 1 + 120
    head = b"KIRVOSLV1.0" + struct.pack("<iii", SEED, head_size + len(entries), len(NAME) + 1) + NAME + b"\0"
    with open(os.path.join(HERE, "small.sv1"), "wb") as out:
        out.write(head + descriptor() + entries + play_state())


if __name__ == "__main__":
    main()
