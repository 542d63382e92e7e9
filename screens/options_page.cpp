// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "screens/options_page.h"

#include <GL/gl.h>
#include <GL/glut.h>

#include <algorithm>
#include <iostream>
#include <iterator>
#include <string>

#include "game/game_state.h"
#include "saves/settings.h"
#include "screens/chosen_marker.h"
#include "screens/notice.h"
#include "screens/stroke_font.h"
#include "screens/title_screen.h"

namespace vortimbal {

namespace {

// The rows of the page, top to bottom: the settings and "Reset to defaults"
// in the left column, then one row per action in the right.
enum Row {
    DifficultyRow,
    Volume,
    Sound,
    FullScreen,
    FrameCap,
    FrameRate,
    InvertTilt,
    MouseAimRow,
    MouseSensitivity,
    PadDeadZone,
    PadInvert,
    PadRumble,
    RecordGames,
    Reset,
    FirstKey
};
constexpr int deadZoneStep = 5;
constexpr int rowCount = FirstKey + actionCount;
constexpr Key enterKey = 13, lineFeedKey = 10, escapeKey = 27;
constexpr float textSize = 0.05f, noteSize = 0.04f, rowSpacing = 0.068f, top = 0.56f;

int& selected = screenState.optionsRow;
int& choosingKeyFor = screenState.choosingKeyFor;
const char* refusal = nullptr;  // why the last key offered was not taken

const char* onOff(bool on) {
    return on ? "on" : "off";
}

const char* settingLabels[FirstKey] = {
    "difficulty",           "sound volume",      "sound",
    "full screen at start", "frame cap",         "show frame rate",
    "invert camera tilt",   "mouse aim",         "mouse sensitivity",
    "pad dead zone",        "pad invert camera", "pad rumble",
    "record games",         "Reset to defaults"};

std::string rowLabel(int row) {
    return row < FirstKey ? settingLabels[row] : actionLabel(Action(row - FirstKey));
}

// The setting a row switches on and off, or null for the other rows.
bool* switchOf(int row) {
    switch (row) {
        case Sound:
            return &settings.muted;
        case FullScreen:
            return &settings.fullScreen;
        case FrameRate:
            return &settings.showFrameRate;
        case InvertTilt:
            return &settings.invertTilt;
        case MouseAimRow:
            return &settings.mouseAim;
        case PadInvert:
            return &settings.padInvert;
        case PadRumble:
            return &settings.padRumble;
        case RecordGames:
            return &settings.recordGames;
        default:
            return nullptr;
    }
}

std::string rowValue(int row) {
    if (const bool* on = switchOf(row)) {
        return onOff(row == Sound ? !*on : *on);  // the row says whether sound plays
    }
    switch (row) {
        case DifficultyRow:
            return difficultyName(chosenDifficulty);
        case Volume:
            return std::to_string(settings.volume);
        case FrameCap:
            return settings.frameCap == 0 ? "none" : std::to_string(settings.frameCap);
        case PadDeadZone:
            return std::to_string(settings.padDeadZone);
        case MouseSensitivity:
            return std::to_string(settings.mouseSensitivity);
        case Reset:
            return "";
        default:
            return keyLabel(settings.keys[std::size_t(row - FirstKey)]);
    }
}

int nextFrameCap(int step) {
    const int count = int(std::size(frameCaps));
    const int at = int(std::find(frameCaps, frameCaps + count, settings.frameCap) - frameCaps);
    return frameCaps[((at % count) + step + count) % count];
}

// For the next New Game and the runs after this one. A run given --difficulty
// keeps it, as the row says: nothing is saved that its games would not play.
SettingsChange changeDifficulty(int step) {
    if (difficultyHeld) {
        return SettingsChange::None;
    }
    const int next = (int(chosenDifficulty) + step + difficultyCount) % difficultyCount;
    settings.difficulty = chosenDifficulty = Difficulty(next);
    return SettingsChange::Values;
}

// Left and right, or fire: the setting of the row steps one way or the other.
SettingsChange change(int row, int step) {
    if (bool* on = switchOf(row)) {
        *on = !*on;
    } else if (row == DifficultyRow) {
        return changeDifficulty(step);
    } else if (row == Volume) {
        settings.volume = std::clamp(settings.volume + step, 0, 10);
    } else if (row == FrameCap) {
        settings.frameCap = nextFrameCap(step);
    } else if (row == MouseSensitivity) {
        settings.mouseSensitivity = std::clamp(settings.mouseSensitivity + step, 1, 10);
    } else if (row == PadDeadZone) {
        settings.padDeadZone = std::clamp(settings.padDeadZone + step * deadZoneStep, 0, 50);
    } else if (row == Reset) {
        settings = Settings();
        if (!difficultyHeld) {
            chosenDifficulty = settings.difficulty;
        }
    } else {
        choosingKeyFor = row - FirstKey;
        return SettingsChange::None;
    }
    return SettingsChange::Values;
}

// The chosen key goes to the waiting action; an action that had it takes the
// waiting action's old key in exchange.
SettingsChange bindKey(Key key) {
    auto& keys = settings.keys;
    const auto waiting = std::size_t(choosingKeyFor);
    const auto holder = std::find(keys.begin(), keys.end(), key);
    if (holder != keys.end() && holder != keys.begin() + long(waiting)) {
        *holder = keys[waiting];
        // The swap moves a key the player did not touch: say where it went.
        showNotice(actionLabel(Action(holder - keys.begin())) + " now on " + keyName(*holder));
    }
    keys[waiting] = key;
    choosingKeyFor = -1;
    return SettingsChange::Keys;
}

SettingsChange chooseKey(Key key, int direction) {
    if (direction > 0) {
        // Enter is the pad's A: bound to an action, it would leave no way to choose.
        refusal = key == enterKey || key == lineFeedKey ? "enter chooses in the menus"
                  : !bindable(key) && key != escapeKey  ? "that key has no name"
                                                        : nullptr;
    }
    if (key == escapeKey) {
        if (direction < 0) {
            choosingKeyFor = -1;
        }
    } else if (direction > 0 && refusal == nullptr) {
        return bindKey(key);
    }
    return SettingsChange::None;
}

// Labels in one column, values in the next, the chosen row in yellow.
void drawRow(int row, float x, float valueX, float y) {
    const bool chosen = row == selected;
    if (chosen) {
        const float valueWidth = float(rowValue(row).size()) * textSize * advanceFactor;
        const float right = valueX + std::max(0.12f, valueWidth);
        drawChosenMarker(x, right, y, y - textSize);
    }
    const float r = chosen ? 1.0f : row < FirstKey ? 0.6f : 1.0f;
    const float g = chosen ? 1.0f : row < FirstKey ? 0.8f : 0.6f;
    const float b = chosen ? 0.2f : row < FirstKey ? 1.0f : 0.2f;
    drawOutlinedText(rowLabel(row).c_str(), x, y, textSize, r, g, b);
    drawOutlinedText(rowValue(row).c_str(), valueX, y, textSize, 1, 1, 1);
}

}  // namespace

void openOptionsPage() {
    helpShown = OptionsPage;
    selected = DifficultyRow;
    choosingKeyFor = -1;
    refusal = nullptr;
}

int optionsRowCount() {
    return rowCount;
}

bool optionsPageShown() {
    return gameState == Title && helpShown == OptionsPage;
}

SettingsChange optionsKey(Key key, int direction) {
    if (choosingKeyFor >= 0) {
        return chooseKey(key, direction);
    }
    if (key == escapeKey) {
        if (direction < 0) {
            helpShown = MenuPage;
        }
        return SettingsChange::None;
    }
    if (direction < 0) {
        return SettingsChange::None;
    }
    if (key == specialKey(GLUT_KEY_UP) || key == specialKey(GLUT_KEY_DOWN)) {
        const int step = key == specialKey(GLUT_KEY_UP) ? -1 : 1;
        selected = std::clamp(selected + step, 0, rowCount - 1);
    } else if (key == specialKey(GLUT_KEY_LEFT) || key == specialKey(GLUT_KEY_RIGHT)) {
        if (selected < FirstKey && selected != Reset) {
            return change(selected, key == specialKey(GLUT_KEY_LEFT) ? -1 : 1);
        }
    } else if (key == enterKey || key == settings.keys[std::size_t(Action::Fire)]) {
        return change(selected, 1);
    }
    return SettingsChange::None;
}

Key optionsMeaning(Key key) {
    if (choosingKeyFor >= 0 || key == escapeKey ||
        (key >= specialKey(GLUT_KEY_LEFT) && key <= specialKey(GLUT_KEY_DOWN))) {
        return key;
    }
    return key == enterKey || key == settings.keys[std::size_t(Action::Fire)] ? enterKey : noKey;
}

void drawOptionsScreen() {
    glDisable(GL_LIGHTING);
    drawTextCentered("Options", 0.01f, 0.79f, 0.2f, 0, 0, 0);
    drawTextCentered("Options", 0, 0.8f, 0.2f, 0.7f, 1.0f, 0.1f);
    for (int row = 0; row < FirstKey; ++row) {
        // A gap sets "Reset to defaults" apart from the settings it undoes.
        drawRow(row, -0.95f, -0.33f, top - rowSpacing * float(row + (row == Reset ? 1 : 0)));
    }
    // The keys' column stands clear of the values before it, its pointer too.
    for (int row = FirstKey; row < rowCount; ++row) {
        drawRow(row, -0.04f, 0.51f, top - rowSpacing * float(row - FirstKey));
    }
    if (difficultyHeld) {
        // Between the label and the value: the columns leave no room after it.
        drawOutlinedText("for this run", -0.65f, top - (textSize - noteSize), noteSize, 1, 1, 1);
    }
    const bool asking = choosingKeyFor >= 0;
    const std::string footer =
        !asking ? std::string("up down choose - left right change a value - esc goes back")
        : refusal != nullptr ? std::string(refusal) + " - press another key"
                             : "press a key for " + actionLabel(Action(choosingKeyFor));
    drawOutlinedText(footer.c_str(), 0, -0.9f, 0.055f, 1.0f, asking ? 1.0f : 0.9f,
                     asking ? 0.2f : 0.9f, Align::Centre);
    glEnable(GL_LIGHTING);
}

}  // namespace vortimbal
