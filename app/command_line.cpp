#include "app/command_line.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "app/frame_clock.h"

namespace vortimbal {

namespace {

constexpr long maxFpsLimit = 10000;

bool readFrameRate(const char* text, std::ostream& errors) {
    char* end = nullptr;
    errno = 0;
    const long value = text == nullptr ? -1 : std::strtol(text, &end, 10);
    if (text == nullptr || end == text || *end != 0 || errno != 0 || value < 0 ||
        value > maxFpsLimit) {
        errors << "--max-fps needs a whole number from 0 (no cap) to " << maxFpsLimit << '\n';
        return false;
    }
    maxFramesPerSecond = int(value);
    return true;
}

}  // namespace

bool takeOptions(int& argc, char** argv, std::ostream& errors) {
    maxFramesPerSecond = defaultMaxFramesPerSecond;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--max-fps") == 0) {
            if (!readFrameRate(i + 1 < argc ? argv[++i] : nullptr, errors)) {
                return false;
            }
        } else if (std::strncmp(arg, "--max-fps=", 10) == 0) {
            if (!readFrameRate(arg + 10, errors)) {
                return false;
            }
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    return true;
}

}  // namespace vortimbal
