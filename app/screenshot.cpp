// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/screenshot.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>

#include "platform/folders.h"
#include "saves/screenshot.h"

namespace vortimbal {

namespace {

Picture readViewport() {
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    Picture picture;
    picture.width = std::max(viewport[2], 0);
    picture.height = std::max(viewport[3], 0);
    const std::size_t stride = std::size_t(picture.width) * 3;
    picture.rows.resize(stride * std::size_t(picture.height));
    if (picture.rows.empty()) {
        return picture;
    }
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);  // rows packed tight, as PNG wants them
    glReadPixels(viewport[0], viewport[1], picture.width, picture.height, GL_RGB, GL_UNSIGNED_BYTE,
                 picture.rows.data());
    // GL gives the bottom row first.
    unsigned char* rows = picture.rows.data();
    for (std::size_t top = 0, bottom = std::size_t(picture.height) - 1; top < bottom;
         ++top, --bottom) {
        std::swap_ranges(rows + top * stride, rows + (top + 1) * stride, rows + bottom * stride);
    }
    return picture;
}

}  // namespace

std::string saveScreenshot(const std::string& folder, std::string& message) {
    return savePicture(folder, readViewport, message);
}

std::string takeScreenshot(std::string& message) {
    return saveScreenshot(screenshotFolder(dataHome(), homeFolder()), message);
}

}  // namespace vortimbal
