#!/usr/bin/env python3
"""Writes the small malformed PNG, JPEG and BMP files of malformed/.

Every file must be refused by every decoder with an error, never a crash. Run it again after
changing it and keep the files it writes in the repository beside it.
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "malformed")


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_file(width, height, idat=None):
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)  # 8-bit truecolour
    if idat is None:
        idat = zlib.compress(b"".join(b"\0" + b"\x80" * (3 * width) for _ in range(height)))
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", ihdr) + png_chunk(b"IDAT", idat)
            + png_chunk(b"IEND", b""))


# An 8 x 8 grey baseline JPEG with optimised Huffman tables, as libjpeg writes it.
TINY_JPEG = bytes.fromhex(
    "ffd8ffdb004300100b0c0e0c0a100e0d0e1211101318281a181616183123251d283a333d3c3933383740485c"
    "4e404457453738506d51575f626768673e4d71797064785c656763ffc0000b080008000801011100ffc40014"
    "000100000000000000000000000000000002ffc4001a1000010501000000000000000000000000030001043474"
    "b3ffda0008010100003f0024b64d123932ffd9")


def jpeg_with_size(width, height):
    sof = TINY_JPEG.index(b"\xff\xc0")
    size_at = sof + 5  # marker, length, precision, then height and width
    return TINY_JPEG[:size_at] + struct.pack(">HH", height, width) + TINY_JPEG[size_at + 4:]


def bmp_file(width, height, bit_count=24, offset=54, info_size=40, pixel_bytes=None):
    row = (width * bit_count // 8 + 3) & ~3 if width > 0 else 0
    if pixel_bytes is None:
        pixel_bytes = row * min(abs(height), 4)
    header = b"BM" + struct.pack("<IHHI", 54 + pixel_bytes, 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", info_size, width, height, 1, bit_count, 0, 0, 0, 0, 0, 0)
    return header + info + b"\x40" * pixel_bytes


def main():
    good_png = png_file(4, 4)
    idat_at = good_png.index(b"IDAT")
    bad_crc = bytearray(good_png)
    bad_crc[good_png.index(b"IEND") - 5] ^= 0xFF  # last byte of the IDAT checksum

    garbage = bytearray(b"\xff\xd8")
    state = 12345
    for _ in range(300):
        state = (state * 1103515245 + 12345) % 2**31
        garbage.append(state >> 16 & 0xFF)

    files = {
        "empty.bin": b"",
        "png_signature_only.png": good_png[:8],
        "png_truncated_idat.png": good_png[:idat_at + 12],
        "png_without_iend.png": good_png[:good_png.index(b"IEND") - 4],
        "png_bad_crc.png": bytes(bad_crc),
        "png_bad_deflate.png": png_file(4, 4, idat=b"\x78\x9c" + b"\xff" * 20),
        "png_absurd_size.png": png_file(0x7FFFFFFF, 0x7FFFFFFF, idat=b""),
        "png_over_pixel_cap.png": png_file(10000, 10001, idat=zlib.compress(b"")),
        "png_zero_width.png": png_file(0, 4, idat=b""),
        "jpeg_header_only.jpg": TINY_JPEG[:TINY_JPEG.index(b"\xff\xda")],
        "jpeg_truncated_scan.jpg": TINY_JPEG[:-5],
        "jpeg_garbage.jpg": bytes(garbage),
        "jpeg_over_pixel_cap.jpg": jpeg_with_size(65000, 65000),
        "jpeg_zero_size.jpg": jpeg_with_size(0, 0),
        "bmp_truncated_header.bmp": bmp_file(4, 4)[:20],
        "bmp_offset_past_end.bmp": bmp_file(4, 4, offset=100000),
        "bmp_offset_inside_header.bmp": bmp_file(4, 4, offset=10),
        "bmp_rows_past_end.bmp": bmp_file(4, 1000),
        "bmp_huge_info_size.bmp": bmp_file(4, 4, info_size=0xFFFFFFF0),
        "bmp_negative_width.bmp": bmp_file(-4, 4, pixel_bytes=64),
        "bmp_height_int_min.bmp": bmp_file(4, -2**31, pixel_bytes=64),
        "bmp_over_pixel_cap.bmp": bmp_file(20000, 20000, pixel_bytes=64),
        "bmp_8_bit.bmp": bmp_file(4, 4, bit_count=8),
    }
    os.makedirs(OUT, exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
