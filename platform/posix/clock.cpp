// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "platform/clock.h"

#include <time.h>

namespace vortimbal {

std::uint32_t millisecondsNow() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::uint32_t(std::uint64_t(now.tv_sec) * 1000u + std::uint64_t(now.tv_nsec) / 1000000u);
}

bool localTime(std::time_t when, std::tm& local) {
    return localtime_r(&when, &local) != nullptr;
}

void pauseFor(double milliseconds) {
    const timespec pause{0, long(milliseconds * 1e6)};
    nanosleep(&pause, nullptr);
}

}  // namespace vortimbal
