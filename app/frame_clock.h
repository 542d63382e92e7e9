// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <cstdint>
#include <string>

namespace vortimbal {

constexpr double stepMs = 50;
constexpr double maxFrameGapMs = 1000;

// A millisecond tick count that wraps at 2^32, like the system's.
using TickSource = std::uint32_t (*)();
// Waits that many milliseconds, fractions included.
using Rest = void (*)(double ms);

// Replaces the system tick and sleep, for tests; also restarts the wrap
// bookkeeping and the frame deadlines.
void setTickSource(TickSource source, Rest rest);

// Milliseconds on a clock that keeps counting across the tick's wrap.
double currentTimeMs();

// Frames drawn per second at most; 0 draws as often as the loop turns.
extern int maxFramesPerSecond;
// False while the window is iconified or fully covered: nothing is drawn then.
extern bool windowSeen;
// 0 keeps the step to the clock; N > 0 steps on every call and draws every
// Nth step, -1 never draws: for replays run as fast as they can.
extern int fastStepsPerFrame;

// The game loop: at most one fixed step per call, then a frame once caught up.
// A call with nothing due rests until the next step or frame, to spare the CPU.
void onIdle();
// A game's replay holds the run before the game: that part plays unheard, as
// fast as it goes, a slice at a time with a frame between (all at once when
// nothing is shown), and the clock starts over after it.
void skipToReplayedGame();
// Plays a replay unheard up to step `target` the same way, telling how far
// `what` has got.
void skipTo(long target, const std::string& what);
// The clock starts over from now, after the run stood still.
void restartClock();
// The loop of a headless run, in place of GLUT's: it ends through endGame.
[[noreturn]] void runHeadless();
// GLUT's word on whether the window can be seen.
void onWindowStatus(int state);

}  // namespace vortimbal
