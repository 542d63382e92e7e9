// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "control/controller.h"
#include "scene/frustum.h"
#include "scene/step_pose.h"
#include "scene/transformable.h"

namespace vortimbal {

// The camera's own state, beside the place it moves and the controller it
// steers by.
struct CameraState {
    float nearPlane = 3.0f;
    float farPlane = 300.0f;
    Vector3 anchor{0, 3, 20};  // y is the height kept in every mode but Free
    Frustum frustum;
    Vector3 smoothPosition{0, 3, 20};
    Vector3 smoothRotation{0, -180, 0};
    // Degrees the mouse has turned the player since the last step, which the
    // next step gives the rules: the view behind him turns by them at once.
    float turnAhead = 0;

  protected:
    StepPose viewPose;
    // The target's turn before the world's step, which comes after the camera's.
    StepPose targetPose;
    const Controller* trackedTarget = nullptr;
    Vector3 lastTargetPosition;
};

// The single viewpoint. It moves with its own controller, by the camera keys
// or by steering towards its target, and the view follows smoothed copies of
// its position and rotation so it never jumps; just behind the player it
// looks where he faces.
class Camera : public Transformable, public Controller, public CameraState {
  public:
    Camera();
    // A copy takes the whole state but steers itself, not the original: a
    // watched replay's run sets the player's camera aside in one.
    Camera(const Camera& other);
    Camera& operator=(const Camera& other);

    void update() override;
    // Sets the view transform; the modelview matrix must be the identity.
    void applyView();
    // Puts the view where the camera is at once, with no easing: for a new level.
    void cut();
    // Where the frame shows the camera's target and the way he faces, the
    // mouse's coming turn included; false without a target.
    bool shownTarget(Vector3& position, Vector3& facing) const;
    // The 'q' and 'a' keys: outside Free they also lift or drop the kept height.
    void raise(bool pressed);
    void lower(bool pressed);
    // Its place, view and motion; the world names its target, which must be
    // in place before the view is restored.
    void save(SnapshotWriter& out) const;
    void restore(SnapshotReader& in);

  private:
    void followOverTheEdge();
    void keepToTheOrbit();
    bool orbiting() const;
    void placeBehindTarget();
    Vector3 viewRotation() const;
    Vector3 nearestTurn(Vector3 turn) const;
    Vector3 shownRotation() const;
    Vector3 shownPosition() const;
};

extern Camera camera;

}  // namespace vortimbal
