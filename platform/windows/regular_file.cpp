// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "platform/regular_file.h"

#include <sys/stat.h>

#include <cerrno>

namespace vortimbal {

// Windows has no FIFO to wait on: opening first is safe.
std::FILE* openRegularFile(const char* name) {
    std::FILE* file = name == nullptr ? nullptr : std::fopen(name, "rb");
    struct _stat64 info {};
    if (file != nullptr &&
        (_fstat64(_fileno(file), &info) != 0 || (info.st_mode & _S_IFREG) == 0)) {
        std::fclose(file);
        errno = EINVAL;
        return nullptr;
    }
    return file;
}

}  // namespace vortimbal
