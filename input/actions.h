// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <array>
#include <string>

namespace vortimbal {

// What a player can do with a key of his choosing.
enum class Action {
    WalkForward,
    WalkBack,
    TurnLeft,
    TurnRight,
    Fire,
    Pause,
    CameraForward,
    CameraBack,
    CameraTurnLeft,
    CameraTurnRight,
    CameraTiltUp,
    CameraTiltDown,
    CameraUp,
    CameraDown,
    CameraSlideLeft,
    CameraSlideRight,
    Lamp1,
    Lamp2,
    Sound,
    FrameRate,
    Screenshot,
};
constexpr int actionCount = int(Action::Screenshot) + 1;

// A key as GLUT reports it: an ASCII code, or 256 plus a special key's code.
using Key = int;
constexpr Key noKey = -1;
constexpr Key specialKey(int glutKey) {
    return 256 + glutKey;
}

// The key chosen for each action, in the order of Action.
using KeyBindings = std::array<Key, actionCount>;
// The action bound to `key`, or -1.
int boundAction(const KeyBindings& keys, Key key);

// The action's name in the settings file ("walk_forward") and on screen
// ("walk forward").
const char* actionName(Action action);
std::string actionLabel(Action action);
// Its key when the player has chosen none.
Key defaultKey(Action action);

// A key's name in the settings file and on screen: "a", "space", "up", "f12";
// noKey has "none". keyFromName reads such a name back, or gives noKey.
std::string keyName(Key key);
Key keyFromName(const std::string& name);
// True for a key the settings file can name, the only ones a player may bind.
bool bindable(Key key);
// A bindable key's name as the screen shows it, in letters the font has:
// "comma", "shift w", "page up".
std::string keyLabel(Key key);

}  // namespace vortimbal
