// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

class PlayableWorld;
class World;

enum GameState { Title = 1, Playing = 2, LevelCleared = 3, GameOver = 4 };

extern int gameState;
extern int level;
// A game has started and not ended: the title can resume it.
extern bool gameUnderway;
extern double simulationTime;
extern double lastRedisplayTime;
extern float windowWidth;
extern float windowHeight;
extern int inGameMode;
extern unsigned char lastKeyDown;
extern int titleSelection;
// Frames to show before the one that draws the city unseen; -1 once it did.
extern int framesBeforeWarmUp;
// GLUT's number for the game's window; 0 before it exists.
extern int mainWindow;
// The window is in full screen, entered from the menu.
extern int inFullScreen;
// A pop-up menu is open: play waits until it closes.
extern bool menuOpen;
// The page the title screen shows instead of its menu: a TitlePage.
extern int helpShown;

// The one game world, built at start-up.
extern World world;
// The world the shell steps, shows and commands: `world`, or a stand-in in tests.
extern PlayableWorld* gameWorld;

}  // namespace vortimbal
