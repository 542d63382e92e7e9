// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/vector3.h"

#include <cmath>

namespace vortimbal {

namespace {
constexpr float zeroThreshold = 0.000001f;
}

bool Vector3::isZero() const {
    return std::fabs(x) < zeroThreshold && std::fabs(y) < zeroThreshold &&
           std::fabs(z) < zeroThreshold;
}

float Vector3::lengthSquared() const {
    return x * x + y * y + z * z;
}

float Vector3::length() const {
    return std::sqrt(lengthSquared());
}

Vector3 Vector3::normalized() const {
    return *this / length();
}

Vector3 Vector3::operator+(const Vector3& b) const {
    Vector3 result = *this;
    result.x += b.x;
    result.y += b.y;
    result.z += b.z;
    return result;
}

Vector3 Vector3::operator-(const Vector3& b) const {
    Vector3 result = *this;
    result.x -= b.x;
    result.y -= b.y;
    result.z -= b.z;
    return result;
}

Vector3 Vector3::operator*(float s) const {
    Vector3 result = *this;
    result.x *= s;
    result.y *= s;
    result.z *= s;
    return result;
}

Vector3 Vector3::operator/(float s) const {
    Vector3 result = *this;
    result.x /= s;
    result.y /= s;
    result.z /= s;
    return result;
}

Vector3& Vector3::operator+=(const Vector3& b) {
    if (!b.isZero()) {
        *this = *this + b;
    }
    return *this;
}

Vector3& Vector3::operator-=(const Vector3& b) {
    if (!b.isZero()) {
        *this = *this - b;
    }
    return *this;
}

}  // namespace vortimbal
