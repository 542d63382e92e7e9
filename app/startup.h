// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <functional>
#include <ostream>

namespace vortimbal {

class MaterialPool;
class World;

// Every surface of the game, for the world to look its models' materials up in.
extern MaterialPool* mainMaterialPool;

// The game's named materials, then the six textures, in a new pool that is
// in use already: "black" and "white" become blackMaterial and defaultMaterial,
// and the first texture is lit by "estrade". Names the textures in the current
// GL context; a headless run has none, and never draws them.
MaterialPool* loadSurfaces();

// The fixed OpenGL state; set again after entering game mode.
void initGLState();

// Registers the GLUT callbacks, in the order start-up has always used.
void registerCallbacks();

// Everything a new game window needs: textures, GL state, lamps, callbacks,
// the menu and key repeat off. Both the window and game mode's own use it.
void setUpWindow();

// What the first frame needs: window, models, state, callbacks, clock.
// Lays out a city as every run starts with it, its figures settled on the ground.
void buildWorld(World& city);
void startUp(int* argc, char** argv);
// The rest, once the first frame is on screen, so the window fills sooner:
// sound, pads and the menu. Does nothing before startUp or a second time.
void finishStartUp();

// Runs a start-up; an Exception it throws is reported on `errors` with a hint
// about where the data files are looked for. Returns false when it failed.
bool startUpReported(const std::function<void()>& startUpSteps, std::ostream& errors);

}  // namespace vortimbal
