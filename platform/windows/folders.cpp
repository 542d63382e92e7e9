// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "platform/folders.h"

#include <windows.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace vortimbal {

// Settings and everything kept go to %APPDATA%\vortimbal3 alike.
const char* configHome() {
    return std::getenv("APPDATA");
}

const char* dataHome() {
    return std::getenv("APPDATA");
}

const char* folderVariables() {
    return "APPDATA";
}

const char* homeFolder() {
    return nullptr;
}

bool isAbsolutePath(const char* path) {
    const auto separator = [](char c) { return c == '/' || c == '\\'; };
    return path != nullptr && (separator(path[0]) || (std::isalpha((unsigned char)path[0]) &&
                                                      path[1] == ':' && separator(path[2])));
}

bool isFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool isRegularFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
}

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool makeFolder(const std::string& path) {
    if (CreateDirectoryA(path.c_str(), nullptr) || isFolder(path)) {
        return true;
    }
    errno = GetLastError() == ERROR_ALREADY_EXISTS ? EEXIST : EACCES;
    return false;
}

bool enterFolder(const std::string& path) {
    return SetCurrentDirectoryA(path.c_str()) != 0;
}

std::string currentFolder() {
    char buffer[MAX_PATH + 1];
    const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : "";
}

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// With forward slashes, as the game joins paths.
std::string programPath() {
    char buffer[MAX_PATH + 1];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    std::string path = length > 0 && length < sizeof buffer ? std::string(buffer, length) : "";
    for (char& c : path) {
        c = c == '\\' ? '/' : c;
    }
    return path;
}

}  // namespace vortimbal
