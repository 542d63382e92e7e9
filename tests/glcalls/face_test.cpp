#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "core/list.h"
#include "gl_recorder.h"
#include "models/face.h"
#include "models/material.h"
#include "models/texture.h"

using namespace vortimbal;

namespace {

class Faces : public ::testing::Test {
  protected:
    void SetUp() override {
        glrec::reset();
        currentMaterialId = -1;
        add(0, 0, 0, 0.5f);
        add(1, 0, 0, 0.6f);
        add(0, 0, 1, 0.7f);
        add(1, 0, 1, 0.8f);
        add(2, 0, 2, 0.9f);
    }

    void add(float x, float y, float z, float shade) {
        Vector3 v(x, y, z);
        v.shade = shade;
        vertices.add(v);
    }

    // The calls from glBegin to glEnd, which must all be allowed there.
    static std::vector<std::string> insideBegin() {
        const std::vector<std::string> all = glrec::names();
        const int begin = glrec::indexOf("glBegin");
        const int end = glrec::indexOf("glEnd", begin);
        return std::vector<std::string>(all.begin() + begin + 1, all.begin() + end);
    }

    List<Vector3> vertices{8};
    Material surface{"red", Color(0.8f, 0, 0, 1), Color(0, 0, 0, 1)};
};

std::vector<double> xyz(float x, float y, float z) {
    return {x, y, z};
}

}  // namespace

TEST_F(Faces, TriangleKeepsTheNormalOfItsFirstDraw) {
    Triangle triangle(2, 1, 0, &surface);
    EXPECT_EQ(triangle.getNormal(), nullptr);
    triangle.draw(vertices);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    vertices.at(1) = Vector3(0, 5, 0);  // moving a vertex does not turn the face
    triangle.draw(vertices);
    const std::vector<glrec::Call> normals = glrec::named("glNormal3f");
    ASSERT_EQ(normals.size(), 2u);
    EXPECT_EQ(normals[0].args, xyz(0, 1, 0));
    EXPECT_EQ(normals[1].args, xyz(0, 1, 0));

    // The surface is made current before glBegin; inside, one ambient per vertex.
    glrec::reset();
    currentMaterialId = -1;
    triangle.draw(vertices);
    EXPECT_EQ(glrec::indexOf("glBegin"), 4);  // after four glMaterialfv
    EXPECT_EQ(insideBegin(),
              (std::vector<std::string>{"glMaterialfv", "glNormal3f", "glVertex3f", "glMaterialfv",
                                        "glVertex3f", "glMaterialfv", "glVertex3f"}));
    const std::vector<glrec::Call> ambient = glrec::named("glMaterialfv");
    EXPECT_FLOAT_EQ(ambient[3].args[2], 0.8f * triangle.getBrightness());
    EXPECT_FLOAT_EQ(ambient[4].args[2], 0.8f * 0.7f);  // the first vertex's shade
    EXPECT_EQ(glrec::named("glVertex3f")[0].args, xyz(0, 0, 1));
}

TEST_F(Faces, ATriangleWithoutAreaGetsAnUpwardNormal) {
    for (auto corners : {std::vector<int>{0, 1, 1}, std::vector<int>{0, 3, 4}}) {
        glrec::reset();
        Triangle degenerate(corners[0], corners[1], corners[2], &surface);
        degenerate.draw(vertices);
        EXPECT_EQ(glrec::named("glNormal3f")[0].args, xyz(0, 1, 0));
    }
    vertices.at(2) = Vector3(NAN, 0, 0);
    Triangle broken(0, 1, 2, &surface);
    broken.draw(vertices);
    const std::vector<double> sent = glrec::named("glNormal3f").back().args;
    for (double value : sent) {
        EXPECT_TRUE(std::isfinite(value));
    }
}

TEST_F(Faces, QuadSendsFourShadedVerticesAndNoNormal) {
    Quad quad(3, 2, 1, 0, &surface);
    quad.draw(vertices);
    EXPECT_EQ(glrec::named("glBegin")[0].args[0], GL_QUADS);
    EXPECT_EQ(glrec::count("glVertex3f"), 4);
    EXPECT_EQ(glrec::count("glNormal3f"), 0);
    EXPECT_EQ(glrec::named("glVertex3f")[0].args, xyz(1, 0, 1));
    EXPECT_EQ(glrec::named("glVertex3f")[3].args, xyz(0, 0, 0));
    EXPECT_FLOAT_EQ(glrec::named("glMaterialfv").back().args[2], 0.8f * 0.5f);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(Faces, PolygonKeepsItsOrderAndChecksIndicesBeforeDrawing) {
    List<int> indices(4);
    for (int i : {4, 0, 3, 1, 2}) {
        indices.add(i);
    }
    Polygon polygon(indices, &surface);
    polygon.draw(vertices);
    EXPECT_EQ(glrec::named("glBegin")[0].args[0], GL_POLYGON);
    const std::vector<glrec::Call> sent = glrec::named("glVertex3f");
    ASSERT_EQ(sent.size(), 5u);
    EXPECT_EQ(sent[0].args, xyz(2, 0, 2));
    EXPECT_EQ(sent[1].args, xyz(0, 0, 0));
    EXPECT_EQ(sent[4].args, xyz(0, 0, 1));
    EXPECT_EQ(glrec::count("glNormal3f"), 0);

    indices.at(2) = 1000;  // the face shares its list
    glrec::reset();
    try {
        polygon.draw(vertices);
        ADD_FAILURE() << "drew a vertex that is not there";
    } catch (Exception* caught) {
        std::unique_ptr<Exception> exception(caught);
        EXPECT_STREQ(exception->what(), "Index out of bounds");
    }
    EXPECT_EQ(glrec::count("glBegin"), 0);  // OpenGL is not left inside a primitive
}

TEST_F(Faces, BrightnessRunsFrom095To194InHundredths) {
    float lowest = 10, highest = 0;
    for (int i = 0; i < 1000; ++i) {
        const float b = Quad(0, 1, 2, 3, nullptr).getBrightness();
        EXPECT_NEAR(b * 100, std::round(b * 100), 1e-3);
        lowest = std::min(lowest, b);
        highest = std::max(highest, b);
    }
    EXPECT_FLOAT_EQ(lowest, 0.95f);
    EXPECT_FLOAT_EQ(highest, 1.94f);
}

TEST_F(Faces, TexturedTrianglesBindTheirOwnTextureBeforeGlBegin) {
    ::testing::internal::CaptureStdout();
    Texture first("missing/1.bmp"), second("missing/2.bmp");
    ::testing::internal::GetCapturedStdout();
    first.setBaseMaterial(&surface);
    second.setBaseMaterial(&surface);
    first.setTextureName(11);
    second.setTextureName(12);
    TexturedTriangle shaded(0, 1, 2, &first);
    FlatTexturedTriangle flat(0, 1, 2, &second);

    shaded.draw(vertices);
    EXPECT_EQ(insideBegin(),
              (std::vector<std::string>{"glNormal3f", "glTexCoord2f", "glVertex3f", "glMaterialfv",
                                        "glTexCoord2f", "glVertex3f", "glMaterialfv",
                                        "glTexCoord2f", "glVertex3f"}));
    EXPECT_EQ(glrec::names().back(), "glDisable");
    flat.draw(vertices);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    const std::vector<glrec::Call> binds = glrec::named("glBindTexture");
    ASSERT_EQ(binds.size(), 2u);
    EXPECT_EQ(binds[0].args[1], 11);
    EXPECT_EQ(binds[1].args[1], 12);
    EXPECT_LT(glrec::indexOf("glBindTexture"), glrec::indexOf("glBegin"));
    const std::vector<glrec::Call> coords = glrec::named("glTexCoord2f");
    EXPECT_EQ(coords[0].args, (std::vector<double>{0, 0}));
    EXPECT_EQ(coords[1].args, (std::vector<double>{0, 1}));
    EXPECT_EQ(coords[5].args, (std::vector<double>{1, 1}));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}
