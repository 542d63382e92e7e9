// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <ostream>
#include <string>

#include "saves/replay_file.h"

namespace vortimbal {

// Plays a recorded run again: its inputs go into the game at the steps they
// came in, while live input is ignored.

// Reads a whole replay first; false after a message on `errors` when the file
// is missing, from another version, out of range or garbage.
bool startReplay(const std::string& file, std::ostream& errors);
class PlayableWorld;

// A game's replay that starts from a snapshot puts the run where it stands, its
// figures in `city`; false after a message on `errors` when the snapshot is
// not one of this game's. Other replays play the run from its start.
bool setUpReplayedGame(PlayableWorld& city, std::ostream& errors);
// Whether the replay starts from a snapshot rather than the run's first step.
bool replayStartsMidRun();
// True while a replay runs: live input is ignored then.
bool replaying();
// The step the replayed game starts at: the run before it is played unseen.
long replayedGameStart();
// Set by --verify: at its end the replay's closing line is compared with the
// one it claims, and a replay that does not end as it claims fails the run.
extern bool verifyingReplay;
// Feeds the inputs replayed before step `step` runs; at the replay's last step
// the run ends, or a watched replay stops.
void feedReplay(long step);
// Whether the replay claims how its game ended: one cut short does not.
bool replayClaims();
// Whether the game stands as the replay claims it ends; true when it claims nothing.
bool endsAsClaimed();

}  // namespace vortimbal
