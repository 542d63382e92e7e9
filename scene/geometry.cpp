// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/geometry.h"

#include <GL/gl.h>

#include <algorithm>

#include "core/random.h"
#include "models/face.h"
#include "models/material.h"

namespace vortimbal {

namespace {

// As a triangle's: (B - A) x (C - A), made unit; straight up for no area.
Vector3 faceNormal(const Vector3& A, const Vector3& B, const Vector3& C) {
    const Vector3 u = B - A, v = C - A;
    const Vector3 n(u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x);
    const float length = n.length();
    return length > 0 ? n / length : Vector3(0, 1, 0);
}

}  // namespace

Geometry::~Geometry() {
    for (int i = 0; i < faces.count(); ++i) {
        delete faces.get(i);
    }
}

void Geometry::addVertex(const Vector3& v) {
    min = Vector3(std::min(min.x, v.x), std::min(min.y, v.y), std::min(min.z, v.z));
    max = Vector3(std::max(max.x, v.x), std::max(max.y, v.y), std::max(max.z, v.z));
    cube.center = (max + min) / 2;
    cube.size = std::max({cube.size, max.x - min.x, max.y - min.y, max.z - min.z});
    Vector3 shaded = v;
    shaded.shade = 0.2f + float(rand() % 120) / 100;
    vertices.add(shaded);
}

void Geometry::addFace(Face* face) {
    faces.add(face);
}

void Geometry::draw() {
    if (faces.count() > 0) {
        faceList.draw([this] { drawFaces(); });
    }
}

const Geometry::Triangles& Geometry::triangles() {
    if (plainMade) {
        return plain;
    }
    plainMade = true;
    // Each vertex becomes a corner the first time a face uses it.
    std::vector<int> cornerOf(std::size_t(vertices.count()), -1);
    for (int f = 0; f < faces.count(); ++f) {
        const Face& face = *faces.get(f);
        const auto* material = dynamic_cast<const Material*>(face.getSurface());
        if (material == nullptr || face.cornerCount() < 3) {
            continue;
        }
        const Vector3 normal =
            faceNormal(vertices.get(face.cornerIndex(0)), vertices.get(face.cornerIndex(1)),
                       vertices.get(face.cornerIndex(2)));
        std::vector<unsigned> own;
        for (int i = 0; i < face.cornerCount(); ++i) {
            const int v = face.cornerIndex(i);
            int& corner = cornerOf[std::size_t(v)];
            if (corner < 0) {
                const Vector3& at = vertices.get(v);
                const Color& c = material->getAmbient();
                corner = int(plain.corners.size());
                plain.corners.push_back(
                    {at,
                     Vector3(),
                     {c.r() * at.shade, c.g() * at.shade, c.b() * at.shade, c.a() * at.shade}});
            }
            plain.corners[std::size_t(corner)].normal += normal;
            own.push_back(unsigned(corner));
        }
        // A fan keeps the face's winding.
        for (std::size_t i = 1; i + 1 < own.size(); ++i) {
            plain.indices.insert(plain.indices.end(), {own[0], own[i], own[i + 1]});
        }
    }
    for (Corner& corner : plain.corners) {
        const float length = corner.normal.length();
        corner.normal = length > 0 ? corner.normal / length : Vector3(0, 1, 0);
    }
    return plain;
}

// Faces in a row that can share a glBegin do: the driver's cost is per glBegin
// far more than per corner. Colour tracking makes each corner's shade a colour.
void Geometry::drawFaces() {
    glColorMaterial(GL_FRONT, GL_AMBIENT);
    glEnable(GL_COLOR_MATERIAL);
    const Face* open = nullptr;
    try {
        for (int i = 0; i < faces.count(); ++i) {
            Face* face = faces.get(i);
            if (open == nullptr || !face->joins(*open)) {
                if (open != nullptr) {
                    open->end();
                }
                open = face;
                face->begin();
            }
            face->corners(vertices);
        }
    } catch (...) {
        open->end();
        glDisable(GL_COLOR_MATERIAL);
        throw;
    }
    if (open != nullptr) {
        open->end();
    }
    glDisable(GL_COLOR_MATERIAL);
}

}  // namespace vortimbal
