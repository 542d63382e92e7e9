#include <GL/glut.h>
#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/display.h"
#include "app/frame_clock.h"
#include "app/game_state.h"
#include "app/keyboard.h"
#include "app/startup.h"
#include "control/camera.h"
#include "core/exception.h"
#include "game/world.h"
#include "gl_recorder.h"
#include "models/material_pool.h"
#include "models/texture.h"

using namespace vortimbal;

namespace {

std::uint32_t fixedTick() {
    return 123456;
}

// Runs the start-up in the game's data folder, as the play command does.
void startUpInDataFolder() {
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(VORTIMBAL_SOURCE_DIR "/data"), 0);
    int argc = 1;
    char name[] = "vortimbal3";
    char* argv[] = {name, nullptr};
    startUp(&argc, argv);
    ASSERT_EQ(chdir(previous), 0);
}

// The game never frees its surfaces; a test process that starts up more than
// once does, so the sanitizers' leak check stays meaningful.
void releaseSurfaces() {
    for (int i = 0; i < mainMaterialPool->count(); ++i) {
        delete mainMaterialPool->entry(i);
    }
    delete mainMaterialPool;
    mainMaterialPool = nullptr;
    defaultMaterial = blackMaterial = nullptr;
    std::fill(std::begin(textures), std::end(textures), nullptr);
}

}  // namespace

TEST(StartUp, OpensTheWindowSetsStateAndWiresCallbacksInOrder) {
    glrec::reset();
    setTickSource(fixedTick);
    startUpInDataFolder();

    std::vector<std::string> calls = glrec::names();
    calls.erase(std::remove_if(calls.begin(), calls.end(),
                               [](const std::string& name) {
                                   return name.rfind("glutAdd", 0) == 0 ||
                                          name == "glutCreateMenu" || name == "glutAttachMenu";
                               }),
                calls.end());
    std::vector<std::string> expected = {
        "glutInit",     "glutInitDisplayMode", "glutCreateWindow", "glDeleteTextures",
        "glClearColor", "glPixelStorei",       "glGenTextures"};
    for (int i = 0; i < textureCount; ++i) {
        expected.insert(expected.end(), {"glBindTexture", "glTexParameteri", "glTexParameteri",
                                         "glTexParameteri", "glTexParameteri", "glTexImage2D"});
    }
    expected.insert(expected.end(), {"glShadeModel", "glEnable", "glDepthFunc", "glEnable",
                                     "glCullFace", "glEnable"});
    // The world's three lamps: each uploaded, then switched on.
    for (int lamp = 0; lamp < 3; ++lamp) {
        expected.insert(expected.end(), {"glLightfv", "glLightfv", "glLightfv", "glLightfv",
                                         "glLightf", "glLightf", "glLightf", "glEnable"});
    }
    expected.insert(expected.end(), {"glutReshapeFunc", "glutKeyboardUpFunc", "glutKeyboardFunc",
                                     "glutIdleFunc", "glutDisplayFunc", "glutSpecialUpFunc",
                                     "glutSpecialFunc", "glutInitWindowSize", "glutReshapeWindow"});
    EXPECT_EQ(calls, expected);
    EXPECT_LT(glrec::indexOf("glutSpecialFunc"), glrec::indexOf("glutCreateMenu"));
    EXPECT_LT(glrec::indexOf("glutAttachMenu"), glrec::indexOf("glutInitWindowSize"));
    EXPECT_EQ(glrec::named("glutInitDisplayMode")[0].args[0], 18);
    EXPECT_EQ(glrec::named("glutCreateWindow")[0].text, "Vortimbal 3");
    EXPECT_EQ(glrec::named("glEnable")[0].args[0], GL_LIGHTING);
    EXPECT_EQ(glrec::named("glEnable")[1].args[0], GL_DEPTH_TEST);
    EXPECT_EQ(glrec::named("glEnable")[2].args[0], GL_CULL_FACE);
    EXPECT_EQ(glrec::named("glDepthFunc")[0].args[0], GL_LEQUAL);
    EXPECT_EQ(glrec::named("glutReshapeWindow")[0].args, (std::vector<double>{640, 480}));
    EXPECT_EQ(glrec::callbacks().idle, &onIdle);
    EXPECT_EQ(glrec::callbacks().display, &onDisplay);
    EXPECT_EQ(glrec::callbacks().reshape, &onReshape);
    EXPECT_EQ(glrec::callbacks().keyboard, &onKeyDown);
    EXPECT_EQ(glrec::callbacks().keyboardUp, &onKeyUp);
    EXPECT_EQ(glrec::callbacks().special, &onSpecialDown);
    EXPECT_EQ(glrec::callbacks().specialUp, &onSpecialUp);
    // The city is built and its 50 warm-up steps have run.
    EXPECT_EQ(world.getChildren().count(), 156);
    EXPECT_EQ(world.goodLeft(), 51);
    EXPECT_EQ(world.badGuysLeft(), 0);
    EXPECT_DOUBLE_EQ(simulationTime, 123456);
    EXPECT_DOUBLE_EQ(lastRedisplayTime, 123456);
    releaseSurfaces();
}

TEST(StartUp, MakesTheNamedMaterialsThenTheTexturesAndClosesThePool) {
    glrec::reset();
    testing::internal::CaptureStdout();
    startUpInDataFolder();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");  // every image loads
    MaterialPool& pool = *mainMaterialPool;
    const char* names[] = {"black",      "white",     "glass",     "redbrick",  "bone",
                           "fldkdkgrey", "yellow",    "red",       "dkgrey",    "brownskn",
                           "bone1",      "greenskn",  "areola3",   "brzskin",   "PINC2_LEAF",
                           "estrade",    "estrade2",  "Object001", "body",      "arm",
                           "leg",        "head",      "bmp/1.bmp", "bmp/2.bmp", "bmp/3.bmp",
                           "bmp/4.bmp",  "bmp/5.bmp", "bmp/6.bmp"};
    ASSERT_EQ(pool.count(), 28);
    for (int i = 0; i < 28; ++i) {
        EXPECT_EQ(pool.entry(i)->getName(), names[i]);
        EXPECT_EQ(pool.entry(i)->getId(), pool.entry(0)->getId() + i);
        EXPECT_EQ(pool.entry(i)->isTextured(), i >= 22 ? 1 : 0);
    }
    EXPECT_EQ(blackMaterial, pool.entry(0));
    EXPECT_EQ(defaultMaterial, pool.entry(1));
    const auto* redbrick = static_cast<const Material*>(pool.entry(3));
    EXPECT_FLOAT_EQ(redbrick->getEmission().r(), 1);
    EXPECT_FLOAT_EQ(redbrick->getAmbient().g(), 0.1f);
    const auto* glass = static_cast<const Material*>(pool.entry(2));
    EXPECT_FLOAT_EQ(glass->getAmbient().a(), 0.5f);
    EXPECT_FLOAT_EQ(glass->getShininess().a(), 1);
    EXPECT_EQ(textures[0]->getBaseMaterial(), pool.entry(15));  // "estrade"
    for (int i = 1; i < textureCount; ++i) {
        EXPECT_EQ(textures[i]->getBaseMaterial(), defaultMaterial);
    }
    EXPECT_TRUE(pool.isInUse());

    // Each image is uploaded whole to its own texture name, and texturing stays off.
    const std::vector<glrec::Call> uploads = glrec::named("glTexImage2D");
    ASSERT_EQ(uploads.size(), 6u);
    EXPECT_EQ(uploads[5].args,
              (std::vector<double>{GL_TEXTURE_2D, 0, 4, 128, 128, 0, GL_RGB, GL_UNSIGNED_BYTE}));
    EXPECT_EQ(glrec::lastTextureImage(),
              std::vector<unsigned char>(textures[5]->getPixels(),
                                         textures[5]->getPixels() + 128 * 128 * 3));
    EXPECT_EQ(glrec::named("glBindTexture")[5].args[1], textureNames[5]);
    EXPECT_EQ(textures[5]->getTextureName(), textureNames[5]);
    EXPECT_NE(textureNames[0], textureNames[5]);
    EXPECT_EQ(glrec::named("glPixelStorei")[0].args, (std::vector<double>{GL_UNPACK_ALIGNMENT, 1}));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    releaseSurfaces();
}

TEST(StartUp, AFailedStartUpSaysWhatAndWhereTheDataIsLookedFor) {
    std::ostringstream errors;
    bool started = startUpReported([] { throw new Exception("Unable to open the file"); }, errors);
    EXPECT_FALSE(started);
    const std::string text = errors.str();
    EXPECT_EQ(text.rfind("ERROR: Unable to open the file\n", 0), 0u) << text;
    EXPECT_NE(text.find("obj/"), std::string::npos);
    EXPECT_NE(text.find("bmp/"), std::string::npos);
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_NE(text.find(cwd), std::string::npos) << text;

    std::ostringstream quiet;
    EXPECT_TRUE(startUpReported([] {}, quiet));
    EXPECT_EQ(quiet.str(), "");
}

TEST(Display, ReshapeSetsViewportAndProjectionAndSurvivesAZeroHeight) {
    glrec::reset();
    onReshape(800, 400);
    EXPECT_EQ(glrec::named("glViewport")[0].args, (std::vector<double>{0, 0, 800, 400}));
    ASSERT_EQ(glrec::count("gluPerspective"), 1);
    EXPECT_EQ(glrec::named("gluPerspective")[0].args, (std::vector<double>{45, 2, 3, 300}));
    EXPECT_EQ(glrec::count("glutPostRedisplay"), 1);
    EXPECT_FLOAT_EQ(windowWidth, 800);

    onReshape(800, 0);  // a minimised window
    const auto aspect = glrec::named("gluPerspective")[1].args[1];
    EXPECT_TRUE(std::isfinite(aspect) && aspect > 0);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(Display, AFrameClearsBothBuffersLooksThroughTheCameraAndSwaps) {
    glrec::reset();
    onReshape(640, 480);
    glrec::reset();
    onDisplay();
    const auto perspective = glrec::named("gluPerspective");
    ASSERT_EQ(perspective.size(), 1u);
    EXPECT_EQ(perspective[0].args, (std::vector<double>{45, double(640.0f / 480.0f), 3, 300}));
    // The view turns by the camera's rotation and moves its position to the origin.
    const auto turns = glrec::named("glRotatef");
    ASSERT_EQ(turns.size(), 3u);
    EXPECT_EQ(turns[1].args[0], 180 - camera.smoothRotation.y);
    const auto moved = glrec::named("glTranslatef")[0].args;
    EXPECT_EQ(moved, (std::vector<double>{-camera.smoothPosition.x, -camera.smoothPosition.y,
                                          -camera.smoothPosition.z}));
    ASSERT_GE(glrec::calls().size(), 2u);
    EXPECT_EQ(glrec::calls().front().name, "glClear");
    EXPECT_EQ(glrec::calls().front().args[0], GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    EXPECT_EQ(glrec::calls().back().name, "glutSwapBuffers");
}
