#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

"""Synthesises the game's sound effects as 16-bit mono PCM WAV files.

    tools/make_sounds.py [folder]     (default: data/sounds)

shot: a short noise burst over a falling tone; hit: a low thud with a
crackle; citizen_lost: a falling two-tone wail; level_cleared: a rising
major arpeggio; game_over: a slow falling minor line; menu_tick: a short
click. The same seed always gives the same files. With --pictures FOLDER it
also draws each waveform and its spectrum over time as a PPM picture.
"""

import math
import os
import random
import struct
import sys
import wave

RATE = 22050


def envelope(t, length, attack=0.005):
    """Rises over `attack` seconds, then decays to nothing at `length`."""
    if t < attack:
        return t / attack
    return max(0.0, 1.0 - (t - attack) / (length - attack)) ** 2


def tone(frequency, t):
    return math.sin(2 * math.pi * frequency * t)


def shot(rng):
    length = 0.25
    out = []
    for i in range(int(RATE * length)):
        t = i / RATE
        falling = tone(900 * (1 - 0.7 * t / length), t)
        out.append(envelope(t, length) * (0.6 * rng.uniform(-1, 1) + 0.4 * falling))
    return out


def hit(rng):
    length = 0.35
    out = []
    for i in range(int(RATE * length)):
        t = i / RATE
        thud = tone(90 - 40 * t / length, t)
        crackle = rng.uniform(-1, 1) if rng.random() < 0.3 else 0.0
        out.append(envelope(t, length, 0.002) * (0.8 * thud + 0.3 * crackle))
    return out


def citizen_lost(rng):
    length = 0.7
    out = []
    for i in range(int(RATE * length)):
        t = i / RATE
        frequency = (660 if t < length / 2 else 440) * (1 - 0.15 * t / length)
        out.append(envelope(t, length, 0.02) * 0.7 * tone(frequency, t))
    return out


def notes(frequencies, note_length, rng):
    out = []
    for frequency in frequencies:
        for i in range(int(RATE * note_length)):
            t = i / RATE
            voice = 0.6 * tone(frequency, t) + 0.2 * tone(2 * frequency, t)
            out.append(envelope(t, note_length, 0.01) * voice)
    return out


def level_cleared(rng):
    return notes([523.25, 659.25, 783.99, 1046.5], 0.16, rng)


def game_over(rng):
    return notes([392.0, 311.13, 261.63, 196.0], 0.35, rng)


def menu_tick(rng):
    length = 0.04
    return [envelope(i / RATE, length, 0.001) * 0.5 * tone(1800, i / RATE)
            for i in range(int(RATE * length))]


EFFECTS = [shot, hit, citizen_lost, level_cleared, game_over, menu_tick]


def write_wav(path, samples):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(
            struct.pack("<h", int(max(-1.0, min(1.0, s)) * 32000)) for s in samples))


def write_picture(path, samples):
    """The waveform on top, below it the spectrum over time (bright: loud)."""
    width, wave_height, bands = 400, 100, 64
    rows = [[(0, 0, 0)] * width for _ in range(wave_height + bands)]
    per_column = max(1, len(samples) // width)
    for x in range(width):
        chunk = samples[x * per_column:(x + 1) * per_column] or [0.0]
        top = int((1 - max(chunk)) * (wave_height - 1) / 2)
        bottom = int((1 - min(chunk)) * (wave_height - 1) / 2)
        for y in range(top, bottom + 1):
            rows[y][x] = (120, 220, 120)
        for band in range(bands):
            frequency = (band + 0.5) * (RATE / 2) / bands / 4  # up to a quarter of Nyquist
            re = sum(s * math.cos(2 * math.pi * frequency * i / RATE) for i, s in enumerate(chunk))
            im = sum(s * math.sin(2 * math.pi * frequency * i / RATE) for i, s in enumerate(chunk))
            level = min(255, int(4000 * math.hypot(re, im) / len(chunk)))
            rows[wave_height + bands - 1 - band][x] = (level, level // 2, 255 - level)
    with open(path, "wb") as out:
        out.write(b"P6\n%d %d\n255\n" % (width, len(rows)))
        for row in rows:
            out.write(bytes(c for pixel in row for c in pixel))


def main():
    args = sys.argv[1:]
    pictures = None
    if "--pictures" in args:
        index = args.index("--pictures")
        pictures = args[index + 1]
        del args[index:index + 2]
        os.makedirs(pictures, exist_ok=True)
    folder = args[0] if args else os.path.join(os.path.dirname(__file__), "..", "data", "sounds")
    os.makedirs(folder, exist_ok=True)
    for effect in EFFECTS:
        samples = effect(random.Random(effect.__name__))
        write_wav(os.path.join(folder, effect.__name__ + ".wav"), samples)
        if pictures:
            write_picture(os.path.join(pictures, effect.__name__ + ".ppm"), samples)


if __name__ == "__main__":
    main()
