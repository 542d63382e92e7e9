#pragma once

namespace vortimbal {

// Score, bad guys left, level and citizens left, plus the banner of a cleared
// level or of the end of the game.
void drawHud();

}  // namespace vortimbal
