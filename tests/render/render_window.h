#pragma once

// A real freeglut window on the X server the test command starts, for tests
// that draw through Mesa and read the pixels back.

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace rendertest {

constexpr int width = 320;
constexpr int height = 240;

// Opens the window once per process; false (with the test skipped or failed)
// when there is no display.
bool openWindow();

using Rgb = std::array<int, 3>;

// The colour at window pixel (x, y), origin bottom left, read from the back buffer.
Rgb pixelAt(int x, int y);

// Writes the back buffer as a binary PPM named `name`.ppm into the folder that
// $VORTIMBAL_SCREENSHOTS names; does nothing when it is not set. Returns the path.
std::string saveScreenshot(const std::string& name);

class RenderTest : public ::testing::Test {
  protected:
    void SetUp() override;
    // Every frame must leave OpenGL without an error.
    void expectNoGLError();
};

}  // namespace rendertest
