#pragma once

namespace vortimbal {

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

    virtual void addFigures(int count, bool bad) = 0;
    // Makes the bad guys rise out and zeroes what makes the score.
    virtual void removeBadGuys() = 0;
    virtual void resetPlayer(float speedFactor) = 0;

    virtual void playerFire(bool pressed) = 0;
    virtual void steerLeft(bool pressed) = 0;
    virtual void steerForward(bool pressed) = 0;
    virtual void steerRight(bool pressed) = 0;
    virtual void steerBack(bool pressed) = 0;

    virtual void switchOnLights() = 0;
    virtual void toggleLight0() = 0;
    virtual void toggleLight1() = 0;
};

}  // namespace vortimbal
