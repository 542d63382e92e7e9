// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/frame_batch.h"

#include <GL/gl.h>

#include <algorithm>
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

// The lighter look's finish, whatever the surfaces say: no specular, no emission.
const Geometry::Finish distantFinish = {{0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1}};

// A part as a scene object, or null; kind() costs less than a dynamic_cast,
// which every figure's every part would take each frame.
const SceneObject* asPart(const Transformable* child) {
    return child->kind() == Transformable::SceneObjectKind ? static_cast<const SceneObject*>(child)
                                                           : nullptr;
}

// The look the object is drawn with now, or null for none.
bool lighter(const SceneObject& part) {
    return part.isDistant() && part.getLighterGeometry() != nullptr;
}

const Geometry::Triangles& lookOf(const SceneObject& part) {
    return lighter(part) ? part.getLighterGeometry()->triangles()
                         : part.getGeometry()->flatTriangles();
}

}  // namespace

FrameBatch* FrameBatch::open = nullptr;

// Textured faces and shapes among the parts keep the object out.
bool FrameBatch::takes(const SceneObject& object) {
    if (!lighter(object) && !object.getGeometry()->flatTriangles().whole) {
        return false;
    }
    for (int i = 0; i < object.getChildren().count(); ++i) {
        const auto* part = asPart(object.getChildren().get(i));
        if (part == nullptr || (!lighter(*part) && !part->getGeometry()->flatTriangles().whole)) {
            return false;
        }
    }
    return true;
}

void FrameBatch::add(const SceneObject& object) {
    Turn turn;
    turnOf(object.shownRotation(), turn);
    const Vector3 at = object.shownPosition();
    addPart(object, turn, at);
    // From the last part to the first, as they draw themselves: where two
    // meet at the same depth, the same one ends on top.
    for (int i = object.getChildren().count() - 1; i >= 0; --i) {
        if (const auto* part = asPart(object.getChildren().get(i))) {
            // Parts only move on their joints; they are not turned.
            addPart(*part, turn, at + turned(turn, part->shownPosition()));
        }
    }
}

FrameBatch::Group& FrameBatch::groupFor(const Geometry::Finish& finish) {
    for (Group& group : groups) {
        if (group.finish == finish) {
            return group;
        }
    }
    groups.push_back(Group{finish, {}, {}, {}, {}, {}});
    return groups.back();
}

void FrameBatch::addPart(const SceneObject& part, const Turn& turn, const Vector3& at) {
    const Geometry::Triangles& shape = lookOf(part);
    if (shape.indices.empty()) {
        return;
    }
    Group& group = groupFor(lighter(part) ? distantFinish : shape.finish);
    if (!lighter(part)) {
        // Column-major, as glMultMatrixf takes it.
        group.nearParts.push_back(
            {part.getGeometry().get(),
             {turn[0][0], turn[1][0], turn[2][0], 0, turn[0][1], turn[1][1], turn[2][1], 0,
              turn[0][2], turn[1][2], turn[2][2], 0, at.x, at.y, at.z, 1}});
        return;
    }
    const auto first = unsigned(group.positions.size() / 3);
    for (const Geometry::Corner& corner : shape.corners) {
        push(group.positions, turned(turn, corner.position) + at);
        push(group.normals, turned(turn, corner.normal));
        group.colors.insert(group.colors.end(), corner.color, corner.color + 4);
    }
    for (unsigned index : shape.indices) {
        group.indices.push_back(first + index);
    }
}

void FrameBatch::draw() {
    if (std::all_of(groups.begin(), groups.end(), [](const Group& group) {
            return group.indices.empty() && group.nearParts.empty();
        })) {
        return;
    }
    // The parts' lists leave their last colour, normal and ambient behind;
    // what comes after must find them as the arrays leave them.
    glPushAttrib(GL_CURRENT_BIT | GL_LIGHTING_BIT);
    // The colours carry the ambient, as every face's corners do.
    glColorMaterial(GL_FRONT, GL_AMBIENT);
    glEnable(GL_COLOR_MATERIAL);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    for (Group& group : groups) {
        if (group.indices.empty() && group.nearParts.empty()) {
            continue;
        }
        glMaterialfv(GL_FRONT, GL_SPECULAR, group.finish.values);
        glMaterialfv(GL_FRONT, GL_EMISSION, group.finish.values + 4);
        glMaterialfv(GL_FRONT, GL_SHININESS, group.finish.values + 8);
        for (const NearPart& part : group.nearParts) {
            glPushMatrix();
            glMultMatrixf(part.place);
            part.geometry->drawFlat();
            glPopMatrix();
        }
        group.nearParts.clear();
        if (group.indices.empty()) {
            continue;
        }
        glVertexPointer(3, GL_FLOAT, 0, group.positions.data());
        glNormalPointer(GL_FLOAT, 0, group.normals.data());
        glColorPointer(4, GL_FLOAT, 0, group.colors.data());
        glDrawElements(GL_TRIANGLES, GLsizei(group.indices.size()), GL_UNSIGNED_INT,
                       group.indices.data());
        // Kept for the next frame, so the vectors need not grow again.
        group.positions.clear();
        group.normals.clear();
        group.colors.clear();
        group.indices.clear();
    }
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisable(GL_COLOR_MATERIAL);
    glPopAttrib();
    currentMaterialId = -1;
}

}  // namespace vortimbal
