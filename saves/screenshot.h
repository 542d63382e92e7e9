// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vortimbal {

// Where screenshots go: $XDG_DATA_HOME/vortimbal3/screenshots, else
// ~/.local/share/vortimbal3/screenshots; empty when neither can be found.
std::string screenshotFolder(const char* xdgDataHome, const char* home);

// Writes an 8-bit RGB PNG to `path`, which must not exist yet (a symlink there
// counts as existing). False with a short reason in `error`, and nothing left
// behind, when that cannot be done.
bool writePng(const std::string& path, int width, int height,
              const std::vector<unsigned char>& rgbRowsTopFirst, std::string& error);

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rows;  // RGB, top row first
};

// Saves the picture `take` gives as FOLDER/vortimbal3-YYYYMMDD-HHMMSS[-N].png,
// never over an earlier file, making the folder as needed; `take` runs only
// once the file's name is sure. Returns the path written, or "" when it
// failed; `message` gets a short line for the HUD, the terminal the details.
std::string savePicture(const std::string& folder, const std::function<Picture()>& take,
                        std::string& message);

}  // namespace vortimbal
