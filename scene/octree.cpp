// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/octree.h"

namespace vortimbal {

namespace {

constexpr float insertMargin = 0.5f;
constexpr int highX = 1;
constexpr int highY = 2;
constexpr int highZ = 4;

// The cells on the sides of one axis' centre plane that the box reaches, bit i
// for cell i; `high` holds the cells on that axis' high side. A box touching
// the plane stays on both sides. Every mover is sorted in each step.
unsigned reachedCells(float min, float max, float center, unsigned high) {
    return (min > center ? 0u : ~high & 0xffu) | (max < center ? 0u : high);
}

}  // namespace

Octree::Octree(int depth, const Vector3& center, float size)
    : depth(depth), center(center), size(size) {}

Octree::~Octree() {
    for (Octree* cell : cells) {
        delete cell;
    }
}

void Octree::clear() {
    objects.clear();
    for (Octree* cell : cells) {
        if (cell != nullptr) {
            cell->clear();
        }
    }
}

void Octree::insert(const BoundingCube& cube, SceneObject* object) {
    const float half = cube.size / 2 + insertMargin;
    const Vector3 extent(half, half, half);
    insertBox(cube.center - extent, cube.center + extent, object);
}

void Octree::insertBox(const Vector3& min, const Vector3& max, SceneObject* object) {
    if (isLeaf()) {
        objects.add(object);
        return;
    }
    // The cells with the x, y or z bit of their index set.
    constexpr unsigned highXCells = 0xaa, highYCells = 0xcc, highZCells = 0xf0;
    const unsigned reached = reachedCells(min.x, max.x, center.x, highXCells) &
                             reachedCells(min.y, max.y, center.y, highYCells) &
                             reachedCells(min.z, max.z, center.z, highZCells);
    for (int i = 0; i < 8; ++i) {
        if ((reached & (1u << i)) != 0) {
            makeCell(i)->insertBox(min, max, object);
        }
    }
}

Octree* Octree::makeCell(int i) {
    if (cells[i] == nullptr) {
        const float quarter = size / 4;
        const float half = size / 2;
        Vector3 cellCenter = center - Vector3(quarter, quarter, quarter);
        cellCenter.x += (i & highX) ? half : 0;
        cellCenter.y += (i & highY) ? half : 0;
        cellCenter.z += (i & highZ) ? half : 0;
        cells[i] = new Octree(depth - 1, cellCenter, half);
    }
    return cells[i];
}

Array<List<SceneObject*>*> Octree::collectLeaves() {
    List<List<SceneObject*>*> leaves(64);
    collectInto(leaves);
    leaves.trim();
    return leaves;
}

void Octree::collectInto(List<List<SceneObject*>*>& leaves) {
    if (isLeaf()) {
        objects.trim();
        leaves.add(&objects);
        return;
    }
    for (Octree* cell : cells) {
        if (cell != nullptr) {
            cell->collectInto(leaves);
        }
    }
}

Octree* Octree::findLeaf(const Vector3& p) {
    if (isLeaf()) {
        return this;
    }
    const int i =
        (p.x > center.x ? highX : 0) | (p.y > center.y ? highY : 0) | (p.z > center.z ? highZ : 0);
    return cells[i] == nullptr ? nullptr : cells[i]->findLeaf(p);
}

void Octree::leaves(std::vector<Leaf>& into, long path) const {
    if (isLeaf()) {
        if (objects.count() > 0) {
            into.emplace_back(path, &objects);
        }
        return;
    }
    for (int i = 0; i < 8; ++i) {
        if (cells[i] != nullptr) {
            cells[i]->leaves(into, path * 8 + i);
        }
    }
}

Octree* Octree::leafAt(long path) {
    const long first = 1L << (3 * depth);
    if (path < first || path >= 2 * first) {
        return nullptr;
    }
    Octree* cell = this;
    for (int level = depth - 1; level >= 0; --level) {
        cell = cell->makeCell(int(path >> (3 * level)) & 7);
    }
    return cell;
}

}  // namespace vortimbal
