// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

class PlayableWorld;
class SnapshotReader;
class SnapshotWriter;

// The game's part of a run between two steps, all its future depends on: the
// random sequence, where the game stands, the switches, the world and the
// camera.
void saveGame(SnapshotWriter& out, const PlayableWorld& city);
// Reads it to the snapshot's end. Where the game stands, the random sequence,
// the switches and the camera change only when all of it was read; `city` may
// have changed before.
bool restoreGame(SnapshotReader& in, PlayableWorld& city);

}  // namespace vortimbal
