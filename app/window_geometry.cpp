// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/window_geometry.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace vortimbal {

namespace {

// Beyond this a window's buffers would not fit in memory; below, nothing shows.
constexpr long largestWindowSide = 16384;
constexpr long smallestWindowSide = 16;

// The whole number at `text`, at most `largest`, with `end` after its digits;
// -1 when there is none.
long readNumber(const char* text, char** end, long largest) {
    if (!std::isdigit(static_cast<unsigned char>(*text))) {
        return -1;
    }
    errno = 0;
    const long number = std::strtol(text, end, 10);
    return errno == ERANGE ? largest : std::min(number, largest);
}

// "WIDTHxHEIGHT" at `at`, moving `at` past it; false, with `at` unmoved, when
// there is none.
bool readSize(char*& at, WindowPlace& place) {
    char* end = at;
    const long width = readNumber(at, &end, largestWindowSide);
    if (width < 0 || (*end != 'x' && *end != 'X')) {
        return false;
    }
    const long height = readNumber(end + 1, &end, largestWindowSide);
    if (height < 0) {
        return false;
    }
    place.width = int(std::max(width, smallestWindowSide));
    place.height = int(std::max(height, smallestWindowSide));
    at = end;
    return true;
}

// One offset, "+N" or "-N", moving `at` past it.
bool readOffset(char*& at, int& offset, bool& fromEnd) {
    if (*at != '+' && *at != '-') {
        return false;
    }
    fromEnd = *at == '-';
    const long number = readNumber(at + 1, &at, largestWindowSide);
    offset = int(number);
    return number >= 0;
}

}  // namespace

WindowPlace windowPlaceAskedFor(int argc, char* const* argv, int width, int height) {
    WindowPlace place{width, height};
    const char* geometry = nullptr;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-geometry") == 0) {
            geometry = argv[++i];
        }
    }
    if (geometry == nullptr) {
        return place;
    }
    // X's form: [=][WIDTHxHEIGHT][{+-}X{+-}Y]
    char* at = const_cast<char*>(geometry + (*geometry == '='));
    WindowPlace asked = place;
    readSize(at, asked);
    if (*at == 0) {
        return asked;
    }
    asked.placed = readOffset(at, asked.x, asked.fromRight) &&
                   readOffset(at, asked.y, asked.fromBottom) && *at == 0;
    // A geometry X would not take gives no place, as freeglut has it.
    return asked.placed ? asked : WindowPlace{asked.width, asked.height};
}

}  // namespace vortimbal
