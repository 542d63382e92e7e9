// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

// libFuzzer entry point: a game's snapshot, as a replay starts from it, read
// into a city from arbitrary bytes. Besides the sanitizers' checks, a snapshot
// it takes must leave the city whole: saved, read and saved again, it says the
// same, which walks every figure, whom each follows and the tree's leaves.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/snapshot.h"
#include "game/game_snapshot.h"
#include "game/world.h"
#include "models/material.h"
#include "models/material_pool.h"

using namespace vortimbal;

namespace {

World& city() {
    static World* built = [] {
        static Material white("white", Color(1, 1, 1, 1), Color(0, 0, 0, 1));
        static MaterialPool surfaces;
        defaultMaterial = &white;
        auto* made = new World;
        made->setCitizenPool(&surfaces);
        made->build();
        return made;
    }();
    return *built;
}

std::string saved() {
    SnapshotWriter out;
    saveGame(out, city());
    return out.text();
}

}  // namespace

// The models are read from the data folder: give the corpus folders whole paths.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (chdir(VORTIMBAL_SOURCE_DIR "/data") != 0) {
        std::abort();
    }
    city();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    SnapshotReader in(text);
    if (!restoreGame(in, city())) {
        return 0;
    }
    const std::string once = saved();
    SnapshotReader again(once);
    if (!restoreGame(again, city()) || saved() != once) {
        __builtin_trap();
    }
    return 0;
}
