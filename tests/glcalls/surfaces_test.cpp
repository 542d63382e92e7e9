// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "gl_recorder.h"
#include "models/face.h"
#include "models/material_pool.h"
#include "models/texture.h"
#include "scene/debug_line.h"
#include "scene/ground_tile.h"
#include "scene/pyramid_shape.h"
#include "scene/wire_cube_shape.h"

using namespace vortimbal;

namespace {

using Values = std::vector<double>;

class Surfaces : public ::testing::Test {
  protected:
    void SetUp() override {
        glrec::reset();
        currentMaterialId = -1;
        for (const Vector3& v : {Vector3(0, 0, 0), Vector3(1, 0, 0), Vector3(0, 0, 1),
                                 Vector3(0, 1, 0), Vector3(2, 0, 2)}) {
            vertices.add(v);
            vertices.at(vertices.count() - 1).shade = 0.5f + 0.1f * float(vertices.count());
        }
    }
    void TearDown() override { currentMaterialId = -1; }

    List<Vector3> vertices{8};
    Material red{"red", Color(0.8f, 0, 0, 1), Color(0, 0, 0, 1)};
};

}  // namespace

TEST_F(Surfaces, FacesMakeTheirSurfaceCurrentFirstAndShadeEachCorner) {
    Triangle triangle(2, 1, 0, &red);
    triangle.draw(vertices);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << "nothing GL refuses inside glBegin";
    EXPECT_LT(glrec::indexOf("glMaterialfv"), glrec::indexOf("glBegin"));
    const std::vector<glrec::Call> reds = glrec::named("glColor4fv");  // args[0]: the red
    ASSERT_EQ(reds.size(), 4u);
    EXPECT_FLOAT_EQ(float(reds[0].args[0]), 0.8f * triangle.getBrightness());
    EXPECT_FLOAT_EQ(float(reds[1].args[0]), 0.8f * 0.8f) << "the first corner's shade";
    EXPECT_EQ(glrec::named("glNormal3f")[0].args, (Values{0, 1, 0}));

    // Normals follow the winding, are kept once made, and never break.
    const struct {
        int a, b, c;
        Values normal;
    } normals[] = {{0, 3, 1, {0, 0, -1}}, {0, 2, 3, {-1, 0, 0}}, {0, 1, 1, {0, 1, 0}}};
    for (const auto& n : normals) {
        glrec::reset();
        Triangle face(n.a, n.b, n.c, &red);
        face.draw(vertices);
        EXPECT_EQ(glrec::named("glNormal3f")[0].args, n.normal) << n.a << n.b << n.c;
        const Vector3 kept = vertices.get(n.b);
        vertices.at(n.b) = Vector3(0, 5, 5);
        face.draw(vertices);
        EXPECT_EQ(glrec::named("glNormal3f")[1].args, n.normal) << "kept after a vertex moved";
        vertices.at(n.b) = kept;
    }
    vertices.at(2) = Vector3(NAN, 0, 0);
    Triangle broken(0, 1, 2, &red);
    broken.draw(vertices);
    const std::vector<glrec::Call> sent = glrec::named("glNormal3f");
    for (double value : sent.back().args) {
        EXPECT_TRUE(std::isfinite(value));
    }
}

// How textures show is checked on real pixels.
TEST_F(Surfaces, AMissingImageBecomesOnePixel) {
    ::testing::internal::CaptureStdout();
    Texture missing("missing/1.bmp");
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(missing.getWidth() * missing.getHeight(), 1);
}

TEST_F(Surfaces, ShapesLeaveNoColourTrackingOrMatrixBehind) {
    Material black("black", Color(0, 0, 0, 1), Color(0, 0, 0, 1));
    MaterialBase* previousBlack = blackMaterial;
    blackMaterial = &black;
    GroundTile tile(10, 0);
    PyramidShape pyramid(Vector3(1, 2, 3), 1.5f, 1.7f, Color(0.3f, 0.3f, 0.2f, 1));
    WireCubeShape cube(Vector3(1, 2, 3), 0.1f, Color(1, 1, 0.7f, 1));
    DebugLine line(Vector3(0, 0, 0), Vector3(1, 1, 1), Color(1, 0, 0, 1));
    GroundBatch ground;
    for (int shape = 0; shape < 5; ++shape) {
        glrec::reset();
        currentMaterialId = 5;
        if (shape == 4) {  // the tiles of a frame, drawn together
            ground.add(tile);
            ground.add(tile);
        }
        shape == 0   ? tile.draw()
        : shape == 1 ? pyramid.draw()
        : shape == 2 ? cube.draw()
        : shape == 3 ? line.draw()
                     : ground.draw();
        float color[4] = {1, 1, 1, 1};
        glGetFloatv(GL_CURRENT_COLOR, color);
        EXPECT_EQ(color[0] + color[1] + color[2], 0) << "shape " << shape << " leaves black";
        EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL)) << shape;
        EXPECT_EQ(glrec::state().stackDepth, 1) << shape;
        EXPECT_EQ(currentMaterialId, -1) << "tracking changed the material: " << shape;
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << shape;
    }
    blackMaterial = previousBlack;
}
