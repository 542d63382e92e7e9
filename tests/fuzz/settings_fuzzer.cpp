// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

// libFuzzer entry point: the settings reader, and the save that writes a
// change into a file as it is, on arbitrary text. What the save wrote must
// read back as the change, the keys stay as they were, and no line is lost.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "saves/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vortimbal::Settings;
    using vortimbal::SettingsFile;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::ostringstream messages;
    const Settings read = SettingsFile::read(text, "fuzz", messages);
    Settings changed = read;
    changed.volume = (read.volume + 1) % 11;
    changed.invertTilt = !read.invertTilt;
    const std::string saved = SettingsFile::merged(text, read, changed);
    const Settings reread = SettingsFile::read(saved, "fuzz", messages);
    if (reread.volume != changed.volume || reread.invertTilt != changed.invertTilt ||
        reread.keys != read.keys ||
        std::count(saved.begin(), saved.end(), '\n') < std::count(text.begin(), text.end(), '\n')) {
        __builtin_trap();
    }
    return 0;
}
