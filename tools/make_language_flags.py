#!/usr/bin/env python3
"""Draws the flag pictures of the shipped languages: 60 x 40, 24-bit BMP, beside the language files.

Usage: tools/make_language_flags.py [language folder]   (default: data/language)
"""
import struct
import sys
from pathlib import Path

WIDTH, HEIGHT = 60, 40


def english(x, y):
    # A red cross on white.
    if abs(x - 29.5) < 4.5 or abs(y - 19.5) < 4.5:
        return (0xC8, 0x10, 0x2E)
    return (0xFF, 0xFF, 0xFF)


def german(x, y):
    # Black, red and gold bands.
    return [(0x00, 0x00, 0x00), (0xDD, 0x00, 0x00), (0xFF, 0xCE, 0x00)][y * 3 // HEIGHT]


def bmp(colour_at):
    row_size = (WIDTH * 3 + 3) // 4 * 4
    pixels = bytearray()
    for y in reversed(range(HEIGHT)):  # rows are stored bottom-up
        row = bytearray()
        for x in range(WIDTH):
            r, g, b = colour_at(x, y)
            row += bytes((b, g, r))
        pixels += row + bytes(row_size - len(row))
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def main():
    folder = Path(sys.argv[1] if len(sys.argv) > 1 else 'data/language')
    for name, colour_at in (('english', english), ('german', german)):
        (folder / f'{name}.bmp').write_bytes(bmp(colour_at))


if __name__ == '__main__':
    main()
