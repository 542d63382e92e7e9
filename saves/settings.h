// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "game/difficulty.h"
#include "input/actions.h"

namespace vortimbal {

// What a player chooses once and finds again at the next run.
struct Settings {
    Settings();

    int volume = 10;  // 0 to 10
    bool muted = false;
    bool fullScreen = false;  // at start
    int frameCap = 60;        // frames per second: 30, 60, 120, 144, or 0 for none
    bool showFrameRate = false;
    bool invertTilt = false;   // of the camera
    bool mouseAim = true;      // sideways moves turn the player in play
    int mouseSensitivity = 5;  // 1 to 10
    int padDeadZone = 25;      // percent of a stick's travel
    bool padInvert = false;    // the right stick's forward and back
    bool padRumble = true;
    Difficulty difficulty = Difficulty::Normal;  // of each New Game
    bool recordGames = true;                     // each game keeps its replay
    KeyBindings keys;

    bool operator==(const Settings& other) const;
};

// The frame caps a player can choose, in the order the Options page offers them.
extern const int frameCaps[5];

// The settings file: $XDG_CONFIG_HOME/vortimbal3/settings.ini, an INI file read
// with inih. The game writes only the lines of the settings it changed; every
// other line, a newer version's and the player's own, stays byte for byte.
class SettingsFile {
  public:
    // $XDG_CONFIG_HOME/vortimbal3/settings.ini, else ~/.config/vortimbal3/settings.ini;
    // empty when neither can be found.
    static std::string defaultFile(const char* xdgConfigHome, const char* home);

    // Reads `file`. A missing file gives the defaults without a word; each line
    // that cannot be read, names an unknown action or holds a value out of range
    // costs one message naming the line (ten at most, then a count), and that
    // setting keeps its default (a number just out of range is clamped instead).
    Settings load(const std::string& file, std::ostream& messages);
    // The same from a file's text, its messages naming `file`.
    static Settings read(const std::string& text, const std::string& file, std::ostream& messages);
    // Under a lock, writes into the file as it is now the settings that differ
    // from those last read or written, through a temporary file that is synced
    // and renamed over the old one. False after one message when it cannot.
    bool save(const Settings& settings, std::ostream& messages);
    // `text` with the lines of each setting that differs between `before` and
    // `after` written anew (added to their section when missing).
    static std::string merged(const std::string& text, const Settings& before,
                              const Settings& after);

  private:
    std::string file;
    Settings saved;         // as last read or written
    bool readOnly = false;  // a file that exists but could not be read
};

// The settings in force in this run, and where they are kept.
extern Settings settings;
extern SettingsFile settingsFile;

}  // namespace vortimbal
