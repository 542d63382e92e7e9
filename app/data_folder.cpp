// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/data_folder.h"

#include <sys/stat.h>
#include <unistd.h>

namespace vortimbal {

namespace {

bool isFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool holdsData(const std::string& folder) {
    return isFolder(folder + "/obj") && isFolder(folder + "/bmp");
}

// The data's place relative to the program's own folder, or "".
std::string besideProgram(const char* fromProgram) {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0 || fromProgram == nullptr || fromProgram[0] == 0) {
        return "";
    }
    const std::string program(path, std::size_t(length));
    return program.substr(0, program.rfind('/') + 1) + fromProgram;
}

}  // namespace

std::string enterDataFolder(const char* chosen, const char* installed, const char* fromProgram,
                            std::ostream& messages) {
    if (chosen != nullptr && chosen[0] != 0) {
        if (chdir(chosen) == 0) {
            return chosen;
        }
        messages << "VORTIMBAL_DATA names " << chosen << ", which cannot be entered\n";
        return "";
    }
    if (holdsData(".")) {
        return "";
    }
    for (const std::string& folder :
         {besideProgram(fromProgram), std::string(installed ? installed : "")}) {
        if (!folder.empty() && holdsData(folder) && chdir(folder.c_str()) == 0) {
            return folder;
        }
    }
    return "";
}

}  // namespace vortimbal
