// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

// What makes a figure a bad guy: how it drops into the city, and how it hunts
// and shoots each step.

#include "core/random.h"
#include "game/difficulty.h"
#include "game/figure.h"
#include "game/world.h"

namespace vortimbal {

// Drops in over the middle of the city and hunts a random citizen.
void World::addBadGuy(MaterialPool* pool) {
    auto* badGuy = new Figure(pool, this);
    addChild(badGuy);
    const float z = float(40 - rand() % 80);
    const float y = float(40 - rand() % 20);
    const float x = float(40 - rand() % 80);
    badGuy->position += Vector3(x, y, z);
    badGuy->placed();
    badGuy->linearStep = float(rand() % 100) / 10000 + 0.1f;
    badGuy->setMode(FaceAndFollow);
    // Marked first, so that it cannot draw itself as its target.
    badGuy->setBad();
    badGuy->setTarget(randomCitizen());
}

// Fires now and then, and now and then picks another citizen to hunt. Both
// draws are made at every difficulty, so the random sequence stays in step.
void Figure::actAsBadGuy() {
    if (world == nullptr) {
        return;
    }
    const DifficultyRules& rules = rulesOf(world->getDifficulty());
    const bool holdingFire = rules.holdFireWhileFalling && isFalling();
    if (rand() % rules.shotOdds == 0 && !holdingFire) {
        world->fire(this);
    }
    if (rand() % rules.newTargetOdds == 0) {
        setTarget(world->randomCitizen());
        if (rules.firesOnNewTarget && !holdingFire) {
            world->fire(this);
        }
    }
}

}  // namespace vortimbal
