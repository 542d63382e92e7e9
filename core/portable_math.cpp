// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "core/portable_math.h"

#include <cmath>

extern "C" {
float vortimbal_musl_sinf(float);
float vortimbal_musl_cosf(float);
float vortimbal_musl_atan2f(float, float);
float vortimbal_musl_hypotf(float, float);
}

namespace vortimbal {

Maths rulesMaths = Maths::Portable;

float sine(float radians, Maths maths) {
    return maths == Maths::Portable ? vortimbal_musl_sinf(radians) : std::sin(radians);
}

float cosine(float radians, Maths maths) {
    return maths == Maths::Portable ? vortimbal_musl_cosf(radians) : std::cos(radians);
}

float arcTangent2(float y, float x, Maths maths) {
    return maths == Maths::Portable ? vortimbal_musl_atan2f(y, x) : std::atan2(y, x);
}

float hypotenuse(float x, float y, Maths maths) {
    return maths == Maths::Portable ? vortimbal_musl_hypotf(x, y) : std::hypot(x, y);
}

}  // namespace vortimbal
