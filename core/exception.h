// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <exception>

namespace vortimbal {

// The game's only error type. It is thrown as a pointer to a new object; whoever
// catches it owns it.
class Exception : public std::exception {
  public:
    explicit Exception(const char* message);
    Exception(const Exception& other);
    Exception& operator=(const Exception&) = delete;
    ~Exception() override;

    const char* what() const noexcept override;

  private:
    char* message;
};

}  // namespace vortimbal
