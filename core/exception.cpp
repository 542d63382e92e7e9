// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "core/exception.h"

#include <cstring>

namespace vortimbal {

namespace {

char* copyText(const char* text) {
    if (text == nullptr) {
        text = "";
    }
    const std::size_t length = std::strlen(text);
    char* copy = new char[length + 1];
    std::memcpy(copy, text, length + 1);
    return copy;
}

}  // namespace

Exception::Exception(const char* message) : message(copyText(message)) {}

Exception::Exception(const Exception& other)
    : std::exception(other), message(copyText(other.message)) {}

Exception::~Exception() {
    delete[] message;
}

const char* Exception::what() const noexcept {
    return message;
}

}  // namespace vortimbal
