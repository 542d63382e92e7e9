// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// A point, direction, velocity or set of rotation angles in degrees. `shade`
// is the brightness of a mesh vertex and is ignored by the arithmetic.
struct Vector3 {
    float x = 0;
    float y = 0;
    float z = 0;
    float shade = 0;

    Vector3() = default;
    Vector3(float x, float y, float z) : x(x), y(y), z(z) {}

    bool isZero() const;
    float lengthSquared() const;
    float length() const;
    // Callers only normalise vectors longer than 0.01.
    Vector3 normalized() const;

    Vector3 operator+(const Vector3& b) const;
    Vector3 operator-(const Vector3& b) const;
    Vector3 operator*(float s) const;
    Vector3 operator/(float s) const;
    // Adding or subtracting a vector that is zero by isZero leaves this one exactly as it was.
    Vector3& operator+=(const Vector3& b);
    Vector3& operator-=(const Vector3& b);
};

}  // namespace vortimbal
