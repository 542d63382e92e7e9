// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "core/portable_math.h"

extern "C" {
float vortimbal_musl_sinf(float);
float vortimbal_musl_cosf(float);
float vortimbal_musl_atan2f(float, float);
float vortimbal_musl_hypotf(float, float);
}

namespace vortimbal {

float sine(float radians) {
    return vortimbal_musl_sinf(radians);
}

float cosine(float radians) {
    return vortimbal_musl_cosf(radians);
}

float arcTangent2(float y, float x) {
    return vortimbal_musl_atan2f(y, x);
}

float hypotenuse(float x, float y) {
    return vortimbal_musl_hypotf(x, y);
}

}  // namespace vortimbal
