// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/data_folder.h"

#include "platform/folders.h"

namespace vortimbal {

namespace {

bool holdsData(const std::string& folder) {
    return isFolder(folder + "/obj") && isFolder(folder + "/bmp");
}

// The data's place relative to the program's own folder, or "".
std::string besideProgram(const char* fromProgram) {
    const std::string program = programPath();
    if (program.empty() || fromProgram == nullptr || fromProgram[0] == 0) {
        return "";
    }
    return program.substr(0, program.rfind('/') + 1) + fromProgram;
}

}  // namespace

std::string enterDataFolder(const char* chosen, const char* installed, const char* fromProgram,
                            std::ostream& messages) {
    if (chosen != nullptr && chosen[0] != 0) {
        if (enterFolder(chosen)) {
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
        if (!folder.empty() && holdsData(folder) && enterFolder(folder)) {
            return folder;
        }
    }
    return "";
}

}  // namespace vortimbal
