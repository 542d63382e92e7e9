// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "models/mesh.h"

namespace vortimbal {

class SnapshotReader;
class SnapshotWriter;
class World;

// An arm or a leg: hung on the body at its joint, swinging with the figure's speed.
class Limb : public Mesh {
  public:
    Limb(const char* fileName, MaterialPool* pool, float side, SceneObject* parent,
         const Vector3& joint);

    float side;
    float phase = 0;
    float swingRate = 0;  // written by the figure every step

  protected:
    // Parts follow their joint exactly; they are not smoothed.
    void settle();
};

class Arm : public Limb {
  public:
    Arm(MaterialPool* pool, float side, SceneObject* parent);
    void update() override;
};

class Leg : public Limb {
  public:
    Leg(MaterialPool* pool, float side, SceneObject* parent);
    void update() override;
};

class Head : public Mesh {
  public:
    Head(MaterialPool* pool, SceneObject* parent);
    void update() override;

    float phase = 0;
};

// The walking humanoid: the player, every citizen and every bad guy. A figure
// that is hit rises into the sky for a second and then leaves its world.
class Figure : public Mesh {
  public:
    enum { FigureClassId = 4633 };

    Figure(MaterialPool* pool, World* world);

    int classId() const override { return FigureClassId; }
    PyramidShape makeFarShape() const override;
    void hit() override { riseTimer = 1.0; }
    // Sent out of the city with a game that ended: it rises like a figure
    // hit, but is no longer in the fight, nor counted.
    void withdraw() {
        hit();
        withdrawn = true;
    }
    bool isWithdrawn() const { return withdrawn; }
    bool collides() const override { return riseTimer <= maxRise; }
    void update() override;

    // Back to the origin, with speed and turning scaled by the factor.
    void reset(float speedFactor);
    void setBad() { bad = true; }
    bool isBad() const { return bad; }
    bool isRising() const { return riseTimer > 0; }
    // Still dropping into the city, well above the ground.
    bool isFalling() const { return !isRising() && position.y > 1.0f; }

    // Its pose, motion, rising and parts; its world names its target.
    void save(SnapshotWriter& out) const;
    void restore(SnapshotReader& in);

    Arm* arm1;
    Arm* arm2;
    Leg* leg1;
    Leg* leg2;
    Head* head;

  private:
    static constexpr double maxRise = 3.0;

    void swingLimbs();
    // The bad guy's own rules, after its step.
    void actAsBadGuy();

    double riseTimer = -1.0;
    bool withdrawn = false;
    World* world;
    bool bad = false;
};

}  // namespace vortimbal
