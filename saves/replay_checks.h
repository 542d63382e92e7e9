// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <chrono>
#include <map>
#include <string>

#include "platform/processes.h"
#include "saves/high_scores.h"
#include "saves/replay_file.h"

namespace vortimbal {

// Whether a high score's replay bears it out.
enum class ReplayCheck {
    NoReplay,   // none was kept for it, or it is gone
    Checking,   // not known yet
    Holds,      // it claims this score and plays to its claim
    Fails,      // it claims another, or does not play to its claim
    Unchecked,  // the checker could not run
    TimedOut,   // it played too long to be known either way
};

// Checks the table's replays one at a time in the background, each with the
// game's own --verify in a process of its own, so the page never waits. An
// edited table or an edited replay shows; what was found is kept for the run.
class ReplayChecks {
  public:
    // Long enough for any game a player finishes; a replay that plays longer
    // would only keep the machine busy.
    static constexpr std::chrono::milliseconds timeLimit{20000};

    ReplayChecks() = default;
    ReplayChecks(const ReplayChecks&) = delete;
    ReplayChecks& operator=(const ReplayChecks&) = delete;
    ~ReplayChecks() { stop(); }

    // The program that checks: this game's own binary; none leaves all
    // unchecked. Each check it runs is stopped after `limit`.
    void setChecker(std::string program, std::chrono::milliseconds limit = timeLimit);
    // What is known of `score`'s replay in `folder`; asks for a check when nothing is yet.
    ReplayCheck of(const Score& score, const std::string& folder);
    // Takes in a finished check and starts the next: call it every turn of the loop.
    void poll();
    // Ends the running check: no check outlives the game that started it.
    void stop();

  private:
    // What is known of one file, whichever rows name it.
    struct Kept {
        bool found = false;
        Claim claim;  // empty when the file is no replay
        // What playing it found; played only once a row it claims asks.
        ReplayCheck played = ReplayCheck::Checking;
        bool asked = false;
    };

    Kept& kept(const std::string& path);
    void startNext();

    std::string checker;
    std::chrono::milliseconds limit = timeLimit;
    std::map<std::string, Kept> files;  // by the replay's path
    std::string running;
    ChildId child = noChild;
    std::chrono::steady_clock::time_point deadline;
};

extern ReplayChecks replayChecks;

}  // namespace vortimbal
