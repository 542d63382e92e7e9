// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/frustum.h"

#include <GL/gl.h>

#include <cmath>

namespace vortimbal {

namespace {

// Row i of a column-major 4x4 matrix.
void row(const float* m, int i, float out[4]) {
    for (int column = 0; column < 4; ++column) {
        out[column] = m[column * 4 + i];
    }
}

void multiply(const float* a, const float* b, float* product) {
    for (int column = 0; column < 4; ++column) {
        for (int r = 0; r < 4; ++r) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) {
                sum += a[k * 4 + r] * b[column * 4 + k];
            }
            product[column * 4 + r] = sum;
        }
    }
}

void combine(const float* r3, const float* other, float sign, float* plane) {
    for (int i = 0; i < 4; ++i) {
        plane[i] = r3[i] + sign * other[i];
    }
    const float length = std::sqrt(plane[0] * plane[0] + plane[1] * plane[1] + plane[2] * plane[2]);
    if (length > 0) {
        for (int i = 0; i < 4; ++i) {
            plane[i] /= length;
        }
    }
}

}  // namespace

void Frustum::translate(const Vector3& v) {
    if (!v.isZero()) {
        glTranslatef(v.x, v.y, v.z);
    }
    dirty = true;
}

void Frustum::rotate(const Vector3& v) {
    if (!v.isZero()) {
        glRotatef(v.x, 1, 0, 0);
        glRotatef(v.y, 0, 1, 0);
        glRotatef(v.z, 0, 0, 1);
    }
    dirty = true;
}

void Frustum::refresh() {
    if (!dirty) {
        return;
    }
    dirty = false;
    float projection[16];
    float modelview[16];
    float combined[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    multiply(projection, modelview, combined);
    float rows[4][4];
    for (int i = 0; i < 4; ++i) {
        row(combined, i, rows[i]);
    }
    combine(rows[3], rows[0], -1, planes[Right]);
    combine(rows[3], rows[0], +1, planes[Left]);
    combine(rows[3], rows[1], +1, planes[Bottom]);
    combine(rows[3], rows[1], -1, planes[Top]);
    combine(rows[3], rows[2], -1, planes[Far]);
    combine(rows[3], rows[2], +1, planes[Near]);
}

bool Frustum::cubeInside(float x, float y, float z, float h) const {
    const float corners[8][3] = {
        {x - h, y - h, z - h}, {x + h, y - h, z - h}, {x - h, y + h, z - h}, {x + h, y + h, z - h},
        {x - h, y - h, z + h}, {x + h, y - h, z + h}, {x - h, y + h, z + h}, {x + h, y + h, z + h}};
    for (const auto& p : planes) {
        bool passed = false;
        for (const auto& c : corners) {
            if (p[0] * c[0] + p[1] * c[1] + p[2] * c[2] + p[3] > 0) {
                passed = true;
                break;
            }
        }
        if (!passed) {
            return false;
        }
    }
    return true;
}

}  // namespace vortimbal
