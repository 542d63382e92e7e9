// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/face_list.h"

#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "models/material.h"

namespace vortimbal {

namespace {

int currentGeneration = 0;

// Never destroyed: objects that outlive it at exit still give their lists back.
std::vector<unsigned>& liveLists() {
    static auto* lists = new std::vector<unsigned>;
    return *lists;
}

}  // namespace

void FaceList::draw(const std::function<void()>& drawFaces) {
    if (generation != currentGeneration) {
        generation = currentGeneration;
        id = glGenLists(1);
        if (id == 0) {
            drawFaces();
            return;
        }
        liveLists().push_back(id);
        // The list must set every surface itself, whatever is current when it replays.
        currentMaterialId = -1;
        glNewList(id, GL_COMPILE);
        try {
            drawFaces();
        } catch (...) {
            glEndList();
            release();
            throw;
        }
        glEndList();
    }
    if (id == 0) {
        drawFaces();
        return;
    }
    glCallList(id);
    // The list left its last surface current, with that face's shade.
    currentMaterialId = -1;
}

void FaceList::release() {
    if (id != 0 && generation == currentGeneration) {
        glDeleteLists(id, 1);
        liveLists().erase(std::find(liveLists().begin(), liveLists().end(), id));
    }
    id = 0;
    generation = -1;
}

void forgetFaceLists() {
    for (unsigned list : liveLists()) {
        glDeleteLists(list, 1);
    }
    liveLists().clear();
    ++currentGeneration;
}

}  // namespace vortimbal
