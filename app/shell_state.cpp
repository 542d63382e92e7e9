// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/shell_state.h"

#include "app/run.h"

namespace vortimbal {

double simulationTime = 0;
double lastRedisplayTime = 0;
float windowWidth = 0;
float windowHeight = 0;
int inGameMode = 0;
unsigned char lastKeyDown = 0;
int framesBeforeWarmUp = 1;
int mainWindow = 0;
int inFullScreen = 0;
bool& menuOpen = shellRun.menuOpen;
bool headless = false;

}  // namespace vortimbal
