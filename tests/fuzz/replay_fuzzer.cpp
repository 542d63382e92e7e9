// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

// libFuzzer entry point: the replay reader on arbitrary bytes. A replay it
// takes must hold only what the game can play: steps in order within a day of
// its start, none before a snapshot's, no more inputs than the limit, an end no
// earlier than the last input.

#include <cstddef>
#include <cstdint>
#include <string>

#include "saves/replay_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vortimbal::Replay replay;
    if (!vortimbal::parseReplay(std::string(reinterpret_cast<const char*>(data), size), replay)) {
        if (replay.version != 0 || !replay.inputs.empty()) {
            __builtin_trap();
        }
        return 0;
    }
    long last = 0;
    for (const vortimbal::ReplayInput& input : replay.inputs) {
        if (input.step < last || input.step > replay.endStep) {
            __builtin_trap();
        }
        last = input.step;
    }
    // A replay from a snapshot plays its game alone, numbered on from the run's step.
    const long first = replay.snapshot.empty() ? 0 : replay.gameStart;
    if (replay.endStep - first > vortimbal::maxReplaySteps || first > vortimbal::maxRunSteps ||
        (first > 0 && !replay.inputs.empty() && replay.inputs.front().step < first) ||
        replay.inputs.size() > vortimbal::maxReplayInputs) {
        __builtin_trap();
    }
    return 0;
}
