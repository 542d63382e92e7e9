// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// Without a sound card OpenAL Soft (and ALSA under it, on Linux) print a dozen
// lines of their own before the game's one message: they are kept quiet.
void quietSoundLibraries();

}  // namespace vortimbal
