// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include <memory>

namespace vortimbal {

// A colour whose four floats live in their own block, so OpenGL can be handed
// a pointer to them.
class Color {
  public:
    Color(float r, float g, float b, float a);
    Color(const Color& other);
    Color& operator=(const Color& other);
    ~Color() = default;

    void set(float r, float g, float b, float a);
    // Sets alpha to 1.
    void set(float r, float g, float b);

    float r() const { return values[0]; }
    float g() const { return values[1]; }
    float b() const { return values[2]; }
    float a() const { return values[3]; }
    const float* data() const { return values.get(); }

  private:
    std::unique_ptr<float[]> values;
};

}  // namespace vortimbal
