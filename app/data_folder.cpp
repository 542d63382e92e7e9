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

// <prefix>/share/vortimbal3 for a program in <prefix>/bin, or "".
std::string besideProgram() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) {
        return "";
    }
    std::string program(path, std::size_t(length));
    const std::size_t slash = program.rfind('/');
    const std::string bin = program.substr(0, slash);
    const std::size_t parent = bin.rfind('/');
    if (slash == std::string::npos || parent == std::string::npos ||
        bin.compare(parent, std::string::npos, "/bin") != 0) {
        return "";
    }
    return bin.substr(0, parent) + "/share/vortimbal3";
}

}  // namespace

std::string enterDataFolder(const char* chosen, const char* installed, std::ostream& messages) {
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
    for (const std::string& folder : {besideProgram(), std::string(installed ? installed : "")}) {
        if (!folder.empty() && holdsData(folder) && chdir(folder.c_str()) == 0) {
            return folder;
        }
    }
    return "";
}

}  // namespace vortimbal
