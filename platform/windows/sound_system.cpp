// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "platform/sound_system.h"

#include <cstdlib>

namespace vortimbal {

// OpenAL Soft reads its log level from the environment, as on Linux.
void quietSoundLibraries() {
    if (std::getenv("ALSOFT_LOGLEVEL") == nullptr) {
        _putenv_s("ALSOFT_LOGLEVEL", "0");
    }
}

}  // namespace vortimbal
