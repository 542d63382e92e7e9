// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "models/face.h"

#include <GL/gl.h>

#include <cmath>

#include "core/random.h"

namespace vortimbal {

namespace {

const Vector3 upNormal(0, 1, 0);

void sendVertex(const Vector3& v) {
    glVertex3f(v.x, v.y, v.z);
}

void sendNormal(const Vector3& n) {
    glNormal3f(n.x, n.y, n.z);
}

// Every textured triangle shows the same corner of its texture.
void texturedVertices(const Vector3& A, const Vector3& B, const Vector3& C) {
    glTexCoord2f(0, 0);
    sendVertex(A);
    glTexCoord2f(0, 1);
    sendVertex(B);
    glTexCoord2f(1, 1);
    sendVertex(C);
}

}  // namespace

Face::Face(MaterialBase* surface) : surface(surface), brightness(0.95f + (rand() % 100) / 100.0f) {}

void Face::draw(const Array<Vector3>& vertices) {
    begin();
    try {
        corners(vertices);
    } catch (...) {
        end();
        throw;
    }
    end();
}

bool Face::joins(const Face& open) const {
    const Batch mine = batch();
    return mine != Alone && open.batch() == mine && (mine != Textured || open.surface == surface);
}

void Face::end() const {
    glEnd();
}

void Face::applySurface(float factor) const {
    if (surface != nullptr) {
        surface->apply(factor);
    }
}

ThreeVertexFace::ThreeVertexFace(int a, int b, int c, MaterialBase* surface)
    : Face(surface), a(a), b(b), c(c) {}

// Computed in double so that neither tiny nor huge triangles lose their normal.
const Vector3& ThreeVertexFace::normalFor(const Vector3& A, const Vector3& B, const Vector3& C) {
    if (normal) {
        return *normal;
    }
    const double ux = double(B.x) - A.x, uy = double(B.y) - A.y, uz = double(B.z) - A.z;
    const double vx = double(C.x) - A.x, vy = double(C.y) - A.y, vz = double(C.z) - A.z;
    const double nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
    const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
    if (length > 0 && std::isfinite(length)) {
        normal = Vector3(float(nx / length), float(ny / length), float(nz / length));
    } else {
        normal = upNormal;
    }
    return *normal;
}

void Triangle::begin() const {
    applySurface(brightness);
    glBegin(GL_TRIANGLES);
}

void Triangle::corners(const Array<Vector3>& vertices) {
    const Vector3 A = vertices.get(a), B = vertices.get(b), C = vertices.get(c);
    const Vector3 n = normalFor(A, B, C);
    applySurface(A.shade);
    sendNormal(n);
    sendVertex(A);
    applySurface(B.shade);
    sendVertex(B);
    applySurface(C.shade);
    sendVertex(C);
}

Quad::Quad(int a, int b, int c, int d, MaterialBase* surface)
    : Face(surface), a(a), b(b), c(c), d(d) {}

void Quad::begin() const {
    glBegin(GL_QUADS);
}

void Quad::corners(const Array<Vector3>& vertices) {
    const Vector3 corners[] = {vertices.get(a), vertices.get(b), vertices.get(c), vertices.get(d)};
    for (const Vector3& corner : corners) {
        applySurface(corner.shade);
        sendVertex(corner);
    }
}

Polygon::Polygon(const List<int>& indices, MaterialBase* surface)
    : Face(surface), indices(indices) {}

void Polygon::begin() const {
    applySurface(brightness);
    glBegin(GL_POLYGON);
}

void Polygon::corners(const Array<Vector3>& vertices) {
    for (int i = 0; i < indices.count(); ++i) {
        vertices.get(indices.get(i));  // every index checked before the first corner goes out
    }
    for (int i = 0; i < indices.count(); ++i) {
        const Vector3& corner = vertices.get(indices.get(i));
        applySurface(corner.shade);
        sendVertex(corner);
    }
}

void TextureFace::end() const {
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void FlatTexturedTriangle::begin() const {
    glEnable(GL_TEXTURE_2D);
    if (surface != nullptr) {
        surface->apply();
    }
    glBegin(GL_TRIANGLES);
}

void FlatTexturedTriangle::corners(const Array<Vector3>& vertices) {
    const Vector3 A = vertices.get(a), B = vertices.get(b), C = vertices.get(c);
    sendNormal(normalFor(A, B, C));
    texturedVertices(A, B, C);
}

// The texture is bound here; each corner's shade then only rescales its base material.
void TexturedTriangle::begin() const {
    glEnable(GL_TEXTURE_2D);
    applySurface(1);
    glBegin(GL_TRIANGLES);
}

void TexturedTriangle::corners(const Array<Vector3>& vertices) {
    const Vector3 A = vertices.get(a), B = vertices.get(b), C = vertices.get(c);
    const Vector3 n = normalFor(A, B, C);
    applySurface(A.shade);
    sendNormal(n);
    glTexCoord2f(0, 0);
    sendVertex(A);
    applySurface(B.shade);
    glTexCoord2f(0, 1);
    sendVertex(B);
    applySurface(C.shade);
    glTexCoord2f(1, 1);
    sendVertex(C);
}

}  // namespace vortimbal
