// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "saves/screenshot.h"

#include <png.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <iostream>

#include "platform/clock.h"
#include "platform/folders.h"
#include "platform/safe_file.h"
#include "saves/xdg_folder.h"

namespace vortimbal {

namespace {

// More shots in one second than anyone takes: beyond it, nothing is saved.
constexpr int maxNamesPerSecond = 1000;

std::string timeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[32] = "";
    if (localTime(now, local)) {
        std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    }
    return text;
}

// The first name of this second nothing holds yet, or "" when all are taken. A
// name taken between this look and the write costs only a failed shot.
std::string freeName(const std::string& folder) {
    const std::string stem = folder + "/vortimbal3-" + timeStamp();
    for (int n = 1; n <= maxNamesPerSecond; ++n) {
        const std::string name = stem + (n == 1 ? "" : "-" + std::to_string(n)) + ".png";
        if (!exists(name) && !isRegularFile(name)) {  // free, or out of reach: the write says why
            return name;
        }
    }
    return "";
}

}  // namespace

std::string screenshotFolder(const char* xdgDataHome, const char* home) {
    return xdgFile(xdgDataHome, home, ".local/share", "screenshots");
}

bool writePng(const std::string& path, int width, int height,
              const std::vector<unsigned char>& rgbRowsTopFirst, std::string& error) {
    if (width <= 0 || height <= 0 ||
        rgbRowsTopFirst.size() != std::size_t(width) * std::size_t(height) * 3) {
        error = "no picture to save";
        return false;
    }
    FILE* file = createNewFile(path, false);
    if (file == nullptr) {
        error = std::strerror(errno);
        return false;
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(width);
    image.height = png_uint_32(height);
    image.format = PNG_FORMAT_RGB;
    bool done = png_image_write_to_stdio(&image, file, 0, rgbRowsTopFirst.data(),
                                         png_int_32(width * 3), nullptr) != 0;
    if (!done) {
        error = image.message;
    }
    png_image_free(&image);
    // A full disk may show only when the last bytes go out.
    if (std::fclose(file) != 0 && done) {
        error = std::strerror(errno);
        done = false;
    }
    if (!done) {
        removeFile(path);
    }
    return done;
}

std::string savePicture(const std::string& folder, const std::function<Picture()>& take,
                        std::string& message) {
    std::string error;
    std::string path;
    if (folder.empty()) {
        error = std::string("no absolute folder is set (") + folderVariables() + ")";
    } else if (!makeParentFolders(folder + "/")) {
        error = std::strerror(errno);
    } else if ((path = freeName(folder)).empty()) {
        error = "every name of this second is taken";
    } else {
        const Picture picture = take();
        if (!writePng(path, picture.width, picture.height, picture.rows, error)) {
            path.clear();
        }
    }
    // The HUD has room for the file's name; the terminal gets the whole path.
    if (path.empty()) {
        std::cout << "Screenshot: cannot write " << (folder.empty() ? "anywhere" : folder) << ": "
                  << error << std::endl;
        message = "screenshot failed - see the terminal";
    } else {
        std::cout << "Screenshot: " << path << std::endl;
        message = "saved " + path.substr(path.rfind('/') + 1);
    }
    return path;
}

}  // namespace vortimbal
