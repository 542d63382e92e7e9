// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "app/actions.h"

namespace vortimbal {

// The Options page: every setting with its value, every action with its key.
void openOptionsPage();
bool optionsPageShown();
void drawOptionsScreen();
// A key on the page: the arrows move and change, fire or Enter changes or asks
// for a key, Escape goes back (or cancels the question).
void optionsKey(Key key, int direction);

// Puts the sound settings and the frame cap in force.
void applySettings();
// Saves the settings at once, after a change; a replay changes nothing kept.
void saveSettings();

}  // namespace vortimbal
