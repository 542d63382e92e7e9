// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "screens/notice.h"

#include "game/game_state.h"
#include "screens/screen_state.h"

namespace vortimbal {

namespace {

constexpr long shownSteps = 40;

std::string& notice = screenState.notice;
long& shownUntil = screenState.noticeShownUntil;

}  // namespace

void showNotice(const std::string& text) {
    notice = text;
    shownUntil = stepsTaken + shownSteps;
}

void noticeSwitch(const std::string& name, bool on) {
    showNotice(name + (on ? " on" : " off"));
}

std::string currentNotice() {
    return stepsTaken < shownUntil ? notice : std::string();
}

}  // namespace vortimbal
