// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/line_batch.h"

#include <GL/gl.h>

#include "scene/coloring.h"

namespace vortimbal {

namespace {

// glutWireCube's unit cube: its corners, and each face's normal and corners,
// in the order it draws them, so the same face's colour ends on top at a
// shared edge.
const float cubeCorners[8][3] = {{.5f, .5f, .5f},   {-.5f, .5f, .5f},  {-.5f, -.5f, .5f},
                                 {.5f, -.5f, .5f},  {.5f, -.5f, -.5f}, {.5f, .5f, -.5f},
                                 {-.5f, .5f, -.5f}, {-.5f, -.5f, -.5f}};
const float faceNormals[6][3] = {{0, 0, 1},  {1, 0, 0},  {0, 1, 0},
                                 {-1, 0, 0}, {0, -1, 0}, {0, 0, -1}};
const int faceCorners[6][4] = {{0, 1, 2, 3}, {0, 3, 4, 5}, {0, 5, 6, 1},
                               {1, 6, 7, 2}, {7, 4, 3, 2}, {4, 7, 6, 5}};

// Each of a cube's twelve edges once, as the last face that draws it draws it:
// with depth LEQUAL its drawing is what shows, so the earlier one is wasted
// work for the renderer. Only the corners those lines use are kept.
struct CubeLines {
    int cornerCount = 0;
    int corners[24][2] = {};  // face, corner of the unit cube
    unsigned lines[12][2] = {};
    int lineCount = 0;
};

const CubeLines& cubeLines() {
    static const CubeLines made = [] {
        int lastFace[8][8];
        for (auto& row : lastFace) {
            for (int& face : row) {
                face = -1;
            }
        }
        for (int face = 0; face < 6; ++face) {
            for (int i = 0; i < 4; ++i) {
                const int a = faceCorners[face][i], b = faceCorners[face][(i + 1) % 4];
                lastFace[a][b] = lastFace[b][a] = face;
            }
        }
        CubeLines out;
        int slot[6][8];
        for (auto& row : slot) {
            for (int& s : row) {
                s = -1;
            }
        }
        const auto cornerSlot = [&](int face, int corner) {
            if (slot[face][corner] < 0) {
                slot[face][corner] = out.cornerCount;
                out.corners[out.cornerCount][0] = face;
                out.corners[out.cornerCount][1] = corner;
                ++out.cornerCount;
            }
            return unsigned(slot[face][corner]);
        };
        for (int face = 0; face < 6; ++face) {
            for (int i = 0; i < 4; ++i) {
                const int a = faceCorners[face][i], b = faceCorners[face][(i + 1) % 4];
                if (lastFace[a][b] == face) {
                    out.lines[out.lineCount][0] = cornerSlot(face, a);
                    out.lines[out.lineCount][1] = cornerSlot(face, b);
                    ++out.lineCount;
                }
            }
        }
        return out;
    }();
    return made;
}

void currentView(float (&view)[16]) {
    glGetFloatv(GL_MODELVIEW_MATRIX, view);
}

// The frame's turn and shift, column-major as GL keeps it.
Vector3 placed(const float (&m)[16], const Vector3& p) {
    return Vector3(m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12],
                   m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
                   m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]);
}

// The scene's frames only turn and shift, so a normal turns as a direction.
Vector3 turned(const float (&m)[16], const Vector3& n) {
    return Vector3(m[0] * n.x + m[4] * n.y + m[8] * n.z, m[1] * n.x + m[5] * n.y + m[9] * n.z,
                   m[2] * n.x + m[6] * n.y + m[10] * n.z);
}

}  // namespace

LineBatch* LineBatch::open = nullptr;

void LineBatch::addCorner(const float (&view)[16], const Vector3& at, const Vector3& normal,
                          const Color& color) {
    const Vector3 p = placed(view, at), n = turned(view, normal);
    positions.insert(positions.end(), {p.x, p.y, p.z});
    normals.insert(normals.end(), {n.x, n.y, n.z});
    colors.insert(colors.end(), {color.r(), color.g(), color.b()});
}

void LineBatch::addCube(const Vector3& centre, float size, const Color& color) {
    float view[16];
    currentView(view);
    const CubeLines& cube = cubeLines();
    const auto first = unsigned(positions.size() / 3);
    for (int i = 0; i < cube.cornerCount; ++i) {
        const int face = cube.corners[i][0];
        const float* c = cubeCorners[cube.corners[i][1]];
        addCorner(view, centre + Vector3(c[0], c[1], c[2]) * size,
                  Vector3(faceNormals[face][0], faceNormals[face][1], faceNormals[face][2]), color);
    }
    for (int i = 0; i < cube.lineCount; ++i) {
        indices.insert(indices.end(), {first + cube.lines[i][0], first + cube.lines[i][1]});
    }
}

void LineBatch::addLine(const Vector3& from, const Vector3& to, const Color& color) {
    float view[16];
    currentView(view);
    float current[4];
    glGetFloatv(GL_CURRENT_NORMAL, current);
    const Vector3 normal(current[0], current[1], current[2]);
    const auto first = unsigned(positions.size() / 3);
    addCorner(view, from, normal, color);
    addCorner(view, to, normal, color);
    indices.insert(indices.end(), {first, first + 1});
}

void LineBatch::draw() {
    if (indices.empty()) {
        return;
    }
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    startColoring();
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, positions.data());
    glNormalPointer(GL_FLOAT, 0, normals.data());
    glColorPointer(3, GL_FLOAT, 0, colors.data());
    glDrawElements(GL_LINES, GLsizei(indices.size()), GL_UNSIGNED_INT, indices.data());
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    stopColoring();
    glPopMatrix();
    positions.clear();
    normals.clear();
    colors.clear();
    indices.clear();
}

}  // namespace vortimbal
