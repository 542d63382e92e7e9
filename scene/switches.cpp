// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/switches.h"

namespace vortimbal {

Switches switches;

int& showBoundingCubes = switches.showBoundingCubes;
int& showSurfaces = switches.showSurfaces;
int& useClipping = switches.useClipping;
int& useOctrees = switches.useOctrees;

}  // namespace vortimbal
