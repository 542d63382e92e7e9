// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <cmath>

namespace vortimbal {

// A point, direction, velocity or set of rotation angles in degrees. `shade`
// is the brightness of a mesh vertex and is ignored by the arithmetic.
// Inline, as the world's step does this arithmetic millions of times.
struct Vector3 {
    float x = 0;
    float y = 0;
    float z = 0;
    float shade = 0;

    Vector3() = default;
    Vector3(float x, float y, float z) : x(x), y(y), z(z) {}

    bool isZero() const {
        constexpr float zeroThreshold = 0.000001f;
        return std::fabs(x) < zeroThreshold && std::fabs(y) < zeroThreshold &&
               std::fabs(z) < zeroThreshold;
    }
    float lengthSquared() const { return x * x + y * y + z * z; }
    float length() const { return std::sqrt(lengthSquared()); }
    // Callers only normalise vectors longer than 0.01.
    Vector3 normalized() const { return *this / length(); }

    Vector3 operator+(const Vector3& b) const {
        Vector3 result = *this;
        result.x += b.x;
        result.y += b.y;
        result.z += b.z;
        return result;
    }
    Vector3 operator-(const Vector3& b) const {
        Vector3 result = *this;
        result.x -= b.x;
        result.y -= b.y;
        result.z -= b.z;
        return result;
    }
    Vector3 operator*(float s) const {
        Vector3 result = *this;
        result.x *= s;
        result.y *= s;
        result.z *= s;
        return result;
    }
    Vector3 operator/(float s) const {
        Vector3 result = *this;
        result.x /= s;
        result.y /= s;
        result.z /= s;
        return result;
    }
    // Adding or subtracting a vector that is zero by isZero leaves this one exactly as it was.
    Vector3& operator+=(const Vector3& b) {
        if (!b.isZero()) {
            *this = *this + b;
        }
        return *this;
    }
    Vector3& operator-=(const Vector3& b) {
        if (!b.isZero()) {
            *this = *this - b;
        }
        return *this;
    }
};

}  // namespace vortimbal
