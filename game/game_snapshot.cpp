// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "game/game_snapshot.h"

#include <cstdint>

#include "control/camera.h"
#include "core/random.h"
#include "core/snapshot.h"
#include "game/game_state.h"
#include "game/playable_world.h"
#include "scene/switches.h"

namespace vortimbal {

namespace {

// Far more levels than anyone clears; the bad guys they bring stay countable.
constexpr int maxLevel = 1000000;

std::uint32_t randomNow() {
    const std::uint32_t now = seedRandom();
    seedRandom(now);
    return now;
}

}  // namespace

void saveGame(SnapshotWriter& out, const PlayableWorld& city) {
    out.line("random") << long(std::int32_t(randomNow()));
    out.line("standing") << gameState << level << gameUnderway << int(chosenDifficulty)
                         << difficultyHeld;
    out.line("switches") << showBoundingCubes << showSurfaces << useClipping << useOctrees;
    city.save(out);
    camera.save(out);
}

bool restoreGame(SnapshotReader& in, PlayableWorld& city) {
    long random = 0;
    GameStanding stand = standing;
    Switches flags;
    int chosen = 0;
    in.line("random").in(random, INT32_MIN, INT32_MAX);
    in.line("standing").in(stand.gameState, Title, GameOver).in(stand.level, 0, maxLevel);
    in >> stand.gameUnderway;
    in.in(chosen, 0, difficultyCount - 1) >> stand.difficultyHeld;
    in.line("switches");
    for (int* flag :
         {&flags.showBoundingCubes, &flags.showSurfaces, &flags.useClipping, &flags.useOctrees}) {
        in.in(*flag, 0, 1);
    }
    if (!in.ok() || !city.restore(in)) {
        return false;
    }
    // The world named the camera's target, which the view starts from.
    Camera view = camera;
    view.restore(in);
    if (!in.finished()) {
        return false;
    }
    camera = view;
    stand.chosenDifficulty = Difficulty(chosen);
    standing = stand;
    switches = flags;
    seedRandom(std::uint32_t(std::int32_t(random)));
    return true;
}

}  // namespace vortimbal
