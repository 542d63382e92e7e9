#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

"""Writes the small BMP files the BMP fuzzer starts from into tests/fuzz/corpus.

Good images of a few widths (with and without row padding, with a gap before
the pixels) and near misses the loader must refuse, so the fuzzer starts next to
every branch of the header checks.
"""

import os
import struct

FOLDER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "fuzz", "corpus")


def bmp(width, height, pixels, bits=24, planes=1, offset=54, compression=0, header=40):
    data = bytes(pixels)
    head = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHI", header, width, height, planes, bits, compression)
    info += bytes(header - len(info)) if header >= len(info) else b""
    gap = bytes(max(0, offset - 14 - len(info)))
    return head + info + gap + data


def rows(width, height):
    stride = (width * 3 + 3) // 4 * 4
    out = []
    for y in range(height):
        row = [(x * 40 + y * 7 + c * 90) % 256 for x in range(width) for c in range(3)]
        out += row + [0] * (stride - len(row))
    return out


SEEDS = {
    "2x1_packed.bmp": bmp(2, 1, [10, 20, 30, 40, 50, 60]),
    "3x2_padded.bmp": bmp(3, 2, rows(3, 2)),
    "1x1.bmp": bmp(1, 1, rows(1, 1)),
    "4x4.bmp": bmp(4, 4, rows(4, 4)),
    "5x3_gap.bmp": bmp(5, 3, rows(5, 3), offset=70),
    "short_pixels.bmp": bmp(4, 4, rows(4, 4)[:20]),
    "top_down.bmp": bmp(2, -2, rows(2, 2)),
    "8_bits.bmp": bmp(2, 2, rows(2, 2), bits=8),
    "two_planes.bmp": bmp(2, 2, rows(2, 2), planes=2),
    "rle.bmp": bmp(2, 2, rows(2, 2), compression=4),
    "core_header.bmp": struct.pack("<2sIHHIIHHHH", b"BM", 32, 0, 0, 26, 12, 2, 1, 1, 24)
    + bytes(6),
}


def main():
    os.makedirs(FOLDER, exist_ok=True)
    for name, data in SEEDS.items():
        with open(os.path.join(FOLDER, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
