// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "scene/transformable.h"
#include "scene/vector3.h"

namespace vortimbal {

class SnapshotReader;
class SnapshotWriter;

enum SteeringMode {
    Follow = 0,
    FaceAndFollow = 1,
    Orbital1 = 2,
    Orbital2 = 3,
    Free = 4,
    JustBehind = 5
};

// Turns eight key flags into damped velocity and spin of its owner, or steers
// the owner towards a target by setting the flags itself.
class Controller {
  public:
    explicit Controller(Transformable* owner);
    Controller(const Controller&) = default;
    Controller& operator=(const Controller&) = default;
    virtual ~Controller() = default;

    // One 50 ms step.
    virtual void update();
    virtual Vector3 getOwnerPosition() const { return owner->position; }
    virtual bool collides() const { return true; }

    void setTurnRight(bool on);
    void setTurnLeft(bool on);
    void setForward(bool on);
    void setBackward(bool on);
    void setRise(bool on);
    void setSink(bool on);
    void setPitchDown(bool on);
    void setPitchUp(bool on);
    void resetKeys();

    // Changing the mode drops every held key: it must be pressed again.
    void setMode(int newMode);
    void setDistance(float d) { distance = d; }
    void setTarget(Controller* newTarget) { target = newTarget; }

    int getMode() const { return mode; }
    float getDistance() const { return distance; }
    Controller* getTarget() const { return target; }
    Transformable* getOwner() const { return owner; }

    // The direction the owner faces.
    Vector3 forward() const;
    // The thrust turned from the owner's frame into the world's.
    Vector3 thrustToWorld() const;
    // Sets the key flags that bring the owner towards its target.
    void follow();

    // Everything but the owner's place and the target, which only the
    // owner's world can name.
    void save(SnapshotWriter& out) const;
    void restore(SnapshotReader& in);

    bool keyTurnRight = false;
    bool keyTurnLeft = false;
    bool keyForward = false;
    bool keyBackward = false;
    bool keyRise = false;
    bool keySink = false;
    bool keyPitchDown = false;
    bool keyPitchUp = false;

    float linearDamping = 0.92f;
    float linearFriction = 0.02f;
    float angularDamping = 0.94f;
    float angularFriction = 0.02f;
    Vector3 velocity;
    Vector3 spin;       // degrees per step
    Vector3 thrust;     // in the owner's frame: x sideways, y up, z forward
    Vector3 spinInput;  // x pitch, y yaw
    bool flagsDirty = false;
    // How much of a step the forward and turn flags give: less than all of it
    // for a stick pushed part of the way.
    float forwardScale = 1.0f;
    float turnScale = 1.0f;
    float linearStep = 0.1f;
    float angularStep = 2.0f;

  protected:
    Transformable* owner;

  private:
    void thrustFromFlags();
    void limitPitch();
    static void damp(Vector3& motion, float damping, float friction);

    Controller* target = nullptr;
    int mode = Free;
    float distance = 10.0f;
};

}  // namespace vortimbal
