#pragma once

namespace vortimbal {

// What the shell asks of the game world. Keeping it this narrow lets the frame
// clock and the commands run against a stand-in world.
class PlayableWorld {
  public:
    virtual ~PlayableWorld() = default;

    // One 50 ms step of the game.
    virtual void update() = 0;
    virtual int badGuysLeft() const = 0;
    // Figures that are not bad guys, the player included.
    virtual int goodLeft() const = 0;
};

}  // namespace vortimbal
