// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "input/gamepad.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iterator>
#include <system_error>

namespace vortimbal {

Gamepads gamepads;

namespace {

// In PadButton's order, the trigger left out.
constexpr SDL_GameControllerButton sdlButtons[] = {
    SDL_CONTROLLER_BUTTON_A,         SDL_CONTROLLER_BUTTON_B,
    SDL_CONTROLLER_BUTTON_START,     SDL_CONTROLLER_BUTTON_DPAD_UP,
    SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_DPAD_LEFT,
    SDL_CONTROLLER_BUTTON_DPAD_RIGHT};
constexpr int axisMax = SDL_JOYSTICK_AXIS_MAX;

using Stick = std::array<float, 2>;  // forward, right

// Whole thousandths, so a stick's noise does not flood the listener.
float quantised(float value) {
    float q = std::round(value * 1000) / 1000;
    return q == 0 ? 0 : q;  // no -0
}

// The dead zone is radial: a diagonal push keeps its direction, and a small
// sideways drift does not snap to an axis.
Stick shaped(SDL_GameController* pad, SDL_GameControllerAxis x, SDL_GameControllerAxis y,
             float zone) {
    // SDL's y grows downward.
    float forward = -SDL_GameControllerGetAxis(pad, y) / float(axisMax);
    float right = SDL_GameControllerGetAxis(pad, x) / float(axisMax);
    float length = std::hypot(forward, right);
    if (length <= zone) {
        return {0, 0};
    }
    // -32768 and a square gate's corners reach past full travel.
    float scale = (std::min(length, 1.0f) - zone) / (1 - zone) / length;
    return {quantised(forward * scale), quantised(right * scale)};
}

// Several pads are one player's: the stick pushed furthest wins.
void pushFurthest(Stick& best, const Stick& stick) {
    if (std::hypot(stick[0], stick[1]) > std::hypot(best[0], best[1])) {
        best = stick;
    }
}

}  // namespace

bool Gamepads::start(const std::string& mappingFile, std::ostream& messages) {
    if (running) {
        return true;
    }
    // The GLUT window is not SDL's, so SDL always thinks it is in the background.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    // Ctrl+C and SIGTERM stay the game's own.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        messages << "No gamepad support: " << SDL_GetError() << '\n';
        SDL_Quit();
        return false;
    }
    running = true;
    scanPending = true;
    std::error_code error;
    auto status = std::filesystem::status(mappingFile, error);
    if (mappingFile.empty() || status.type() == std::filesystem::file_type::not_found) {
        return true;
    }
    // A FIFO or a folder would make SDL block or read nothing.
    if (status.type() != std::filesystem::file_type::regular) {
        messages << "Pad mappings not read from " << mappingFile << ": not a regular file\n";
    } else if (SDL_GameControllerAddMappingsFromFile(mappingFile.c_str()) < 0) {
        messages << "Pad mappings not read from " << mappingFile << ": " << SDL_GetError() << '\n';
    }
    return true;
}

void Gamepads::stop() {
    if (!running) {
        return;
    }
    detachVirtualPad();
    while (!pads.empty()) {
        closePad(pads.back());
    }
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    // SDL serves nothing else here: its hints and globals go too, so a later
    // start begins afresh.
    SDL_Quit();
    running = false;
    toldConnected = false;
    toldHeld = {};
    toldWalk = toldLook = {};
}

bool Gamepads::connected() const {
    return !pads.empty();
}

void Gamepads::openNewPads() {
    for (int device = 0; device < SDL_NumJoysticks(); ++device) {
        int id = SDL_JoystickGetDeviceInstanceID(device);
        if (!SDL_IsGameController(device) || std::count(pads.begin(), pads.end(), id) > 0) {
            continue;
        }
        if (SDL_GameControllerOpen(device) != nullptr) {
            pads.push_back(id);
        }
    }
}

void Gamepads::closePad(int id) {
    auto pad = std::find(pads.begin(), pads.end(), id);
    if (pad == pads.end()) {
        return;
    }
    SDL_GameControllerClose(SDL_GameControllerFromInstanceID(id));
    pads.erase(pad);
}

void Gamepads::poll(PadListener& listener) {
    if (!running) {
        return;
    }
    // SDL_PollEvent pumps first, which brings the pads' state up to date.
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_CONTROLLERDEVICEADDED) {
            scanPending = true;
        } else if (event.type == SDL_CONTROLLERDEVICEREMOVED) {
            closePad(event.cdevice.which);
        }
    }
    // A rescan rather than the event's index, which a removal may have shifted.
    if (scanPending) {
        openNewPads();
        scanPending = false;
    }

    float zone = std::clamp(deadZone, 0, 99) / 100.0f;
    std::array<bool, 8> held{};
    Stick walk{}, look{};
    for (int id : pads) {
        SDL_GameController* pad = SDL_GameControllerFromInstanceID(id);
        if (pad == nullptr || !SDL_GameControllerGetAttached(pad)) {
            continue;
        }
        for (std::size_t button = 0; button < std::size(sdlButtons); ++button) {
            held[button] = held[button] || SDL_GameControllerGetButton(pad, sdlButtons[button]);
        }
        held[int(PadButton::RightTrigger)] =
            held[int(PadButton::RightTrigger)] ||
            SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT) > zone * axisMax;
        pushFurthest(walk, shaped(pad, SDL_CONTROLLER_AXIS_LEFTX, SDL_CONTROLLER_AXIS_LEFTY, zone));
        pushFurthest(look,
                     shaped(pad, SDL_CONTROLLER_AXIS_RIGHTX, SDL_CONTROLLER_AXIS_RIGHTY, zone));
    }

    if (!pads.empty() && !toldConnected) {
        toldConnected = true;
        listener.padConnected(true);
    }
    for (std::size_t button = 0; button < held.size(); ++button) {
        if (held[button] != toldHeld[button]) {
            toldHeld[button] = held[button];
            listener.padButton(PadButton(button), held[button]);
        }
    }
    if (walk != toldWalk) {
        toldWalk = walk;
        listener.padWalk(walk[0], walk[1]);
    }
    if (look != toldLook) {
        toldLook = look;
        listener.padLook(look[0], look[1]);
    }
    if (pads.empty() && toldConnected) {
        toldConnected = false;
        listener.padConnected(false);
    }
}

void Gamepads::rumble() {
    for (int id : pads) {
        // A pad without a motor refuses, which is fine.
        SDL_GameControllerRumble(SDL_GameControllerFromInstanceID(id), 0x8000, 0xC000, 150);
    }
}

bool Gamepads::attachVirtualPad() {
    if (!running || virtualPad >= 0) {
        return virtualPad >= 0;
    }
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    // Every button and axis present: SDL then maps joystick button i to
    // controller button i, and the same for axes.
    desc.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
    desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
    desc.name = "Vortimbal virtual pad";
    int device = SDL_JoystickAttachVirtualEx(&desc);
    if (device < 0) {
        return false;
    }
    // Its buttons and axes are set through a joystick of our own.
    SDL_Joystick* joystick = SDL_JoystickOpen(device);
    if (joystick == nullptr) {
        SDL_JoystickDetachVirtual(device);
        return false;
    }
    virtualPad = SDL_JoystickInstanceID(joystick);
    return true;
}

void Gamepads::detachVirtualPad() {
    if (virtualPad < 0) {
        return;
    }
    SDL_JoystickClose(SDL_JoystickFromInstanceID(virtualPad));
    for (int device = 0; device < SDL_NumJoysticks(); ++device) {
        if (SDL_JoystickGetDeviceInstanceID(device) == virtualPad) {
            SDL_JoystickDetachVirtual(device);
            break;
        }
    }
    virtualPad = -1;
}

void Gamepads::setVirtualButton(int button, bool down) {
    if (virtualPad >= 0) {
        SDL_JoystickSetVirtualButton(SDL_JoystickFromInstanceID(virtualPad), button,
                                     down ? SDL_PRESSED : SDL_RELEASED);
    }
}

void Gamepads::setVirtualAxis(int axis, int value) {
    if (virtualPad < 0) {
        return;
    }
    // SDL spreads a trigger's 0..32767 over the joystick axis's whole range.
    if (axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT || axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT) {
        value = 2 * value - axisMax;
    }
    SDL_JoystickSetVirtualAxis(SDL_JoystickFromInstanceID(virtualPad), axis,
                               Sint16(std::clamp(value, -axisMax - 1, axisMax)));
}

}  // namespace vortimbal
