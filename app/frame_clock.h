#pragma once

#include <cstdint>

namespace vortimbal {

constexpr double stepMs = 50;
constexpr double maxFrameGapMs = 1000;

// A millisecond tick count that wraps at 2^32, like the system's.
using TickSource = std::uint32_t (*)();

// Replaces the system tick, for tests; also restarts the wrap bookkeeping.
void setTickSource(TickSource source);

// Milliseconds on a clock that keeps counting across the tick's wrap.
double currentTimeMs();

// The game loop: at most one fixed step per call, then a frame once caught up.
void onIdle();

}  // namespace vortimbal
