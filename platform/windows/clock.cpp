// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "platform/clock.h"

#include <windows.h>

namespace vortimbal {

std::uint32_t millisecondsNow() {
    static const LONGLONG perSecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return frequency.QuadPart;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return std::uint32_t(now.QuadPart / perSecond * 1000 +
                         now.QuadPart % perSecond * 1000 / perSecond);
}

bool localTime(std::time_t when, std::tm& local) {
    return localtime_s(&local, &when) == 0;
}

void pauseFor(double milliseconds) {
    Sleep(milliseconds < 1 ? 0 : DWORD(milliseconds));
}

}  // namespace vortimbal
