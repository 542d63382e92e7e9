// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "scene/vector3.h"

namespace vortimbal {

// What happens in the game, told to whoever listens (the sound, in the game):
// the rules know no sound library, and run the same with no listener.
class GameListener {
  public:
    virtual ~GameListener() = default;

    virtual void shotFired(const Vector3& /*from*/) {}
    virtual void figureHit(const Vector3& /*at*/, bool /*badGuy*/) {}
    virtual void levelCleared() {}
    virtual void gameOver() {}
    virtual void titleChoice() {}
};

// The one listener, or null.
extern GameListener* gameListener;

}  // namespace vortimbal
