// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <sys/types.h>
#include <map>
#include <string>

#include "saves/high_scores.h"

namespace vortimbal {

// Whether a high score's replay bears it out.
enum class ReplayCheck {
    NoReplay,   // none was kept for it, or it is gone
    Checking,   // not known yet
    Holds,      // it claims this score and plays to its claim
    Fails,      // it claims another, or does not play to its claim
    Unchecked,  // the checker could not run
};

// Checks the table's replays one at a time in the background, each with the
// game's own --verify in a process of its own, so the page never waits. An
// edited table or an edited replay shows; what was found is kept for the run.
class ReplayChecks {
  public:
    // The program that checks: this game's own binary; none leaves all unchecked.
    void setChecker(std::string program) { checker = std::move(program); }
    // What is known of `score`'s replay in `folder`; asks for a check when nothing is yet.
    ReplayCheck of(const Score& score, const std::string& folder);
    // Takes in a finished check and starts the next: call it every turn of the loop.
    void poll();

  private:
    void startNext();

    std::string checker;
    std::map<std::string, ReplayCheck> found;  // by the replay's path
    std::string running;
    pid_t child = -1;
};

extern ReplayChecks replayChecks;

}  // namespace vortimbal
