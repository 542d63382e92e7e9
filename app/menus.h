// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <string>

namespace vortimbal {

// Builds the pop-up menus, once per run.
void createMenus();
// Puts each switch's state and the camera's mode and distance beside their
// entries, once they changed; nothing while a menu is open.
void refreshMenus();
// The entry's label with its state: "Do [Not] Use Octrees: on", "* Follow".
std::string menuLabel(int id);
// Puts the main menu on the right mouse button of the current window.
void attachMenus();

// Every menu entry, and the title screen's items, by id.
void onMenu(int id);
// GLUT's menu callback: a live choice, recorded, and ignored during a replay.
void onMenuChoice(int id);
// GLUT's word that a pop-up menu opened or closed, recorded like a choice.
void onMenuStatus(int status, int x, int y);

}  // namespace vortimbal
