// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <string>

namespace vortimbal {

// Saves the current viewport of the back buffer, so call it before the buffers
// swap, as FOLDER/vortimbal3-YYYYMMDD-HHMMSS[-N].png, never over an earlier file.
// Returns the path written, or "" when it failed; `message` gets a short line
// for the HUD, the terminal the details.
std::string saveScreenshot(const std::string& folder, std::string& message);

// saveScreenshot into the player's own screenshot folder.
std::string takeScreenshot(std::string& message);

}  // namespace vortimbal
