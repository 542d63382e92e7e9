#include "scene/switches.h"

namespace vortimbal {

int showBoundingCubes = 0;
int showSurfaces = 1;
int useClipping = 1;
int useOctrees = 1;

}  // namespace vortimbal
