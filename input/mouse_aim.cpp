// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "input/mouse_aim.h"

#include <algorithm>

namespace vortimbal {

namespace {
// At sensitivity 5 a move across a third of a 640-pixel window turns about 30
// degrees: a bad guy at the view's edge is one short flick away.
constexpr float degreesPerPixel = 0.03f;
// However far the pointer jumped, one step turns at most half round.
constexpr float maxTurn = 180;
}  // namespace

float MouseAim::takeTurn(int sensitivity) {
    const float degrees = pendingTurn(sensitivity);
    travel = 0;
    return degrees;
}

float MouseAim::pendingTurn(int sensitivity) const {
    const float degrees = float(travel) * degreesPerPixel * float(std::clamp(sensitivity, 1, 10));
    return std::clamp(degrees, -maxTurn, maxTurn);
}

}  // namespace vortimbal
