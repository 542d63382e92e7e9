// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "scene/vector3.h"

namespace vortimbal {

// A pose drawn between two 50 ms steps of the rules: the frame shows it the
// part of the way from where the step before last left it to where the last
// step did that the clock has gone into the next step, so motion shows at the
// screen's rate. A pose the last step did not move is shown as it stands.
class StepPose {
  public:
    // Steps taken by the shell's clock, and how far it is into the next: 0 to 1.
    static long step;
    static float fraction;

    // Before a step moves the pose: keeps where it stood, once a step.
    void keep(const Vector3& position, const Vector3& rotation) {
        if (stamp != step) {
            hold(position, rotation);
        }
    }
    // After a jump (over the city's edge, a respawn, a cut): shown where it
    // landed, not swept there.
    void hold(const Vector3& position, const Vector3& rotation) {
        lastPosition = position;
        lastRotation = rotation;
        stamp = step;
    }
    Vector3 position(const Vector3& now) const;
    // Each angle the short way round: a yaw may jump by a whole turn.
    Vector3 rotation(const Vector3& now) const;

  private:
    bool between() const { return stamp == step && fraction < 1; }

    Vector3 lastPosition;
    Vector3 lastRotation;
    long stamp = -1;
};

}  // namespace vortimbal
