// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// What the rules compute sines and angles with. Portable is musl's functions
// (cmake/musl_math.cmake), the same to the bit on Linux and Windows, so a
// replay ends alike on both. Replays recorded before them computed with the
// system's (glibc's) and are played with it, so they still end where they did.
enum class Maths { Portable, System };

// The maths of the run in play; a watched replay brings its own.
extern Maths rulesMaths;

float sine(float radians, Maths maths = rulesMaths);
float cosine(float radians, Maths maths = rulesMaths);
float arcTangent2(float y, float x, Maths maths = rulesMaths);
float hypotenuse(float x, float y, Maths maths = rulesMaths);

}  // namespace vortimbal
