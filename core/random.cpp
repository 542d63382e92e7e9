#include "core/random.h"

#include <cstdint>

namespace vortimbal {

namespace {
std::uint32_t randomState = 1;
}

int rand() {
    randomState = randomState * 214013u + 2531011u;
    return int((randomState >> 16) & 0x7fff);
}

}  // namespace vortimbal
