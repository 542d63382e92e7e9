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

// Newell's sum over the edges, which for three corners is (B - A) x (C - A)
// and for more stays sound when three of them lie on a line. In double, so
// that neither tiny nor huge faces lose their normal.
const Vector3& Face::normal(const Array<Vector3>& vertices) {
    if (kept) {
        return *kept;
    }
    const int n = cornerCount();
    for (int i = 0; i < n; ++i) {
        vertices.get(cornerIndex(i));
    }
    double nx = 0, ny = 0, nz = 0;
    for (int i = 0; i < n; ++i) {
        const Vector3& p = vertices.get(cornerIndex(i));
        const Vector3& q = vertices.get(cornerIndex((i + 1) % n));
        nx += (double(p.y) - q.y) * (double(p.z) + q.z);
        ny += (double(p.z) - q.z) * (double(p.x) + q.x);
        nz += (double(p.x) - q.x) * (double(p.y) + q.y);
    }
    const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
    if (length > 0 && std::isfinite(length)) {
        kept = Vector3(float(nx / length), float(ny / length), float(nz / length));
    } else {
        kept = upNormal;
    }
    return *kept;
}

void Triangle::begin() const {
    applySurface(brightness);
    glBegin(GL_TRIANGLES);
}

void Triangle::corners(const Array<Vector3>& vertices) {
    const Vector3 A = vertices.get(a), B = vertices.get(b), C = vertices.get(c);
    const Vector3 n = normal(vertices);
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
    sendNormal(normal(vertices));
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
    sendNormal(normal(vertices));
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
    sendNormal(normal(vertices));
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
    const Vector3 n = normal(vertices);
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
