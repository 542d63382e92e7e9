// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// What the rules compute, the same to the last bit on every system: musl's
// functions, not the C library's (cmake/musl_math.cmake). A replay recorded on
// Linux ends where it did when checked on Windows.
float sine(float radians);
float cosine(float radians);
float arcTangent2(float y, float x);
float hypotenuse(float x, float y);

}  // namespace vortimbal
