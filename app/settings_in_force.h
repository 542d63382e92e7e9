// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// What --mute and --max-fps chose: they hold for the run, whatever the Options
// page saves. -1: no cap given.
extern bool& mutedForRun;
extern int frameCapForRun;

// Puts the sound settings and the frame cap in force, under the run's options.
void applySettings();
// Saves the settings at once, after a change; a replay changes nothing kept.
void saveSettings();

}  // namespace vortimbal
