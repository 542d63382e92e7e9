// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include <SDL.h>
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include "input/gamepad.h"

using namespace vortimbal;

// Writes down what the pads tell, a line each.
struct HeardLog : PadListener {
    std::ostringstream heard;
    void padButton(PadButton b, bool down) override {
        heard << "button " << int(b) << (down ? " down\n" : " up\n");
    }
    void padWalk(float f, float r) override { heard << "walk " << f << ' ' << r << '\n'; }
    void padLook(float f, float r) override { heard << "look " << f << ' ' << r << '\n'; }
    void padConnected(bool on) override { heard << (on ? "connected\n" : "disconnected\n"); }
};

TEST(Gamepad, TheVirtualPadIsHeardOnceForEachChangeThroughTheDeadZone) {
    std::ostringstream messages;
    if (!gamepads.start("", messages)) {
        GTEST_SKIP() << messages.str();
    }
    EXPECT_EQ(messages.str(), "");
    auto button = [](int b, bool down) { return [=] { gamepads.setVirtualButton(b, down); }; };
    auto axis = [](int a, int value) { return [=] { gamepads.setVirtualAxis(a, value); }; };
    const struct {
        std::function<void()> change;
        std::string heard;
    } steps[] = {
        {[] { ASSERT_TRUE(gamepads.attachVirtualPad()); }, "connected\n"},
        {button(SDL_CONTROLLER_BUTTON_A, true), "button 0 down\n"},
        {button(SDL_CONTROLLER_BUTTON_A, false), "button 0 up\n"},
        {axis(SDL_CONTROLLER_AXIS_LEFTY, -32768), "walk 1 0\n"},  // up is forward
        {axis(SDL_CONTROLLER_AXIS_LEFTY, -8000), "walk 0 0\n"},   // inside the 25 % zone
        {axis(SDL_CONTROLLER_AXIS_LEFTY, 0), ""},
        {axis(SDL_CONTROLLER_AXIS_LEFTX, -32768), "walk 0 -1\n"},
        {axis(SDL_CONTROLLER_AXIS_RIGHTX, 16384), "look 0 0.333\n"},  // halfway past it
        {axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 8000), ""},
        {axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 9000), "button 7 down\n"},
        {button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true), "button 5 down\n"},
        {[] { gamepads.detachVirtualPad(); },
         "button 5 up\nbutton 7 up\nwalk 0 0\nlook 0 0\ndisconnected\n"},
    };
    for (const auto& step : steps) {
        HeardLog log;
        step.change();
        for (int poll = 0; poll < 3; ++poll) {
            gamepads.poll(log);
        }
        EXPECT_EQ(log.heard.str(), step.heard);
    }
    gamepads.stop();
}
