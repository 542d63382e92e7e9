#pragma once

// A stand-in for GL, GLU and GLUT that records every call with its arguments
// instead of drawing. It keeps real matrix stacks, the enabled capabilities,
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

using Matrix = std::array<float, 16>;  // column-major, as OpenGL keeps it

struct Callbacks {
    void (*display)() = nullptr;
    void (*reshape)(int, int) = nullptr;
    void (*idle)() = nullptr;
    void (*keyboard)(unsigned char, int, int) = nullptr;
    void (*keyboardUp)(unsigned char, int, int) = nullptr;
    void (*special)(int, int, int) = nullptr;
    void (*specialUp)(int, int, int) = nullptr;
};

struct MenuEntry {
    std::string label;
    int value;  // the id, or the submenu's menu number
    bool isSubMenu;
};

struct Menu {
    void (*callback)(int) = nullptr;
    std::vector<MenuEntry> entries;
    int attachedButton = -1;
};

// Forgets all calls and puts every piece of state back as a new context has it.
void reset();

const std::vector<Call>& calls();
int count(const std::string& name);
std::vector<Call> named(const std::string& name);
// Index of the first call with this name at or after `from`, or -1.
int indexOf(const std::string& name, int from = 0);
// The names of all calls in order, for comparing whole sequences.
std::vector<std::string> names();

const Callbacks& callbacks();
// Menus in creation order; GLUT's menu numbers are the index plus one.
const std::vector<Menu>& menus();

Matrix currentMatrix(unsigned mode);
const std::vector<unsigned char>& lastTextureImage();
bool isFullScreen();
bool isGameModeActive();
// Makes glutEnterGameMode fail, as on a display that cannot change modes.
void failGameMode(bool fail);
// Elapsed time that glutGet(GLUT_ELAPSED_TIME) reports.
void setElapsedTime(int milliseconds);

}  // namespace glrec
