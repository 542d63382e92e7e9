// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "input/actions.h"

namespace vortimbal {

// The Options page: every setting with its value, every action with its key.
void openOptionsPage();
bool optionsPageShown();
// The page's rows: the settings, then one for each action's key.
int optionsRowCount();
void drawOptionsScreen();
// A key on the page: the arrows move and change, fire or Enter changes or asks
// for a key, Escape goes back (or cancels the question).
// What a key changed: nothing, a key binding, or a value to put in force. The
// shell puts a change in force and keeps it.
enum class SettingsChange { None, Keys, Values };
SettingsChange optionsKey(Key key, int direction);
// What `key` means to the page now, whatever is bound: Enter for the fire key,
// noKey for a key it ignores, else the key itself.
Key optionsMeaning(Key key);

}  // namespace vortimbal
