#pragma once

#include "game/playable_world.h"

namespace vortimbal {

// A world with no city: it only keeps the census of the figures it is given.
// It stands in until the city is built, so every screen and command works.
class CensusWorld : public PlayableWorld {
  public:
    void update() override {}
    void draw() override {}

    int badGuysLeft() const override { return badGuys; }
    int goodLeft() const override { return good; }
    int score() const override { return 0; }

    void addFigures(int count, bool bad) override { (bad ? badGuys : good) += count; }
    void removeBadGuys() override { badGuys = 0; }
    void resetPlayer(float) override {}

    void playerFire(bool) override {}
    void steerLeft(bool) override {}
    void steerForward(bool) override {}
    void steerRight(bool) override {}
    void steerBack(bool) override {}

    void switchOnLights() override {}
    void toggleLight0() override {}
    void toggleLight1() override {}

  private:
    int badGuys = 0;
    int good = 1;  // the player
};

}  // namespace vortimbal
