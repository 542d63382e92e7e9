// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// The mark of where the player's next shot goes: on his real line of fire, as
// far along it as the figure it would take. White ticks over open ground, a red diamond
// over a bad guy in line, a yellow ring struck through over a citizen in line.

// Finds the marked point on the screen; the scene's matrices must be in place.
void placeAimMarker();
// Draws the mark in the overlay, if the point is in view.
void drawAimMarker();

}  // namespace vortimbal
