// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

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

// Saves the current viewport of the back buffer, so call it before the buffers
// swap, as FOLDER/vortimbal3-YYYYMMDD-HHMMSS[-N].png, never over an earlier file,
// making the folder as needed. Returns the path written, or "" when it failed;
// `message` gets a short line for the HUD, the terminal the details.
std::string saveScreenshot(const std::string& folder, std::string& message);

// saveScreenshot into the player's own screenshot folder.
std::string takeScreenshot(std::string& message);

}  // namespace vortimbal
