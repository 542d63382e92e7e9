// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "platform/sound_system.h"

#include <dlfcn.h>

#include <cstdlib>

namespace vortimbal {

namespace {

extern "C" void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

// OpenAL Soft reads its log level from the environment; ALSA, which it loads,
// takes an error handler.
void quietSoundLibraries() {
    setenv("ALSOFT_LOGLEVEL", "0", 0);
    using ErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
    if (void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_GLOBAL)) {
        auto setHandler =
            reinterpret_cast<int (*)(ErrorHandler)>(dlsym(alsa, "snd_lib_error_set_handler"));
        if (setHandler != nullptr) {
            setHandler(ignoreAlsaError);
        }
    }
}

}  // namespace vortimbal
