// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <vector>

#include "game/difficulty.h"
#include "scene/vector3.h"

namespace vortimbal {

class SnapshotReader;
class SnapshotWriter;

// Where the player's next shot goes, and whom it would hit.
struct LineOfFire {
    enum Target { Nothing, BadGuy, Citizen };

    Vector3 from;
    Vector3 direction;  // zero when there is no player
    Target target = Nothing;
    Vector3 targetAt;  // the figure in line, when there is one
};

// What the shell asks of the game world: the step, the counts it shows and
// judges, and the commands of keys and menus. Keeping it this narrow lets the
// frame clock and the commands run against a stand-in world in tests.
class PlayableWorld {
  public:
    virtual ~PlayableWorld() = default;

    // One 50 ms step of the game.
    virtual void update() = 0;
    virtual void draw() = 0;

    virtual int badGuysLeft() const = 0;
    // Figures that are not bad guys, the player included.
    virtual int goodLeft() const = 0;
    virtual int score() const = 0;
    // Citizens lost to shots in this game, each 10 points off the score.
    virtual int citizensShot() const = 0;

    // Returns how many came: the city holds a bounded number of bad guys.
    virtual int addFigures(int count, bool bad) = 0;
    // Makes the bad guys, and the citizens already hit, rise out uncounted and
    // zeroes what makes the score.
    virtual void removeBadGuys() = 0;
    // The rules of the game from now on; normal until set.
    virtual void setDifficulty(Difficulty difficulty) = 0;
    virtual Difficulty getDifficulty() const = 0;
    virtual void resetPlayer(float speedFactor) = 0;

    virtual void playerFire(bool pressed) = 0;
    virtual LineOfFire lineOfFire() const = 0;
    // Where the bad guys still in the fight stand, into a list kept by the
    // caller so the frames reuse one.
    virtual void badGuysAt(std::vector<Vector3>& into) const = 0;
    virtual void steerLeft(bool pressed) = 0;
    virtual void steerForward(bool pressed) = 0;
    virtual void steerRight(bool pressed) = 0;
    virtual void steerBack(bool pressed) = 0;
    // A stick: forward (-1 back to 1) and right (-1 left to 1), each as far as
    // pushed; 0 lets go of that way.
    virtual void steerAnalogue(float forward, float right) = 0;
    // The mouse: turns the player at once, by degrees to the right (negative: left).
    virtual void turnPlayer(float degrees) = 0;

    // What the rules go on from, so that a game's replay can start there;
    // restore is false when the snapshot is not one of this world.
    virtual void save(SnapshotWriter& out) const = 0;
    virtual bool restore(SnapshotReader& in) = 0;

    virtual void switchOnLights() = 0;
    // Each returns whether its lamp is on now.
    virtual bool toggleLight0() = 0;
    virtual bool toggleLight1() = 0;
};

}  // namespace vortimbal
