// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/color.h"

namespace vortimbal {

Color::Color(float r, float g, float b, float a) : values(new float[4]) {
    set(r, g, b, a);
}

Color::Color(const Color& other) : Color(other.r(), other.g(), other.b(), other.a()) {}

Color& Color::operator=(const Color& other) {
    set(other.r(), other.g(), other.b(), other.a());
    return *this;
}

void Color::set(float r, float g, float b, float a) {
    values[0] = r;
    values[1] = g;
    values[2] = b;
    values[3] = a;
}

void Color::set(float r, float g, float b) {
    set(r, g, b, 1.0f);
}

}  // namespace vortimbal
