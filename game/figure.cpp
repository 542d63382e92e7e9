// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "game/figure.h"

#include <cmath>

#include "core/portable_math.h"
#include "core/snapshot.h"
#include "game/world.h"

namespace vortimbal {

namespace {

constexpr float partScale = 0.5f;
const Vector3 partOffset(0, 1.0f, 0);
constexpr float swingFactor = 3.9f;
constexpr float smoothing = 4;

}  // namespace

Limb::Limb(const char* fileName, MaterialPool* pool, float side, SceneObject* parent,
           const Vector3& joint)
    : Mesh(fileName, pool, partScale, parent, partOffset, 0), side(side) {
    position = joint;
}

void Limb::settle() {
    keepDrawnPose();
    drawPosition = position;
    drawRotation = rotation;
    updateCubes();
}

Arm::Arm(MaterialPool* pool, float side, SceneObject* parent)
    : Limb("obj/arm.obj", pool, side, parent, Vector3(-0.8f * side, 0.1f, 0)) {
    addLighterModel("obj/arm_far.obj");
}

// The two arms swing in opposite directions around z = 0.2.
void Arm::update() {
    position.z = swingRate * sine(phase) / 2 + 0.2f;
    phase += side * swingRate;
    settle();
}

Leg::Leg(MaterialPool* pool, float side, SceneObject* parent)
    : Limb("obj/leg.obj", pool, side, parent, Vector3(-0.3f * side, -1.0f, 0)) {
    addLighterModel("obj/leg_far.obj");
}

// A leg swinging forward lifts its foot; one swinging back keeps it on the ground.
void Leg::update() {
    position.z = swingRate * sine(phase) / 2 + 0.2f;
    if (sine(phase) > sine(phase + 0.01f * side)) {
        position.y = std::fabs(swingRate * cosine(phase)) / 5 - 1.0f;
    } else {
        position.y = -1.0f;
    }
    phase -= 0.5f * side * std::fabs(swingRate);
    settle();
}

Head::Head(MaterialPool* pool, SceneObject* parent)
    : Mesh("obj/head.obj", pool, partScale, parent, partOffset, 0) {
    position = Vector3(0, 0.85f, 0.4f);
    addLighterModel("obj/head_far.obj");
}

// The head bobs all the time, also when the figure stands still.
void Head::update() {
    position.y = sine(phase) / 16 + 0.9f;
    phase += 0.21f;
    keepDrawnPose();
    drawPosition = position;
    drawRotation = rotation;
    updateCubes();
}

Figure::Figure(MaterialPool* pool, World* world)
    : Mesh("obj/body.obj", pool, 1.0f, nullptr, Vector3(0, 0.7f, 0.2f), 0), world(world) {
    addLighterModel("obj/body_far.obj");
    leg1 = new Leg(pool, -1, this);
    addChild(leg1);
    leg2 = new Leg(pool, 1, this);
    addChild(leg2);
    arm1 = new Arm(pool, -1, this);
    addChild(arm1);
    arm2 = new Arm(pool, 1, this);
    addChild(arm2);
    head = new Head(pool, this);
    addChild(head);
    reset(1.0f);
}

void Figure::reset(float speedFactor) {
    position = Vector3(0, 0, 0);
    rotation = Vector3(0, 0, 0);
    linearStep = 0.1f * speedFactor;
    angularStep = 0.1f * 20 * speedFactor;
    linearDamping = 0.9f;
    angularDamping = 0.8f;
    linearFriction = 0.08f;
    angularFriction = 0.8f;
    collideChildren = false;
    dynamic = true;
    riseTimer = -1.0;
    bad = false;
    placed();
}

PyramidShape Figure::makeFarShape() const {
    const Color color = bad ? Color(0.4f, 0, 0, 1) : Color(0.6f, 0.6f, 0.6f, 1);
    return PyramidShape(Vector3(0, 0.5f, 0), 2.0f, 1.0f, color);
}

void Figure::swingLimbs() {
    Vector3 v = velocity;
    v.y = std::max(v.y, 0.0f);  // a fall does not swing the limbs
    float swing = swingFactor * v.length();
    if (keyBackward) {
        swing = -swing;
    }
    arm2->swingRate = arm1->swingRate = leg2->swingRate = leg1->swingRate = swing;
}

void Figure::update() {
    keepDrawnPose();
    swingLimbs();
    if (riseTimer > 0) {
        velocity.y = float(riseTimer);
        riseTimer += 0.1;
        if (riseTimer > maxRise) {
            if (world != nullptr) {
                world->depart(this);
            }
            return;
        }
    }
    SceneObject::update();
    rotation.x = 0;
    rotation.z = 0;
    drawPosition = (drawPosition * smoothing + position) / (smoothing + 1);
    drawRotation = (drawRotation * smoothing + rotation) / (smoothing + 1);
    easeGlide(smoothing / (smoothing + 1));
    if (bad) {
        actAsBadGuy();
    }
}

namespace {

// A part's place follows from its phase and swing, but is kept whole all the same.
void savePart(SnapshotWriter& out, const Mesh& part, float phase, float swingRate) {
    out.line("part") << phase << swingRate;
    out.xyz(part.position);
}

void restorePart(SnapshotReader& in, Mesh& part, float& phase, float& swingRate) {
    in.line("part") >> phase >> swingRate;
    in.xyz(part.position);
    part.drawPosition = part.position;
    part.drawRotation = part.rotation;
    part.holdDrawnPose();
    part.updateCubes();
}

}  // namespace

void Figure::save(SnapshotWriter& out) const {
    out.line("figure") << bad << withdrawn << riseTimer;
    for (const Limb* limb : {static_cast<Limb*>(leg1), static_cast<Limb*>(leg2),
                             static_cast<Limb*>(arm1), static_cast<Limb*>(arm2)}) {
        savePart(out, *limb, limb->phase, limb->swingRate);
    }
    savePart(out, *head, head->phase, 0);
    savePose(out);
    Controller::save(out);
}

void Figure::restore(SnapshotReader& in) {
    in.line("figure") >> bad >> withdrawn >> riseTimer;
    for (Limb* limb : {static_cast<Limb*>(leg1), static_cast<Limb*>(leg2), static_cast<Limb*>(arm1),
                       static_cast<Limb*>(arm2)}) {
        restorePart(in, *limb, limb->phase, limb->swingRate);
    }
    float still = 0;
    restorePart(in, *head, head->phase, still);
    restorePose(in);
    Controller::restore(in);
}

}  // namespace vortimbal
