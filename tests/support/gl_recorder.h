// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

// A stand-in for GL, GLU and GLUT that records every call with its arguments
// instead of drawing. It keeps the matrix stack's depth, the enabled capabilities,
// the current colour and the error a real driver would raise for a call that
// is not allowed between glBegin and glEnd.

#include <array>
#include <set>
#include <string>
#include <vector>

namespace glrec {

struct Call {
    std::string name;
    std::vector<double> args;
    std::string text;  // the string argument of calls that take one
};

struct State {
    std::vector<Call> calls;
    int stackDepth = 1;  // of the modelview matrices, which are not kept themselves
    std::set<unsigned> enabled;
    std::array<float, 4> color{1, 1, 1, 1};
    unsigned error = 0;
    bool insideBegin = false;
    unsigned nextTexture = 1;
    bool fullScreen = false;
    bool gameMode = false;
    bool gameModeFails = false;  // as on a display that cannot change modes
    int window = 0;              // GLUT's current window
};

State& state();
// Forgets all calls and puts every piece of state back as a new context has it.
inline void reset() {
    state() = State();
}
inline const std::vector<Call>& calls() {
    return state().calls;
}
std::vector<Call> named(const std::string& name);
inline int count(const std::string& name) {
    return int(named(name).size());
}
// Index of the first call with this name, or -1.
int indexOf(const std::string& name);

}  // namespace glrec
