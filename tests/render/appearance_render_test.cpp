#include <GL/gl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/startup.h"
#include "core/list.h"
#include "models/face.h"
#include "models/light.h"
#include "models/material_pool.h"
#include "models/texture.h"
#include "render_window.h"
#include "scene/ground_tile.h"

using namespace rendertest;
using namespace vortimbal;

namespace {

// A solid-colour 24-bit BMP, 3 pixels wide so its rows carry padding.
void writeSolidBmp(const std::string& path, Rgb color) {
    const int w = 3, h = 2, stride = 12;
    unsigned char header[54] = {'B', 'M'};
    header[10] = 54;
    header[14] = 40;
    header[18] = w;
    header[22] = h;
    header[26] = 1;
    header[28] = 24;
    std::FILE* out = std::fopen(path.c_str(), "wb");
    std::fwrite(header, 1, sizeof header, out);
    for (int row = 0; row < h; ++row) {
        for (int x = 0; x < w; ++x) {
            std::fputc(color[2], out);
            std::fputc(color[1], out);
            std::fputc(color[0], out);
        }
        for (int pad = w * 3; pad < stride; ++pad) {
            std::fputc(0, out);
        }
    }
    std::fclose(out);
}

// Runs the start-up's surface steps in a folder whose bmp/ holds solid colours.
MaterialPool* surfacesWithSolidTextures(const Rgb (&colors)[textureCount]) {
    const std::string folder = ::testing::TempDir() + "appearance_render";
    std::filesystem::create_directories(folder + "/bmp");
    for (int i = 0; i < textureCount; ++i) {
        writeSolidBmp(folder + "/" + textureFileNames[i], colors[i]);
    }
    char previous[4096];
    EXPECT_NE(getcwd(previous, sizeof previous), nullptr);
    EXPECT_EQ(chdir(folder.c_str()), 0);
    MaterialPool* pool = createSurfaces();
    EXPECT_EQ(chdir(previous), 0);
    return pool;
}

void expectNear(Rgb actual, Rgb expected, const char* what, int tolerance = 4) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(actual[i], expected[i], tolerance)
            << what << ": " << actual[0] << " " << actual[1] << " " << actual[2];
    }
}

// The pixel at (x, y) of the picture scaled to 160 by 120.
Rgb sampleAt(int x, int y) {
    return pixelAt(x * width / 160, y * height / 120);
}

Vector3 vertex(float x, float y) {
    Vector3 v(x, y, 0);
    v.shade = 1;
    return v;
}

}  // namespace

class AppearanceRender : public RenderTest {};

// Lit by one lamp whose ambient and diffuse are 0.5 and whose attenuation is 1
// at the triangles' distance, after a ground tile has left the front diffuse
// black: a surface of ambient a shows (0.2 + 0.5) a, a texture that times texel.
TEST_F(AppearanceRender, EachTriangleShowsItsOwnTextureAndPlainOnesTheirMaterial) {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    const Rgb colors[textureCount] = {{200, 200, 200}, {40, 200, 60}, {60, 90, 230},
                                      {250, 220, 40},  {0, 255, 255}, {255, 0, 255}};
    MaterialPool* pool = surfacesWithSolidTextures(colors);
    initGLState();
    glClearColor(0.1f, 0.1f, 0.1f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2, 2, -1.5, 1.5, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    Light lamp(GL_LIGHT0);
    lamp.ambient.set(0.5f, 0.5f, 0.5f);
    lamp.diffuse.set(0.5f, 0.5f, 0.5f);
    lamp.specular.set(0, 0, 0);
    lamp.position.set(0, 0, 30.6f, 1);
    lamp.upload();
    lamp.enable();

    glPushMatrix();  // a ground tile standing up, facing the lamp
    glTranslatef(0, -1.2f, 0);
    glRotatef(90, 1, 0, 0);
    GroundTile(0.3f, 0).draw();
    glPopMatrix();

    List<Vector3> vertices(16);
    for (float left : {-1.9f, -0.6f, 0.7f}) {
        vertices.add(vertex(left, -1));
        vertices.add(vertex(left + 1.2f, -1));
        vertices.add(vertex(left + 0.6f, 1));
    }
    // The flat one draws first, so a triangle that failed to bind its own
    // texture would show the last one bound.
    FlatTexturedTriangle(6, 7, 8, pool->find("bmp/4.bmp")).draw(vertices);
    Triangle(0, 1, 2, pool->find("red")).draw(vertices);
    TexturedTriangle(3, 4, 5, pool->find("bmp/2.bmp")).draw(vertices);
    expectNoGLError();

    const std::string shot = saveScreenshot("appearance");
    if (!shot.empty()) {
        std::printf("screenshot: %s\n", shot.c_str());
    }
    expectNear(sampleAt(20, 50), {143, 0, 0}, "red material");
    expectNear(sampleAt(80, 50), {28, 140, 42}, "texture 2");
    expectNear(sampleAt(136, 50), {175, 154, 28}, "texture 4, flat");
    // Colour-material lighting adds the diffuse term: 1.2 times the inner colour,
    // with a little of the darker red of the corners blended in.
    expectNear(sampleAt(80, 12), {138, 122, 3}, "ground tile, untextured", 8);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
    glPopAttrib();
    currentMaterialId = -1;
}
