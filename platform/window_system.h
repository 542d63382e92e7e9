// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// Readies the process for GLUT's start. On Windows the X display an X server
// beside it names in DISPLAY (Wine's, MSYS's) is no monitor GLUT could use.
void prepareWindowSystem();

// Names the current window's class, as the desktop file's StartupWMClass expects.
void setWindowClass(const char* name);

// Asks the current window to wait for `frames` screen refreshes a swap, if the
// driver lets it.
void requestSwapInterval(int frames);

}  // namespace vortimbal
