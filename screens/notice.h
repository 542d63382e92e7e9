// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <string>

namespace vortimbal {

// A short line the overlay shows for about two seconds: what a key or a menu
// entry just did, or could not do.
void showNotice(const std::string& text);
// A menu switch or a key just changed a setting: "octrees off", "lamp 1 on".
void noticeSwitch(const std::string& name, bool on);
// The line to show now; empty once its time is up.
std::string currentNotice();

}  // namespace vortimbal
