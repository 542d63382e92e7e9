#pragma once

// A stand-in for GL, GLU and GLUT that records every call with its arguments
// instead of drawing. It keeps the matrix stack's depth, the enabled capabilities,
// the current colour and the error a real driver would raise for a call that
// is not allowed between glBegin and glEnd.

#include <array>
#include <string>
#include <vector>

namespace glrec {

struct Call {
    std::string name;
    std::vector<double> args;
    std::string text;  // the string argument of calls that take one
};

// Forgets all calls and puts every piece of state back as a new context has it.
void reset();

const std::vector<Call>& calls();
int count(const std::string& name);
std::vector<Call> named(const std::string& name);
// Index of the first call with this name, or -1.
int indexOf(const std::string& name);

// How many matrices the stand-in's modelview stack holds; it keeps no matrix itself.
int stackDepth();
bool isFullScreen();
bool isGameModeActive();
// Makes glutEnterGameMode fail, as on a display that cannot change modes.
void failGameMode(bool fail);

}  // namespace glrec
