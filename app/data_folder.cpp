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

}  // namespace

std::string enterDataFolder(const char* chosen, const char* installed, std::ostream& messages) {
    if (chosen != nullptr && chosen[0] != 0) {
        if (chdir(chosen) == 0) {
            return chosen;
        }
        messages << "VORTIMBAL_DATA names " << chosen << ", which cannot be entered\n";
        return "";
    }
    if (holdsData(".") || installed == nullptr || !holdsData(installed)) {
        return "";
    }
    return chdir(installed) == 0 ? installed : "";
}

}  // namespace vortimbal
