#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gl_recorder.h"
#include "models/material.h"
#include "scene/debug_line.h"
#include "scene/ground_tile.h"
#include "scene/pyramid_shape.h"
#include "scene/switches.h"
#include "scene/wire_cube_shape.h"

using namespace vortimbal;

namespace {

class Shapes : public ::testing::Test {
  protected:
    void SetUp() override {
        glrec::reset();
        showSurfaces = 1;
    }
    void TearDown() override { showSurfaces = 1; }

    // Every shape leaves the colour black, colour tracking off, the matrix as it
    // was and no surface current, since tracking has changed the front material.
    static void expectStateRestored() {
        float color[4] = {1, 1, 1, 1};
        glGetFloatv(GL_CURRENT_COLOR, color);
        EXPECT_EQ(std::vector<float>(color, color + 3), (std::vector<float>{0, 0, 0}));
        EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
        GLint depth = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        EXPECT_EQ(depth, 1);
        EXPECT_EQ(currentMaterialId, -1);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }

    // Vertex positions in world space: the modelview matrix at each vertex.
    static std::vector<std::vector<double>> vertices() {
        std::vector<std::vector<double>> result;
        for (const glrec::Call& call : glrec::named("glVertex3f")) {
            result.push_back(call.args);
        }
        return result;
    }
};

using Points = std::vector<std::vector<double>>;

}  // namespace

TEST_F(Shapes, PyramidStandsOnItsCornersAroundItsPosition) {
    PyramidShape pyramid(Vector3(1, 2, 3), 1.5f, 1.7f, Color(0.3f, 0.3f, 0.2f, 1));
    currentMaterialId = 5;
    pyramid.draw();
    EXPECT_EQ(glrec::named("glTranslatef")[0].args, (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(glrec::named("glBegin")[0].args[0], GL_TRIANGLE_FAN);
    EXPECT_EQ(vertices(), (Points{{0, 1.5f, 0},
                                  {0, 0, -1.7f},
                                  {-1.7f, 0, 0},
                                  {0, 0, 1.7f},
                                  {1.7f, 0, 0},
                                  {0, 0, -1.7f}}));
    EXPECT_EQ(glrec::named("glColor3f")[0].args, (std::vector<double>{0.3f, 0.3f, 0.2f}));
    EXPECT_LT(glrec::indexOf("glEnable"), glrec::indexOf("glBegin"));
    expectStateRestored();
}

TEST_F(Shapes, WireCubeSpansItsSizeAroundItsCentre) {
    WireCubeShape cube(Vector3(1, 2, 3), 0.1f, Color(1, 1, 0.7f, 1));
    cube.draw();
    EXPECT_EQ(glrec::named("glTranslatef")[0].args, (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(glrec::named("glutWireCube")[0].args[0], 0.1f);
    EXPECT_EQ(glrec::named("glColorMaterial")[0].args,
              (std::vector<double>{GL_FRONT, GL_AMBIENT_AND_DIFFUSE}));
    expectStateRestored();
}

TEST_F(Shapes, GroundTileFillsItsSquareOrOnlyOutlinesIt) {
    Material black("black", Color(0, 0, 0, 1), Color(0, 0, 0, 1));
    blackMaterial = &black;
    GroundTile tile(10, 0);
    tile.rotation.y = 180;
    tile.draw();
    EXPECT_EQ(glrec::count("glMaterialfv"), 4);  // "black" made current
    EXPECT_EQ(glrec::named("glRotatef")[0].args, (std::vector<double>{180, 0, 1, 0}));
    EXPECT_EQ(glrec::named("glNormal3f")[0].args, (std::vector<double>{0, 1, 0}));
    const Points fan = vertices();
    ASSERT_EQ(fan.size(), 10u);
    EXPECT_EQ(fan[0], (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(fan[2], (std::vector<double>{-10, 0, -10}));
    EXPECT_EQ(fan[6], (std::vector<double>{10, 0, 10}));
    EXPECT_EQ(fan[9], fan[1]);  // the fan closes
    const std::vector<glrec::Call> colors = glrec::named("glColor3fv");
    EXPECT_EQ(colors[0].args, (std::vector<double>{0.45f, 0.4f, 0.01f}));  // centre
    EXPECT_EQ(colors[2].args, (std::vector<double>{0.1f, 0.4f, 0}));       // a corner
    expectStateRestored();

    glrec::reset();
    showSurfaces = 0;
    tile.draw();
    EXPECT_EQ(glrec::named("glBegin")[0].args[0], GL_LINE_LOOP);
    EXPECT_EQ(vertices(), (Points{{-10, 0, -10}, {10, 0, -10}, {10, 0, 10}, {-10, 0, 10}}));
    EXPECT_EQ(glrec::named("glColor3fv")[0].args, (std::vector<double>{0.45f, 0.4f, 0.01f}));
    expectStateRestored();
    blackMaterial = nullptr;
}

TEST_F(Shapes, DebugLineRunsBetweenItsEndsInTheCurrentFrame) {
    DebugLine line(Vector3(1, 2, 3), Vector3(4, 5, 6), Color(1, 0.5f, 0.5f, 1));
    DebugLine copy = line;
    copy.color.set(0, 1, 0);
    EXPECT_FLOAT_EQ(line.color.g(), 0.5f);  // copies own their colour
    line.draw();
    EXPECT_EQ(glrec::named("glBegin")[0].args[0], GL_LINES);
    EXPECT_EQ(vertices(), (Points{{1, 2, 3}, {4, 5, 6}}));
    EXPECT_EQ(glrec::count("glPushMatrix"), 0);
    expectStateRestored();
}
