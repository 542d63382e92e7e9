// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "saves/xdg_folder.h"

#include "platform/folders.h"

namespace vortimbal {

std::string xdgFile(const char* xdgHome, const char* home, const char* homeFallback,
                    const char* leaf) {
    const std::string inside = std::string("/vortimbal3/") + leaf;
    if (isAbsolutePath(xdgHome)) {
        return xdgHome + inside;
    }
    if (isAbsolutePath(home)) {
        return std::string(home) + "/" + homeFallback + inside;
    }
    return "";
}

}  // namespace vortimbal
