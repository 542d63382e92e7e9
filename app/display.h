// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

namespace vortimbal {

// Draws one frame into the back buffer, without showing it.
void drawFrame();
void onDisplay();
// The next frame is also written as a PNG file (the screenshot key), but
// not in a replay.
void requestScreenshot();
void onReshape(int width, int height);

// The scene's perspective projection for the current window size.
void setPerspective();
// The projection and the camera's view, as the scene is drawn through them.
void setSceneMatrices();

}  // namespace vortimbal
