// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <functional>

namespace vortimbal {

// Faces that never change, compiled once into an OpenGL display list and
// replayed after: the driver then does most of its per-vertex work only once.
// A list lives in the GL context it was made in; forgetFaceLists() lets every
// FaceList compile again in the next one.
class FaceList {
  public:
    FaceList() = default;
    FaceList(const FaceList&) = delete;
    FaceList& operator=(const FaceList&) = delete;
    ~FaceList() { release(); }

    // Replays the list, compiling `drawFaces` into it first; calls drawFaces
    // directly when the driver has no list to give.
    void draw(const std::function<void()>& drawFaces);
    // Gives the list back; the next draw compiles anew.
    void release();

  private:
    unsigned id = 0;
    int generation = -1;
};

// Deletes every list in the current context, before that context goes away
// or another takes its place.
void forgetFaceLists();

}  // namespace vortimbal
