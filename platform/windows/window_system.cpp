// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "platform/window_system.h"

#include <windows.h>

#include <cstdlib>

namespace vortimbal {

void prepareWindowSystem() {
    _putenv("DISPLAY=");
}

// Windows names no class a desktop file could match.
void setWindowClass(const char*) {}

void requestSwapInterval(int frames) {
    using Set = BOOL(WINAPI*)(int);
    if (const auto set = reinterpret_cast<Set>(
            reinterpret_cast<void*>(wglGetProcAddress("wglSwapIntervalEXT")))) {
        set(frames);
    }
}

}  // namespace vortimbal
