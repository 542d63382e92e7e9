// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// Score, bad guys left, level and citizens left, plus in play the aim and the
// arrows to bad guys out of sight, and the banner of a cleared level or of the
// end of the game. `replay`, while a replay plays, says so on the HUD with its
// pace and keys; null otherwise.
void drawHud(const char* replay);
// What a key or a menu switch just changed, for a moment; on every screen.
void drawNotice();
// One more frame shown at `now` (ms), for the frame-rate readout.
void countFrame(double now);
// Frames a second, as the readout shows them.
int frameRateShown();

}  // namespace vortimbal
