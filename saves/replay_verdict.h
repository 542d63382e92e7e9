// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <string>

namespace vortimbal {

// What the game's own --verify said of one replay.
struct ReplayVerdict {
    int status = 0;    // its exit status; 128 plus the signal that ended it
    std::string line;  // the last line it wrote: the closing line or why not
};

// Runs `checker --verify file` in a process of its own and waits for it.
ReplayVerdict verifyInProcess(const std::string& checker, const std::string& file);

}  // namespace vortimbal
