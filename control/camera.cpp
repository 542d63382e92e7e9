// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "control/camera.h"

#include "core/portable_math.h"
#include "core/snapshot.h"
#include "scene/angles.h"

#include <cmath>
#include <initializer_list>

namespace vortimbal {

namespace {

constexpr float behindDistance = 6.0f;
constexpr float aboveHeight = 3.0f;
constexpr float lookDownDegrees = 7.0f;
constexpr float faceAndFollowPitchLift = 2.0f;
constexpr float smoothingWeight = 5.0f;  // the view moves 1/6 of the way each step
constexpr float heightStep = 1.0f;
constexpr float lookAtHeight = 1.0f;  // a figure's chest
constexpr float minimumLookDistance = 0.5f;
constexpr float degreesPerRadian = 180.0f / 3.1415f;
// Further than anyone walks in a step, shorter than the city's 140 units.
constexpr float wrapJump = 100.0f;

}  // namespace

Camera camera;

Camera::Camera() : Controller(this) {
    position = Vector3(0, 3, 20);
    rotation = Vector3(0, -180, 0);
    setMode(JustBehind);
    setDistance(10.0f);
}

Camera::Camera(const Camera& other) : Camera() {
    *this = other;
}

Camera& Camera::operator=(const Camera& other) {
    Transformable::operator=(other);
    Controller::operator=(other);
    CameraState::operator=(other);
    owner = this;
    return *this;
}

void Camera::update() {
    linearStep = 0.18f;
    angularStep = 0.16f;
    linearDamping = 0.94f;
    linearFriction = 0.11f;
    angularDamping = 0.98f;
    angularFriction = 0.09f;
    viewPose.keep(smoothPosition, smoothRotation);
    if (const Controller* target = getTarget()) {
        targetPose.keep(target->getOwnerPosition(), target->getOwner()->rotation);
    }
    Controller::update();
    followOverTheEdge();
    keepToTheOrbit();

    if (getMode() != Free) {
        position.y = anchor.y;
    }
    if (getMode() == FaceAndFollow) {
        smoothRotation.x += faceAndFollowPitchLift;
    }
    placeBehindTarget();
    anchor = position;
    smoothPosition = (position + smoothPosition * smoothingWeight) / (smoothingWeight + 1);
    const Vector3 turn = nearestTurn(viewRotation());
    smoothRotation = (turn + smoothRotation * smoothingWeight) / (smoothingWeight + 1);
    // Eased, the view turned on for seconds after the player stopped, and his
    // aim mark sat far from the middle.
    if (getMode() == JustBehind) {
        smoothRotation.y = turn.y;
    }
}

// A target that steps over the edge of the city reappears on the other side;
// the camera goes along instead of crossing the whole city to find it.
void Camera::followOverTheEdge() {
    const Controller* target = getTarget();
    const Vector3 now = target != nullptr ? target->getOwnerPosition() : Vector3();
    const Vector3 jump = now - lastTargetPosition;
    const bool sameTarget = target == trackedTarget;
    trackedTarget = target;
    lastTargetPosition = now;
    if (!sameTarget || target == nullptr) {
        return;
    }
    for (float Vector3::*axis : {&Vector3::x, &Vector3::z}) {
        if (std::abs(jump.*axis) > wrapJump) {
            position.*axis += jump.*axis;
            anchor.*axis += jump.*axis;
            smoothPosition.*axis += jump.*axis;
            viewPose.hold(smoothPosition, smoothRotation);
        }
    }
}

// The orbital steering circles outward, farther every turn; held to its
// distance, the camera circles the player instead of leaving him a dot.
void Camera::keepToTheOrbit() {
    if (!orbiting()) {
        return;
    }
    const Vector3 centre = getTarget()->getOwnerPosition();
    Vector3 out = position - centre;
    out.y = 0;
    const float radius = out.length();
    if (radius > getDistance()) {
        const float height = position.y;
        position = centre + out * (getDistance() / radius);
        position.y = height;
    }
}

bool Camera::orbiting() const {
    return (getMode() == Orbital1 || getMode() == Orbital2) && getTarget() != nullptr;
}

void Camera::cut() {
    placeBehindTarget();
    anchor = position;
    smoothPosition = position;
    smoothRotation = viewRotation();
    viewPose.hold(smoothPosition, smoothRotation);
    if (const Controller* target = getTarget()) {
        targetPose.hold(target->getOwnerPosition(), target->getOwner()->rotation);
    }
}

void Camera::placeBehindTarget() {
    const Controller* target = getTarget();
    if (getMode() != JustBehind || target == nullptr) {
        return;
    }
    position = target->getOwnerPosition() - target->forward() * behindDistance;
    rotation = target->getOwner()->rotation;
    position.y += aboveHeight;
    rotation.x -= lookDownDegrees;
}

// The orbital modes circle the player looking along the circle; their view
// turns to face him instead, or it would show an empty plain half the time.
Vector3 Camera::viewRotation() const {
    if (!orbiting()) {
        return rotation;
    }
    const Vector3 toTarget =
        getTarget()->getOwnerPosition() + Vector3(0, lookAtHeight, 0) - position;
    const float level = hypotenuse(toTarget.x, toTarget.z);
    if (level < minimumLookDistance) {
        return rotation;
    }
    return Vector3(arcTangent2(toTarget.y, level) * degreesPerRadian,
                   arcTangent2(toTarget.x, toTarget.z) * degreesPerRadian, rotation.z);
}

// The same turn with its yaw within half a turn of the view's, so the view
// never spins the long way round to reach it.
Vector3 Camera::nearestTurn(Vector3 turn) const {
    turn.y = smoothRotation.y + std::remainder(turn.y - smoothRotation.y, 360.0f);
    return turn;
}

// Just behind the player the view faces his heading as the frame shows it,
// with the mouse's turn the next step brings: the rules turn him only then.
Vector3 Camera::shownRotation() const {
    Vector3 shown = viewPose.rotation(smoothRotation);
    const Controller* target = getTarget();
    if (getMode() == JustBehind && target != nullptr) {
        shown.y = targetPose.rotation(target->getOwner()->rotation).y - turnAhead;
    }
    return shown;
}

bool Camera::shownTarget(Vector3& at, Vector3& facing) const {
    const Controller* target = getTarget();
    if (target == nullptr) {
        return false;
    }
    at = targetPose.position(target->getOwnerPosition());
    Vector3 turn = targetPose.rotation(target->getOwner()->rotation);
    turn.y -= turnAhead;
    facing = directionFromRotation(turn);
    return true;
}

// Just behind the player the view glides after him, but never off his line:
// aside of it, the line of fire and its mark swung across the picture.
Vector3 Camera::shownPosition() const {
    Vector3 at = viewPose.position(smoothPosition);
    Vector3 target, facing;
    if (getMode() == JustBehind && shownTarget(target, facing)) {
        const Vector3 across(facing.z, 0, -facing.x);
        const float width = across.lengthSquared();
        if (width > 0) {
            const Vector3 off = at - target;
            at -= across * ((off.x * across.x + off.z * across.z) / width);
        }
    }
    return at;
}

void Camera::applyView() {
    const Vector3 turn = shownRotation();
    frustum.rotate(Vector3(-turn.x, 180 - turn.y, -turn.z));
    frustum.translate(shownPosition() * -1);
}

void Camera::raise(bool pressed) {
    if (getMode() != Free && pressed) {
        anchor.y += heightStep;
    }
    setRise(pressed);
}

void Camera::lower(bool pressed) {
    if (getMode() != Free && pressed) {
        anchor.y -= heightStep;
    }
    setSink(pressed);
}

void Camera::save(SnapshotWriter& out) const {
    out.line("camera").xyz(position).xyz(rotation).xyz(anchor) << nearPlane << farPlane;
    out.line("view").xyz(smoothPosition).xyz(smoothRotation) << turnAhead;
    out.xyz(lastTargetPosition) << (trackedTarget != nullptr && trackedTarget == getTarget());
    Controller::save(out);
}

void Camera::restore(SnapshotReader& in) {
    bool tracking = false;
    in.line("camera").xyz(position).xyz(rotation).xyz(anchor) >> nearPlane >> farPlane;
    in.line("view").xyz(smoothPosition).xyz(smoothRotation) >> turnAhead;
    in.xyz(lastTargetPosition) >> tracking;
    Controller::restore(in);
    trackedTarget = tracking ? getTarget() : nullptr;
    viewPose.hold(smoothPosition, smoothRotation);
    if (const Controller* target = getTarget()) {
        targetPose.hold(target->getOwnerPosition(), target->getOwner()->rotation);
    }
}

}  // namespace vortimbal
