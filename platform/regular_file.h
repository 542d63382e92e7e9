// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <cstdio>

namespace vortimbal {

// Opens an existing regular file to read in binary, or returns null with errno
// set: a FIFO, a device or a folder is refused (EINVAL) without blocking on it.
std::FILE* openRegularFile(const char* name);

}  // namespace vortimbal
