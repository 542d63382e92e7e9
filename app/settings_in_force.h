// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// Puts the sound settings and the frame cap in force.
void applySettings();
// Saves the settings at once, after a change; a replay changes nothing kept.
void saveSettings();

}  // namespace vortimbal
