#pragma once

namespace vortimbal {

// Display and collision switches, toggled from the pop-up menu.
extern int showBoundingCubes;
extern int showSurfaces;
extern int useClipping;
extern int useOctrees;

}  // namespace vortimbal
