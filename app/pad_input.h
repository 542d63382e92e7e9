// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <ostream>
#include <string>

namespace vortimbal {

// Starts the pads: SDL's database of mappings, SDL_GAMECONTROLLERCONFIG and a
// gamecontrollerdb.txt beside the settings. Without pad support the game plays
// with the keyboard alone, after at most one message. With
// $VORTIMBAL_TEST_PAD naming a script, a virtual pad plays it.
void startPads(const std::string& configFolder, std::ostream& messages);
// Reads the pads, once a turn of the loop, and plays a test pad's script.
void pollPads();
// What a stick's pushes are, recorded: a replay steers the same.
void replayWalk(int forwardThousandths, int rightThousandths);

}  // namespace vortimbal
