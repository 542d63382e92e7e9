// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <string>

namespace vortimbal {

// A kept replay watched in the window, from the page it was chosen on. It
// plays in a city of its own, built as every run starts; the player's city,
// game, settings and recording wait untouched until it ends or Escape stops
// it, and then the page comes back.

// Starts watching the replay in `file`; false, with a notice, when it cannot be read.
bool watchReplay(const std::string& file);
bool watching();
// The replay reached its end: its last picture stays a moment, with a word on
// whether it ended as it claims, before the page comes back.
void finishWatching();
// True once the watched replay is over: its city stands still.
bool watchOver();
// Back to the page, everything as it was before the replay.
void stopWatching();

}  // namespace vortimbal
