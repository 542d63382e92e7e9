// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// Builds the pop-up menus, once per run.
void createMenus();
// Puts the main menu on the right mouse button of the current window.
void attachMenus();

// Every menu entry, and the title screen's items, by id.
void onMenu(int id);
// GLUT's menu callback: a live choice, recorded, and ignored during a replay.
void onMenuChoice(int id);
// GLUT's word that a pop-up menu opened or closed, recorded like a choice.
void onMenuStatus(int status, int x, int y);

}  // namespace vortimbal
