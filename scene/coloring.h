// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// The simple shapes colour themselves through GL_COLOR_MATERIAL, which tracks
// the current colour into the front ambient and diffuse colours; the front
// specular and emission are black meanwhile.
void startColoring();
// Leaves the current colour black and GL_COLOR_MATERIAL off. The front material
// is black now, so no surface counts as current any more.
void stopColoring();

// Until stopDimming(), whatever is drawn keeps `level` / 255 of its colour, lit
// and clamped as it would be: a grey texel modulates it. On a software
// renderer far cheaper than blending a dark sheet over the whole screen after.
void startDimming(unsigned char level);
// Texturing off again; no surface counts as current, as the texture was changed.
void stopDimming();

}  // namespace vortimbal
