// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// Red arrows at the edge of the view, one for each of the nearest bad guys
// out of it, so the last of a level is found without a full turn. One beside
// or behind the player sits on the side he should turn to, the lower the
// further round; one only above or below the view, on that edge.

// Finds the marks; the scene's matrices must be in place.
void placeThreatMarks();
// Draws them in the overlay.
void drawThreatMarks();

}  // namespace vortimbal
