// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "control/controller.h"

#include "core/snapshot.h"
#include "scene/angles.h"

namespace vortimbal {

namespace {

constexpr float maxPitch = 25.0f;
constexpr float maxPitchReset = 24.99f;
constexpr float minPitch = -50.0f;
constexpr float minPitchReset = -49.99f;
constexpr float probeAngle = 10.0f;
constexpr float deadBand = 0.02f;

Vector3 turned(const Vector3& rotation, float pitch, float yaw) {
    return Vector3(rotation.x + pitch, rotation.y + yaw, rotation.z);
}

}  // namespace

Controller::Controller(Transformable* owner) : owner(owner) {}

void Controller::setTurnRight(bool on) {
    keyTurnRight = on;
    flagsDirty = true;
}

void Controller::setTurnLeft(bool on) {
    keyTurnLeft = on;
    flagsDirty = true;
}

void Controller::setForward(bool on) {
    keyForward = on;
    flagsDirty = true;
}

void Controller::setBackward(bool on) {
    keyBackward = on;
    flagsDirty = true;
}

void Controller::setRise(bool on) {
    keyRise = on;
    flagsDirty = true;
}

void Controller::setSink(bool on) {
    keySink = on;
    flagsDirty = true;
}

void Controller::setPitchDown(bool on) {
    keyPitchDown = on;
    flagsDirty = true;
}

void Controller::setPitchUp(bool on) {
    keyPitchUp = on;
    flagsDirty = true;
}

void Controller::resetKeys() {
    keyTurnRight = keyTurnLeft = keyForward = keyBackward = false;
    keyRise = keySink = keyPitchDown = keyPitchUp = false;
}

void Controller::setMode(int newMode) {
    mode = newMode;
    resetKeys();
}

Vector3 Controller::forward() const {
    return directionFromRotation(owner->rotation);
}

Vector3 Controller::thrustToWorld() const {
    const Vector3 side = directionFromRotation(turned(owner->rotation, 0, 90)) * thrust.x;
    const Vector3 ahead = directionFromRotation(owner->rotation) * thrust.z;
    Vector3 result;
    result += side;
    result.y += thrust.y;
    result += ahead;
    return result;
}

void Controller::follow() {
    const Vector3 toTarget = target->getOwnerPosition() - getOwnerPosition();
    const Vector3& r = owner->rotation;
    const float d0 = toTarget.length();
    const float dF = (toTarget - forward()).length();
    const float dL = (toTarget - directionFromRotation(turned(r, 0, -probeAngle))).length();
    const float dR = (toTarget - directionFromRotation(turned(r, 0, probeAngle))).length();
    const float dU = (toTarget - directionFromRotation(turned(r, probeAngle, 0))).length();
    const float dD = (toTarget - directionFromRotation(turned(r, -probeAngle, 0))).length();

    switch (mode) {
        case Follow:
            if (d0 < distance) {
                setTurnRight(false);
                setTurnLeft(false);
                setBackward(false);
                setForward(false);
                return;
            }
            if (dL < dR) {
                setTurnRight(true);
                setTurnLeft(false);
            } else if (dR < dL) {
                setTurnLeft(true);
                setTurnRight(false);
            }
            if (dF < d0) {
                setForward(true);
                setBackward(false);
            } else if (dF > d0) {
                setBackward(true);
                setForward(false);
            }
            return;
        case FaceAndFollow:
            if (d0 < distance) {
                setForward(false);
                setBackward(false);
            } else if (dF < d0) {
                setForward(true);
                setBackward(false);
            } else if (dF > d0) {
                setBackward(true);
                setForward(false);
            }
            setTurnRight(dR > dL + deadBand);
            setTurnLeft(!keyTurnRight && dL > dR + deadBand);
            setPitchUp(dD > dU + deadBand);
            setPitchDown(!keyPitchUp && dU > dD + deadBand);
            return;
        case Orbital1:
        case Orbital2:
            if (dF < d0) {
                setForward(true);
                mode == Orbital1 ? setTurnRight(false) : setTurnLeft(false);
            } else {
                mode == Orbital1 ? setTurnRight(true) : setTurnLeft(true);
            }
            return;
        default:
            return;
    }
}

void Controller::thrustFromFlags() {
    thrust = Vector3();
    spinInput = Vector3();
    if (keyForward)
        thrust.z += linearStep * forwardScale;
    if (keyBackward)
        thrust.z -= linearStep * forwardScale;
    if (keyRise)
        thrust.y += linearStep;
    if (keySink)
        thrust.y -= linearStep;
    if (keyTurnLeft)
        spinInput.y += angularStep * turnScale;
    if (keyTurnRight)
        spinInput.y -= angularStep * turnScale;
    if (keyPitchUp)
        spinInput.x += angularStep;
    if (keyPitchDown)
        spinInput.x -= angularStep;
}

void Controller::limitPitch() {
    if (owner->rotation.x > maxPitch) {
        spinInput.x -= angularStep;
        owner->rotation.x = maxPitchReset;
    }
    if (owner->rotation.x < minPitch) {
        spinInput.x += angularStep;
        owner->rotation.x = minPitchReset;
    }
}

// Damping, then a constant friction that stops the motion outright once it
// would overshoot zero.
void Controller::damp(Vector3& motion, float damping, float friction) {
    motion = motion * damping;
    if (motion.length() <= friction) {
        motion = Vector3();
    } else {
        motion -= motion.normalized() * friction;
    }
}

void Controller::update() {
    if (target != nullptr) {
        follow();
    }
    if (flagsDirty) {
        thrustFromFlags();
        limitPitch();
    }
    const Vector3 accel = thrustToWorld();
    damp(velocity, linearDamping, linearFriction);
    velocity += accel;
    owner->position += velocity;
    damp(spin, angularDamping, angularFriction);
    spin += spinInput;
    owner->rotation += spin;
}

void Controller::save(SnapshotWriter& out) const {
    out.line("keys") << keyTurnRight << keyTurnLeft << keyForward << keyBackward << keyRise
                     << keySink << keyPitchDown << keyPitchUp << flagsDirty << mode;
    out.line("motion").xyz(velocity).xyz(spin).xyz(thrust).xyz(spinInput)
        << forwardScale << turnScale << distance;
    out.line("damping") << linearDamping << linearFriction << angularDamping << angularFriction
                        << linearStep << angularStep;
}

void Controller::restore(SnapshotReader& in) {
    in.line("keys") >> keyTurnRight >> keyTurnLeft >> keyForward >> keyBackward >> keyRise >>
        keySink >> keyPitchDown >> keyPitchUp >> flagsDirty;
    in.in(mode, Follow, JustBehind);
    in.line("motion").xyz(velocity).xyz(spin).xyz(thrust).xyz(spinInput) >> forwardScale >>
        turnScale >> distance;
    in.line("damping") >> linearDamping >> linearFriction >> angularDamping >> angularFriction >>
        linearStep >> angularStep;
}

}  // namespace vortimbal
