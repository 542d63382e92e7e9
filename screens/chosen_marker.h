// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// The mark of the chosen row on the title and the Options page, seen at a
// glance whatever the row's colour: a pale bar behind the row and a pointer at
// its left, when there is room for it. In overlay coordinates; draw it before the row's text.
void drawChosenMarker(float left, float right, float top, float bottom);

}  // namespace vortimbal
