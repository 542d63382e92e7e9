// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/replay.h"

#include <iostream>

#include "app/clean_exit.h"
#include "app/game_flow.h"
#include "app/keyboard.h"
#include "app/menus.h"
#include "app/pad_input.h"
#include "app/recording.h"
#include "app/run.h"
#include "app/run_snapshot.h"
#include "app/shell_state.h"
#include "app/watch.h"
#include "game/game_state.h"
#include "game/playable_world.h"
#include "platform/system_maths.h"

namespace vortimbal {

namespace {

Replay& replay = shellRun.replay;
std::size_t& nextInput = shellRun.nextInput;

// The status a replay ends with: 1 when it is checked and does not end as it
// claims. A replay from before claims were written has nothing to contradict.
int verdict() {
    if (!verifyingReplay) {
        return 0;
    }
    if (replay.claim.line.empty()) {
        std::cerr << (replay.finished ? "The replay claims no closing line"
                                      : "The replay was cut short and claims nothing")
                  << "; it plays to the one below\n";
        return 0;
    }
    if (!endsAsClaimed()) {
        std::cerr << "The replay claims \"" << claimText(replay.claim)
                  << "\" but plays to the line below\n";
        return 1;
    }
    return 0;
}

// Older replays computed with glibc's maths: elsewhere they may end otherwise.
bool checkableHere() {
    return replay.maths() == Maths::Portable || systemMathsPlaysOlderReplays();
}

void apply(const ReplayInput& input) {
    recordInput(input.kind, input.code, input.value);
    switch (input.kind) {
        case InputKind::Key:
            replayKey(Key(input.code), input.value, replay.version == 1);
            break;
        case InputKind::Special:
            replayKey(specialKey(input.code), input.value != 0 ? 1 : -1, replay.version == 1);
            break;
        case InputKind::Action:
            doAction(Action(input.code), input.value);
            break;
        case InputKind::Walk:
            replayWalk(input.code, input.value);
            break;
        case InputKind::Turn:
            gameWorld->turnPlayer(float(input.code) / 1000);
            break;
        case InputKind::Menu:
            onMenu(input.code);
            break;
        case InputKind::Pause:
            pauseGame();
            break;
        case InputKind::MenuOpen:
            menuOpen = input.code != 0;
            break;
    }
}

}  // namespace

bool verifyingReplay = false;

bool startReplay(const std::string& file, std::ostream& errors) {
    std::string text;
    nextInput = 0;
    replay = Replay();
    if (!readReplayText(file, text)) {
        errors << "Cannot read the replay " << file << '\n';
        return false;
    }
    if (!parseReplay(text, replay)) {
        errors << "The replay " << file
               << " is from another version, out of range or not a replay\n";
        return false;
    }
    rulesMaths = replay.maths();
    chosenDifficulty = replay.difficulty;
    difficultyHeld = replay.difficultyHeld;
    // Played anyway, but a check here would call a true replay edited.
    if (verifyingReplay && !checkableHere()) {
        errors << "The replay " << file
               << " was recorded before replays ended alike on every system: only Linux can "
                  "check it\n";
        return false;
    }
    return true;
}

bool setUpReplayedGame(PlayableWorld& city, std::ostream& errors) {
    if (!replayStartsMidRun()) {
        return true;
    }
    if (!restoreRun(replay.snapshot, city)) {
        errors << "The replay's game starts from a snapshot this version cannot set up\n";
        return false;
    }
    stepsTaken = replay.gameStart;
    return true;
}

bool replayStartsMidRun() {
    return !replay.snapshot.empty();
}

bool replaying() {
    return replay.version != 0;
}

long replayedGameStart() {
    return replay.gameStart;
}

void feedReplay(long step) {
    while (nextInput < replay.inputs.size() && replay.inputs[nextInput].step == step) {
        apply(replay.inputs[nextInput++]);
    }
    if (!replaying() || step < replay.endStep) {
        return;
    }
    if (watching()) {
        finishWatching();
    } else {
        endGame(verdict());
    }
}

bool replayClaims() {
    return !replay.claim.line.empty() && checkableHere();
}

bool endsAsClaimed() {
    const Claim& claim = replay.claim;
    return claim.line.empty() ||
           (claim.line == summaryLine() &&
            (!claim.namesDifficulty || claim.difficulty == gameWorld->getDifficulty()));
}

}  // namespace vortimbal
