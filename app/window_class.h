// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// Names the current window's class (WM_CLASS) `name`, which freeglut leaves
// unset: a desktop matches the window to its menu entry by it. Without an X
// display or a current window nothing happens.
void setWindowClass(const char* name);

}  // namespace vortimbal
