// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/distant_batch.h"

#include <GL/gl.h>

#include <cmath>

#include "models/material.h"
#include "scene/angles.h"
#include "scene/scene_object.h"

namespace vortimbal {

namespace {

using Turn = float[3][3];

// The rotation glRotatef applies about x, then y, then z, as one matrix.
void turnOf(const Vector3& degrees, Turn& m) {
    const float cx = std::cos(degreesToRadians(degrees.x)),
                sx = std::sin(degreesToRadians(degrees.x));
    const float cy = std::cos(degreesToRadians(degrees.y)),
                sy = std::sin(degreesToRadians(degrees.y));
    const float cz = std::cos(degreesToRadians(degrees.z)),
                sz = std::sin(degreesToRadians(degrees.z));
    const Turn rx = {{1, 0, 0}, {0, cx, -sx}, {0, sx, cx}};
    const Turn ry = {{cy, 0, sy}, {0, 1, 0}, {-sy, 0, cy}};
    const Turn rz = {{cz, -sz, 0}, {sz, cz, 0}, {0, 0, 1}};
    Turn xy = {};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            for (int k = 0; k < 3; ++k) {
                xy[i][j] += rx[i][k] * ry[k][j];
            }
        }
    }
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            m[i][j] = 0;
            for (int k = 0; k < 3; ++k) {
                m[i][j] += xy[i][k] * rz[k][j];
            }
        }
    }
}

Vector3 turned(const Turn& m, const Vector3& v) {
    return Vector3(m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
                   m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
                   m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z);
}

void push(std::vector<float>& out, const Vector3& v) {
    out.insert(out.end(), {v.x, v.y, v.z});
}

}  // namespace

DistantBatch* DistantBatch::open = nullptr;

void DistantBatch::add(const SceneObject& object) {
    Turn turn;
    turnOf(object.drawRotation, turn);
    addPart(object, turn, object.drawPosition);
    for (int i = 0; i < object.getChildren().count(); ++i) {
        if (const auto* part = dynamic_cast<const SceneObject*>(object.getChildren().get(i))) {
            // Parts only move on their joints; they are not turned.
            addPart(*part, turn, object.drawPosition + turned(turn, part->drawPosition));
        }
    }
}

void DistantBatch::addPart(const SceneObject& part, const Turn& turn, const Vector3& at) {
    const std::shared_ptr<Geometry>& look = part.getLighterGeometry();
    if (look == nullptr) {
        return;
    }
    const Geometry::Triangles& shape = look->triangles();
    const auto first = unsigned(positions.size() / 3);
    for (const Geometry::Corner& corner : shape.corners) {
        push(positions, turned(turn, corner.position) + at);
        push(normals, turned(turn, corner.normal));
        colors.insert(colors.end(), corner.color, corner.color + 4);
    }
    for (unsigned index : shape.indices) {
        indices.push_back(first + index);
    }
}

void DistantBatch::draw() {
    if (indices.empty()) {
        return;
    }
    // As every figure's surfaces: no specular, no emission; the colours carry the rest.
    static const float none[4] = {0, 0, 0, 1};  // shininess reads only the first
    currentMaterialId = -1;
    glMaterialfv(GL_FRONT, GL_SPECULAR, none);
    glMaterialfv(GL_FRONT, GL_EMISSION, none);
    glMaterialfv(GL_FRONT, GL_SHININESS, none);
    glColorMaterial(GL_FRONT, GL_AMBIENT);
    glEnable(GL_COLOR_MATERIAL);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, positions.data());
    glNormalPointer(GL_FLOAT, 0, normals.data());
    glColorPointer(4, GL_FLOAT, 0, colors.data());
    glDrawElements(GL_TRIANGLES, GLsizei(indices.size()), GL_UNSIGNED_INT, indices.data());
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisable(GL_COLOR_MATERIAL);
    positions.clear();
    normals.clear();
    colors.clear();
    indices.clear();
}

}  // namespace vortimbal
