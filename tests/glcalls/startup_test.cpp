#include <GL/glut.h>
#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <cmath>
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
#include "gl_recorder.h"

using namespace vortimbal;

namespace {

std::uint32_t fixedTick() {
    return 123456;
}

}  // namespace

TEST(StartUp, OpensTheWindowSetsStateAndWiresCallbacksInOrder) {
    glrec::reset();
    setTickSource(fixedTick);
    int argc = 1;
    char name[] = "vortimbal3";
    char* argv[] = {name, nullptr};
    startUp(&argc, argv);

    std::vector<std::string> calls = glrec::names();
    calls.erase(std::remove_if(calls.begin(), calls.end(),
                               [](const std::string& name) {
                                   return name.rfind("glutAdd", 0) == 0 ||
                                          name == "glutCreateMenu" || name == "glutAttachMenu";
                               }),
                calls.end());
    const std::vector<std::string> expected = {
        "glutInit",           "glutInitDisplayMode", "glutCreateWindow",   "glShadeModel",
        "glEnable",           "glDepthFunc",         "glEnable",           "glCullFace",
        "glEnable",           "glutReshapeFunc",     "glutKeyboardUpFunc", "glutKeyboardFunc",
        "glutIdleFunc",       "glutDisplayFunc",     "glutSpecialUpFunc",  "glutSpecialFunc",
        "glutInitWindowSize", "glutReshapeWindow"};
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
    EXPECT_DOUBLE_EQ(simulationTime, 123456);
    EXPECT_DOUBLE_EQ(lastRedisplayTime, 123456);
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
