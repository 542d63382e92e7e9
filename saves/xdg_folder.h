// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <string>

namespace vortimbal {

// The game's own folder under an XDG base folder: $XDG_..._HOME/vortimbal3
// when that is absolute (the XDG rule), else HOME/homeFallback/vortimbal3,
// then `leaf` inside it; empty when neither can be found.
std::string xdgFile(const char* xdgHome, const char* home, const char* homeFallback,
                    const char* leaf);

}  // namespace vortimbal
