// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <string>

namespace vortimbal {

class PlayableWorld;

// Everything a game's future depends on, between two steps: the screens and
// the pop-up menu, and the game's part (saveGame). A game's replay starts with
// it, so it plays without the run that came before.
std::string snapshotOfRun(const PlayableWorld& city);
// Puts the run where the snapshot has it, its figures in `city`. False when it
// is not a snapshot of such a city: then only the city may have changed.
bool restoreRun(const std::string& text, PlayableWorld& city);

}  // namespace vortimbal
