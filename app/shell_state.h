// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// The shell's own globals: time, the window and its menus. Set only by the
// shell's callbacks.
extern double simulationTime;
extern double lastRedisplayTime;
extern float windowWidth;
extern float windowHeight;
extern int inGameMode;
extern unsigned char lastKeyDown;
// Frames to show before the one that draws the city unseen; -1 once it did.
extern int framesBeforeWarmUp;
// GLUT's number for the game's window; 0 before it exists.
extern int mainWindow;
// The window is in full screen, entered from the menu.
extern int inFullScreen;
// A pop-up menu is open: play waits until it closes. The run's own (app/run.h).
extern bool& menuOpen;
// A run with no window, so no display is needed: a replay checked or run
// unseen. GLUT is never started then, so nothing may call it.
extern bool headless;

}  // namespace vortimbal
