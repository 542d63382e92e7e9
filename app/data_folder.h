// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <ostream>
#include <string>

namespace vortimbal {

// Goes into the folder the models (obj/) and images (bmp/) are read from:
// `chosen` when it is set (the player's $VORTIMBAL_DATA), else the working
// directory when it has both, else `fromProgram` taken from the program's own
// folder (an install moved or unpacked elsewhere), else `installed`. Returns the
// folder it went into, or "" when it stayed where it was; a chosen folder that
// cannot be entered costs a message on `messages`.
std::string enterDataFolder(const char* chosen, const char* installed, const char* fromProgram,
                            std::ostream& messages);

}  // namespace vortimbal
