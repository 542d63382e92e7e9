// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <string>
#include <vector>

namespace vortimbal {

// The base folders the player's files go under: the XDG ones on Linux (null
// when unset), %APPDATA% for both on Windows, where there is no HOME fallback.
const char* configHome();
const char* dataHome();
const char* homeFolder();
// The variables that set those folders, for a message that none is set.
const char* folderVariables();

bool isAbsolutePath(const char* path);
bool isFolder(const std::string& path);
// A regular file itself, not a link to one.
bool isRegularFile(const std::string& path);
bool exists(const std::string& path);
// Made private to the player; true when it is there now.
bool makeFolder(const std::string& path);
bool enterFolder(const std::string& path);
std::string currentFolder();
// The names in `folder`, but "." and ".."; none when it cannot be read.
std::vector<std::string> namesIn(const std::string& folder);
// The running program's own file, "" when it cannot be told.
std::string programPath();

}  // namespace vortimbal
