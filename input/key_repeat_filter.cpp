// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "input/key_repeat_filter.h"

namespace vortimbal {

namespace {
// Shorter than any system's delay before it repeats a held key, longer than a tap.
constexpr double repeatDelayMs = 200;
}  // namespace

void KeyRepeatFilter::nextTurn() {
    ++turn;
}

bool KeyRepeatFilter::press(unsigned char key, double now) {
    if (isLateRepeat(key, now)) {
        staleRepeatKey = key;
        return false;
    }
    lastPress = {key, turn, false, now};
    return true;
}

bool KeyRepeatFilter::release(unsigned char key) {
    const bool lone = !(key == lastPress.key && lastPress.turn == turn);
    lastRelease = {key, turn, lone, 0};
    if (key == staleRepeatKey) {
        staleRepeatKey = 0;
        return false;
    }
    return true;
}

bool KeyRepeatFilter::isLateRepeat(unsigned char key, double now) const {
    const bool heldLongEnough = key != lastPress.key || now - lastPress.time >= repeatDelayMs;
    return key == lastRelease.key && lastRelease.turn == turn && lastRelease.lone && heldLongEnough;
}

}  // namespace vortimbal
