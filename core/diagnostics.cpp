#include "core/diagnostics.h"

namespace vortimbal {

void reportError(const char* message, std::ostream& stream) {
    stream << "ERROR: " << message << '\n';
}

}  // namespace vortimbal
