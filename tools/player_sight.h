// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

// What the tools' scripted players see of the city: where a point lies from
// the player's facing, and the nearest bad guy they can see.

#include <cmath>

#include "game/figure.h"
#include "game/world.h"

namespace vortimbal {

// The signed angle in degrees from the player's facing to the point, positive
// when the right arrow turns towards it.
inline float angleTo(const Figure& player, const Vector3& at) {
    const Vector3 ahead = player.forward();
    const float dx = at.x - player.position.x;
    const float dz = at.z - player.position.z;
    return std::atan2(ahead.x * dz - ahead.z * dx, ahead.x * dx + ahead.z * dz) * 180 / 3.14159265f;
}

// The nearest bad guy still in the fight that `seen` accepts, or null.
template <typename Seen>
const Figure* nearestBadGuy(const World& city, Seen seen) {
    const Figure* player = city.getPlayer();
    const Figure* nearest = nullptr;
    float best = 1e30f;
    for (int i = 0; i < city.getChildren().count(); ++i) {
        auto* figure = dynamic_cast<const Figure*>(city.getChildren().get(i));
        if (figure == nullptr || !figure->isBad() || figure->isRising() || !seen(*figure)) {
            continue;
        }
        const float d = (figure->position - player->position).lengthSquared();
        if (d < best) {
            best = d;
            nearest = figure;
        }
    }
    return nearest;
}

}  // namespace vortimbal
