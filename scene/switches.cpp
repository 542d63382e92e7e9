// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "scene/switches.h"

namespace vortimbal {

int showBoundingCubes = 0;
int showSurfaces = 1;
int useClipping = 1;
int useOctrees = 1;

}  // namespace vortimbal
