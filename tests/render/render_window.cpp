#include "render_window.h"

#include <GL/glut.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace rendertest {

bool openWindow() {
    static bool open = false;
    if (open) {
        return true;
    }
    if (std::getenv("DISPLAY") == nullptr) {
        return false;
    }
    int argc = 1;
    char name[] = "render_tests";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(width, height);
    glutCreateWindow("render test");
    glViewport(0, 0, width, height);
    open = true;
    return true;
}

Rgb pixelAt(int x, int y) {
    unsigned char rgb[3] = {0, 0, 0};
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return {rgb[0], rgb[1], rgb[2]};
}

std::string saveScreenshot(const std::string& name) {
    const char* folder = std::getenv("VORTIMBAL_SCREENSHOTS");
    if (folder == nullptr || *folder == 0) {
        return "";
    }
    std::vector<unsigned char> rgb(std::size_t(width) * height * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    const std::string path = std::string(folder) + "/" + name + ".ppm";
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return "";
    }
    std::fprintf(out, "P6\n%d %d\n255\n", width, height);
    for (int row = height - 1; row >= 0; --row) {  // PPM runs top to bottom
        std::fwrite(rgb.data() + std::size_t(row) * width * 3, 1, std::size_t(width) * 3, out);
    }
    std::fclose(out);
    return path;
}

void RenderTest::SetUp() {
    if (!openWindow()) {
        if (std::getenv("VORTIMBAL_REQUIRE_DISPLAY") != nullptr) {
            FAIL() << "no X display; the test command starts one";
        }
        GTEST_SKIP() << "no X display; run the tests through scripts/test.sh";
    }
    expectNoGLError();
}

void RenderTest::expectNoGLError() {
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

}  // namespace rendertest
