#pragma once

namespace vortimbal {

// The game's one pseudo-random sequence: the same in every run, because the
// city's layout is drawn from it. Returns 0 to 32767.
int rand();

}  // namespace vortimbal
