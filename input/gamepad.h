// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace vortimbal {

// A pad's buttons as the game uses them; the right trigger counts as a button
// once it is pressed past the dead zone.
enum class PadButton { A, B, Start, DpadUp, DpadDown, DpadLeft, DpadRight, RightTrigger };

// Told of what the pads do, changes only.
class PadListener {
  public:
    virtual ~PadListener() = default;
    virtual void padButton(PadButton button, bool pressed) = 0;
    // The left stick: how far it is pushed forward (-1 back to 1 forward) and to
    // the right (-1 left to 1 right), 0 inside the dead zone and growing from
    // its edge, so a small push past it is a slow walk.
    virtual void padWalk(float forward, float right) = 0;
    // The right stick, the same way.
    virtual void padLook(float forward, float right) = 0;
    // The first pad came, or the last one went.
    virtual void padConnected(bool connected) = 0;
};

// Pads through SDL's game-controller layer, for input only: the window, the
// drawing and the loop stay GLUT's.
class Gamepads {
  public:
    // Starts SDL's game-controller subsystem alone, adding the mappings of
    // `mappingFile` when there is one (SDL reads SDL_GAMECONTROLLERCONFIG
    // itself). False after one message when SDL cannot start it.
    bool start(const std::string& mappingFile, std::ostream& messages);
    void stop();
    bool started() const { return running; }
    // Pumps SDL's events and tells the listener what changed since the last call:
    // pads plugged in or pulled out, buttons, sticks.
    void poll(PadListener& listener);
    bool connected() const;
    // A short rumble on every pad that has one.
    void rumble();

    int deadZone = 25;  // percent of a stick's or trigger's travel

    // A virtual pad, mapped by SDL like a real one: for tests and the e2e.
    bool attachVirtualPad();
    void detachVirtualPad();
    // `button` and `axis` are SDL_CONTROLLER_BUTTON_* and SDL_CONTROLLER_AXIS_*;
    // `value` as SDL_GameControllerGetAxis reads it (a trigger from 0).
    void setVirtualButton(int button, bool down);
    void setVirtualAxis(int axis, int value);

  private:
    void openNewPads();
    void closePad(int id);

    bool running = false;
    // SDL's instance ids: they stay valid while device indexes shift.
    std::vector<int> pads;
    int virtualPad = -1;
    bool scanPending = false;
    // What the listener last heard.
    bool toldConnected = false;
    std::array<bool, 8> toldHeld{};
    std::array<float, 2> toldWalk{}, toldLook{};
};

extern Gamepads gamepads;

}  // namespace vortimbal
