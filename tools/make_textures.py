#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

"""Draws the game's six textures and writes them as 24-bit BMP files.

    tools/make_textures.py [folder]     (default: data/bmp)

1 stone slabs, 2 red brick, 3 windows in a plastered wall, 4 roof tiles,
5 wooden planks, 6 grass. Every picture tiles seamlessly, since the textures
repeat. The same seed always gives the same files.
"""

import math
import os
import random
import struct
import sys

SIZE = 128


def write_bmp(path, width, height, pixel):
    """pixel(x, y) -> (r, g, b) in 0..255, with y = 0 the top row."""
    row_bytes = (width * 3 + 3) // 4 * 4
    data = bytearray()
    for y in reversed(range(height)):  # BMP rows run bottom to top
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += bytes(row_bytes - len(row))
        data += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + data)


class Noise:
    """Smooth value noise that wraps around every `period` pixels."""

    def __init__(self, seed, cells, period=SIZE):
        rng = random.Random(seed)
        self.cells = cells
        self.scale = cells / period
        self.values = [[rng.random() for _ in range(cells)] for _ in range(cells)]

    def __call__(self, x, y):
        fx, fy = x * self.scale, y * self.scale
        x0, y0 = int(math.floor(fx)), int(math.floor(fy))
        tx, ty = fx - x0, fy - y0
        tx, ty = tx * tx * (3 - 2 * tx), ty * ty * (3 - 2 * ty)
        c = self.cells
        v = self.values
        a = v[y0 % c][x0 % c] * (1 - tx) + v[y0 % c][(x0 + 1) % c] * tx
        b = v[(y0 + 1) % c][x0 % c] * (1 - tx) + v[(y0 + 1) % c][(x0 + 1) % c] * tx
        return a * (1 - ty) + b * ty


def fractal(seed, octaves=(4, 8, 16, 32)):
    layers = [Noise(seed + i, cells) for i, cells in enumerate(octaves)]
    weights = [0.5 ** i for i in range(len(layers))]
    total = sum(weights)
    return lambda x, y: sum(w * n(x, y) for w, n in zip(weights, layers)) / total


def clamp(v):
    return max(0, min(255, int(round(v))))


def shade(color, factor):
    return tuple(clamp(c * factor) for c in color)


def mix(a, b, t):
    return tuple(clamp(p * (1 - t) + q * t) for p, q in zip(a, b))


def stone(x, y, grain=fractal(11)):
    # Four by four square slabs with mortar joints; each slab its own tone.
    slab = 32
    sx, sy = x // slab, y // slab
    tone = 0.85 + 0.3 * random.Random(sx * 7 + sy * 13).random()
    joint = x % slab < 2 or y % slab < 2
    base = (150, 146, 136)
    if joint:
        return shade((90, 88, 82), 0.9 + 0.2 * grain(x, y))
    return shade(base, tone * (0.8 + 0.4 * grain(x, y)))


def brick(x, y, grain=fractal(23)):
    # Courses of 32 by 16 bricks, every other course shifted by half a brick.
    height, length = 16, 32
    course = y // height
    shifted = (x + (length // 2 if course % 2 else 0)) % SIZE
    index = shifted // length
    if y % height < 2 or shifted % length < 2:
        return shade((185, 178, 165), 0.85 + 0.25 * grain(x, y))
    tone = 0.8 + 0.35 * random.Random(course * 31 + index * 17).random()
    return shade((160, 62, 40), tone * (0.85 + 0.3 * grain(x, y)))


def windows(x, y, grain=fractal(37)):
    # A plastered wall with two by two windows: frame, glass and a cross bar.
    plaster = shade((214, 200, 168), 0.9 + 0.15 * grain(x, y))
    cell = 64
    wx, wy = x % cell, y % cell
    left, right, top, bottom = 14, 50, 10, 54
    if not (left <= wx < right and top <= wy < bottom):
        return plaster
    if wx < left + 3 or wx >= right - 3 or wy < top + 3 or wy >= bottom - 3:
        return (245, 245, 240)  # frame
    if abs(wx - (left + right) // 2) < 2 or abs(wy - 28) < 2:
        return (235, 235, 228)  # glazing bars
    sky = mix((70, 110, 150), (150, 190, 215), (bottom - wy) / (bottom - top))
    return shade(sky, 0.9 + 0.2 * grain(x * 2, y))


def roof(x, y, grain=fractal(41)):
    # Overlapping rounded tiles: 16 wide, 16 high rows, shifted every other row.
    row = y // 16
    wx = (x + (8 if row % 2 else 0)) % 16
    wy = y % 16
    curve = math.cos((wx - 7.5) / 16 * math.pi)  # lighter along each tile's crown
    lower_edge = wy / 15  # darker towards the edge that overlaps the next row
    tone = 0.55 + 0.45 * curve * (1 - 0.35 * lower_edge)
    if wx == 0 or wy == 15:
        tone *= 0.55
    tint = 0.9 + 0.2 * random.Random(row * 5 + (x + (8 if row % 2 else 0)) // 16).random()
    return shade((178, 74, 44), tone * tint * (0.9 + 0.2 * grain(x, y)))


def wood(x, y, streaks=Noise(53, 8), knots=fractal(59, (2, 4))):
    # Vertical planks 32 wide with long grain lines; a dark gap between planks.
    plank = x // 32
    if x % 32 < 2:
        return (58, 36, 20)
    # Sampling x four times faster than y stretches the noise along the planks.
    warp = 10 * knots(x, y)
    lines = 0.5 + 0.5 * math.sin(x * 1.1 + warp + 6 * streaks(x * 4 % (SIZE * 4), y))
    tone = 0.78 + 0.22 * random.Random(plank * 19).random()
    return mix(shade((156, 106, 62), tone), shade((110, 68, 36), tone), lines * 0.7)


def grass(x, y, grain=fractal(67), blades=Noise(71, 64)):
    patch = grain(x, y)
    blade = blades(x * 3 % SIZE, y)
    base = mix((58, 112, 38), (104, 150, 56), patch)
    return shade(base, 0.8 + 0.4 * blade)


PICTURES = [stone, brick, windows, roof, wood, grass]


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data", "bmp")
    os.makedirs(folder, exist_ok=True)
    for number, picture in enumerate(PICTURES, start=1):
        write_bmp(os.path.join(folder, f"{number}.bmp"), SIZE, SIZE, picture)


if __name__ == "__main__":
    main()
