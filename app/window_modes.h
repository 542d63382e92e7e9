// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// Enters full screen, or leaves it for the window size it had before.
void toggleFullScreen();
// Enters GLUT game mode, or leaves it when already there.
void toggleGameMode();
// Back to the ordinary window, if in game mode.
void leaveGameMode();

}  // namespace vortimbal
