// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/geometry.h"

#include <GL/gl.h>

#include <algorithm>
#include <iterator>

#include "core/random.h"
#include "models/face.h"
#include "models/material.h"

namespace vortimbal {

namespace {

Geometry::Finish finishOf(const Material& material) {
    Geometry::Finish finish{};
    const Color* parts[] = {&material.getSpecular(), &material.getEmission(),
                            &material.getShininess()};
    for (int p = 0; p < 3; ++p) {
        for (int i = 0; i < 4; ++i) {
            finish.values[p * 4 + i] = parts[p]->data()[i];
        }
    }
    return finish;
}

}  // namespace

bool Geometry::Finish::operator==(const Finish& other) const {
    return std::equal(std::begin(values), std::end(values), std::begin(other.values));
}

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
    if (!plainMade) {
        plainMade = true;
        makeTriangles(plain, true);
    }
    return plain;
}

const Geometry::Triangles& Geometry::flatTriangles() {
    if (!flatMade) {
        flatMade = true;
        makeTriangles(flat, false);
    }
    return flat;
}

void Geometry::makeTriangles(Triangles& out, bool shareCorners) {
    // With shared corners, each vertex becomes a corner the first time a face uses it.
    std::vector<int> cornerOf(std::size_t(vertices.count()), -1);
    bool finishKnown = false;
    for (int f = 0; f < faces.count(); ++f) {
        Face& face = *faces.get(f);
        const auto* material = dynamic_cast<const Material*>(face.getSurface());
        if (material == nullptr || face.cornerCount() < 3) {
            out.whole = out.whole && face.cornerCount() < 3;
            continue;
        }
        const Finish finish = finishOf(*material);
        out.whole = out.whole && (!finishKnown || finish == out.finish);
        out.finish = finishKnown ? out.finish : finish;
        finishKnown = true;
        const Vector3 normal = face.normal(vertices);
        const Color& c = material->getAmbient();
        std::vector<unsigned> own;
        for (int i = 0; i < face.cornerCount(); ++i) {
            const int v = face.cornerIndex(i);
            int corner = shareCorners ? cornerOf[std::size_t(v)] : -1;
            if (corner < 0) {
                const Vector3& at = vertices.get(v);
                corner = int(out.corners.size());
                cornerOf[std::size_t(v)] = corner;
                out.corners.push_back(
                    {at,
                     Vector3(),
                     {c.r() * at.shade, c.g() * at.shade, c.b() * at.shade, c.a() * at.shade}});
            }
            out.corners[std::size_t(corner)].normal += normal;
            own.push_back(unsigned(corner));
        }
        // Split as the renderer splits what the face draws, since the shades
        // blend along the diagonal: a quad on its second and fourth corner,
        // anything else as a fan. Both keep the face's winding.
        if (!shareCorners && face.batch() == Face::Quads) {
            out.indices.insert(out.indices.end(), {own[0], own[1], own[3], own[1], own[2], own[3]});
            continue;
        }
        for (std::size_t i = 1; i + 1 < own.size(); ++i) {
            out.indices.insert(out.indices.end(), {own[0], own[i], own[i + 1]});
        }
    }
    for (Corner& corner : out.corners) {
        const float length = corner.normal.length();
        corner.normal = length > 0 ? corner.normal / length : Vector3(0, 1, 0);
    }
}

namespace {

// The triangles as they are, with no state of their own.
void sendTriangles(const Geometry::Triangles& shape) {
    glBegin(GL_TRIANGLES);
    for (unsigned index : shape.indices) {
        const Geometry::Corner& corner = shape.corners[index];
        glNormal3f(corner.normal.x, corner.normal.y, corner.normal.z);
        glColor4fv(corner.color);
        glVertex3f(corner.position.x, corner.position.y, corner.position.z);
    }
    glEnd();
}

}  // namespace

void Geometry::drawFlat() {
    const Triangles& shape = flatTriangles();
    if (!shape.indices.empty()) {
        flatList.draw([&shape] { sendTriangles(shape); });
    }
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
