// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "game/bird.h"

#include "core/random.h"
#include "core/snapshot.h"

namespace vortimbal {

namespace {

constexpr float edge = 75;
constexpr int flightSteps = 300;

}  // namespace

Bird::Bird(MaterialPool* pool)
    : Mesh("obj/bird.obj", pool, 0.02f, nullptr, Vector3(-0.4f, -6.3f, -6.2f), 0) {
    respawn();
}

// Enters over the edge z = 75 heading for -z, or over x = 75 heading for -x.
// The draws come in a fixed order: the city's look depends on it.
void Bird::respawn() {
    flightTime = 0;
    float x = edge;
    const float y = float(rand() % 80) / 10 + 10;
    float z = edge;
    Vector3 speed;
    float heading = 0;
    if (rand() % 2 == 0) {
        x = edge - float(rand() % 150);
        speed.z = float(rand() % 60) / 100 - 1.4f;
        speed.x = 0.1f - float(rand() % 20) / 100;
    } else {
        z = edge - float(rand() % 150);
        speed.x = float(rand() % 60) / 100 - 1.4f;
        speed.z = 0.1f - float(rand() % 20) / 100;
        heading = 90;
    }
    position = Vector3(x, y, z);
    flightVelocity = Vector3(speed.x, 0, speed.z);
    velocity = flightVelocity;
    rotation = Vector3(0, heading, 180);
    drawPosition = position;
    drawRotation = rotation;
    holdDrawnPose();
    flightTime = rand() % 75;
}

void Bird::update() {
    flightTime += 1;
    if (flightTime > flightSteps) {
        respawn();
    }
    velocity = flightVelocity;
    SceneObject::update();
}

PyramidShape Bird::makeFarShape() const {
    return PyramidShape(Vector3(0, 0, 0), 0.1f, 0.4f, Color(0.6f, 0.6f, 0.6f, 1));
}

void Bird::save(SnapshotWriter& out) const {
    out.line("flight") << flightTime;
    out.xyz(flightVelocity);
    savePose(out);
    Controller::save(out);
}

void Bird::restore(SnapshotReader& in) {
    in.line("flight").in(flightTime, 0, flightSteps).xyz(flightVelocity);
    restorePose(in);
    Controller::restore(in);
}

}  // namespace vortimbal
