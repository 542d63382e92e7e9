#include <GL/gl.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "gl_recorder.h"
#include "models/material.h"
#include "models/material_pool.h"
#include "models/texture.h"

using namespace vortimbal;

namespace {

const Color black(0, 0, 0, 1);

class Materials : public ::testing::Test {
  protected:
    void SetUp() override {
        glrec::reset();
        currentMaterialId = -1;
    }

    // (pname, four values) of every glMaterialfv call so far.
    static std::vector<std::vector<double>> materialCalls() {
        std::vector<std::vector<double>> result;
        for (const glrec::Call& call : glrec::named("glMaterialfv")) {
            EXPECT_EQ(call.args[0], GL_FRONT);
            result.emplace_back(call.args.begin() + 1, call.args.end());
        }
        return result;
    }
};

}  // namespace

TEST_F(Materials, ApplySendsFourColoursOnceAndNothingWhileCurrent) {
    Material brick("redbrick", Color(1, 0.5f, 0, 1), Color(0.1f, 0.2f, 0.3f, 1), Color(1, 0, 0, 1),
                   Color(8, 0, 0, 1));
    brick.apply();
    brick.apply();
    using V = std::vector<double>;
    EXPECT_EQ(materialCalls(), (std::vector<V>{{GL_AMBIENT, 1, 0.5, 0, 1},
                                               {GL_SPECULAR, 0.1f, 0.2f, 0.3f, 1},
                                               {GL_EMISSION, 1, 0, 0, 1},
                                               {GL_SHININESS, 8}}));
    EXPECT_EQ(currentMaterialId, brick.getId());
    EXPECT_EQ(glrec::calls().size(), 4u);
}

TEST_F(Materials, ApplyWithAFactorScalesOnlyTheAmbientOnceCurrent) {
    Material red("red", Color(0.4f, 0.2f, 0.2f, 1), Color(0.2f, 0.1f, 0.1f, 1));
    EXPECT_EQ(red.getEmission().data()[3], 1);  // the two-colour form: (0, 0, 0, 1)
    EXPECT_EQ(red.getShininess().r(), 0);
    red.apply(2);  // not current: the other colours too, ambient last
    std::vector<std::vector<double>> calls = materialCalls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0][0], GL_SPECULAR);
    EXPECT_EQ(calls[3], (std::vector<double>{GL_AMBIENT, 0.8f, 0.4f, 0.4f, 2}));
    // Faces scale per vertex between glBegin and glEnd; nothing else may be sent there.
    EXPECT_EQ(glrec::count("glEnable"), 0);

    glrec::reset();
    red.apply(1.5f);
    ASSERT_EQ(glrec::calls().size(), 1u);
    const std::vector<double> expected{GL_FRONT,    GL_AMBIENT,  0.4f * 1.5f,
                                       0.2f * 1.5f, 0.2f * 1.5f, 1.5};
    EXPECT_EQ(glrec::calls()[0].args, expected);
    EXPECT_FLOAT_EQ(red.getAmbient().r(), 0.4f);  // the stored colour is untouched
}

TEST_F(Materials, PoolFindsTheFirstAndClosesAfterASuccessfulLookup) {
    Material red1("red", black, black), red2("red", black, black), glass("glass", black, black);
    MaterialPool pool;
    std::ostringstream messages;
    pool.add(&red1, messages);
    EXPECT_EQ(pool.find("nothing"), nullptr);
    EXPECT_EQ(pool.find(nullptr), nullptr);
    EXPECT_FALSE(pool.isInUse());
    pool.add(&red2, messages);
    EXPECT_EQ(messages.str(), "");
    EXPECT_EQ(pool.find("Red"), nullptr);  // names are case-sensitive
    EXPECT_EQ(pool.find("red"), &red1);
    EXPECT_TRUE(pool.isInUse());
    pool.add(&glass, messages);
    EXPECT_EQ(messages.str(), "material pool in use : could not add new materials to it.\n");
    EXPECT_EQ(pool.count(), 2);
    EXPECT_EQ(pool.find("glass"), nullptr);
}

TEST_F(Materials, TextureBindsOnceAndThenOnlyRescalesItsBaseMaterial) {
    Material base("white", Color(1, 1, 1, 1), black);
    defaultMaterial = &base;
    ::testing::internal::CaptureStdout();
    Texture texture("no/such/file.bmp");
    ::testing::internal::GetCapturedStdout();
    defaultMaterial = nullptr;
    EXPECT_EQ(texture.getBaseMaterial(), &base);
    EXPECT_EQ(texture.isTextured(), 1);
    // A failed load leaves one white pixel to upload.
    ASSERT_EQ(texture.getWidth() * texture.getHeight(), 1);
    EXPECT_EQ(std::vector<unsigned char>(texture.getPixels(), texture.getPixels() + 3),
              (std::vector<unsigned char>{255, 255, 255}));
    texture.setTextureName(7);

    texture.apply();
    texture.apply();
    ASSERT_EQ(glrec::count("glBindTexture"), 1);
    EXPECT_EQ(glrec::named("glBindTexture")[0].args, (std::vector<double>{GL_TEXTURE_2D, 7}));
    EXPECT_EQ(glrec::named("glTexEnvf")[0].args,
              (std::vector<double>{GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE}));
    EXPECT_EQ(glrec::count("glMaterialfv"), 4);

    // As a face uses it: the first apply before glBegin, the others inside.
    currentMaterialId = -1;
    glrec::reset();
    texture.apply(0.5f);
    glBegin(GL_TRIANGLES);
    texture.apply(0.6f);
    texture.apply(0.7f);
    glEnd();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_EQ(glrec::count("glBindTexture"), 1);
    const std::vector<glrec::Call> material = glrec::named("glMaterialfv");
    ASSERT_EQ(material.size(), 6u);
    EXPECT_EQ(material[4].args,
              (std::vector<double>{GL_FRONT, GL_AMBIENT, 0.6f, 0.6f, 0.6f, 0.6f}));
    EXPECT_EQ(currentMaterialId, texture.getId());

    base.apply();  // another surface in between: the texture binds again
    texture.apply(1);
    EXPECT_EQ(glrec::count("glBindTexture"), 2);
}
