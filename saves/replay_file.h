// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/portable_math.h"
#include "game/difficulty.h"

namespace vortimbal {

// What a replay holds, apart from the window and the game, so that its reader
// can be fuzzed alone.
enum class InputKind { Key, Special, Menu, Pause, MenuOpen, Action, Walk, Turn };

struct ReplayInput {
    long step;
    InputKind kind;
    int code;
    int value;
};

// Version 1 wrote keys, which all meant their default actions then; version 2
// writes the player's actions by name and only the fixed keys as keys, each
// recorded only when it did something; version 3 may start its game from a
// snapshot instead of the run before it; version 4 is version 3 computed with
// the portable maths, so it ends alike on every system.
extern const char* const replayHeaders[4];
// The header a run computing with `maths` writes; a game from a snapshot
// needs version 3 at least.
const char* replayHeader(Maths maths, bool fromSnapshot);
// The snapshots this game writes and reads.
constexpr int snapshotVersion = 1;
extern const char* const inputKindNames[8];
extern const char* const heldNote;
// Far more inputs than hours of play bring; a larger file is not a replay.
constexpr std::size_t maxReplayInputs = 1000000;
constexpr std::size_t maxReplayBytes = 32 * maxReplayInputs;
// A day of 50 ms steps: no replay's game is longer, so no step count can
// overflow.
constexpr long maxReplaySteps = 20L * 60 * 60 * 24;
// The step a game from a snapshot may start at: over a year of play, and
// within a 32-bit long with a day to go.
constexpr long maxRunSteps = 1000000000L;
// Far more lines than a city full of figures takes.
constexpr long maxSnapshotLines = 1000000;

// How a recorded game says it ended, on its end line.
struct Claim {
    // The closing line, as closingLine writes it; empty in replays written
    // before the end line carried it.
    std::string line;
    int level = 0;
    int score = 0;
    // Named after the line by games that record themselves.
    bool namesDifficulty = false;
    Difficulty difficulty = Difficulty::Normal;
};

struct Replay {
    int version = 0;  // 1 to 4
    // What the run starts at; older replays were all played at the rules "normal" has.
    Difficulty difficulty = Difficulty::Normal;
    // Held for the run by --difficulty, whatever its Options page did: its
    // line says `heldNote` after the name.
    bool difficultyHeld = false;
    // The step the recorded game starts at. The city carries over from game to
    // game: a replay starts from a snapshot of the run at this step, or holds
    // the whole run that led to it, played unseen when the game is watched.
    long gameStart = 0;
    // Lines as snapshotOfRun writes them, or empty.
    std::string snapshot;
    std::vector<ReplayInput> inputs;
    long endStep = -1;
    // False for a recording cut short, a game killed as it was played: it plays
    // to its last whole input and claims nothing.
    bool finished = false;
    Claim claim;

    Maths maths() const { return version >= 4 ? Maths::Portable : Maths::System; }
};

// The line a game ends with: its level, score and census.
std::string closingLine(int level, int score, int citizensLeft, int badGuysLeft);
// What an end line says after its step: the closing line, and " on" and the
// difficulty when the game's difficulty is known.
std::string claimText(const Claim& claim);

// The whole file, when it is a regular one no larger than a replay can be.
bool readReplayText(const std::string& file, std::string& text);

// Strict: the header, the difficulty and the game's first step if named,
// inputs in step order each with its values in range, then "end" with the last
// step and perhaps the claim, and a line end. A file that stops short of its
// end, even inside a line, holds what was played up to its last whole input.
// False on anything else.
bool parseReplay(const std::string& text, Replay& replay);
// The replay in `file`; false when it cannot be read or is no replay.
bool readReplay(const std::string& file, Replay& replay);
// What a page shows of the replay in `file`, read from its head and its last
// line alone, so a long one takes no longer: the version, the difficulty, where
// the game starts, whether it ended and its claim, but no inputs. False when
// these are not a replay's.
bool readReplayEnds(const std::string& file, Replay& replay);

}  // namespace vortimbal
