// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/settings_in_force.h"

#include <iostream>

#include "app/frame_clock.h"
#include "app/replay.h"
#include "app/run.h"
#include "audio/sound_player.h"
#include "saves/settings.h"

namespace vortimbal {

bool& mutedForRun = shellRun.mutedForRun;
int frameCapForRun = -1;

void applySettings() {
    soundPlayer.setVolume(settings.volume);
    soundPlayer.setMuted(settings.muted || mutedForRun);
    maxFramesPerSecond = frameCapForRun >= 0 ? frameCapForRun : settings.frameCap;
}

void saveSettings() {
    if (!replaying()) {
        settingsFile.save(settings, std::cout);
    }
}

}  // namespace vortimbal
