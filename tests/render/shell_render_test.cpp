#include <GL/gl.h>
#include <GL/glu.h>

#include "app/display.h"
#include "app/startup.h"
#include "render_window.h"

using namespace rendertest;

class ShellRender : public RenderTest {};

TEST_F(ShellRender, MesaDrawsWhatIsAskedAndReadsItBack) {
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(-1, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3f(1, 0, 0);
    glRectf(-0.5f, -0.5f, 0.5f, 0.5f);
    expectNoGLError();
    EXPECT_EQ(pixelAt(width / 2, height / 2), (Rgb{255, 0, 0}));
    EXPECT_EQ(pixelAt(2, 2), (Rgb{0, 0, 255}));
    GLboolean doubleBuffered = GL_FALSE;
    glGetBooleanv(GL_DOUBLEBUFFER, &doubleBuffered);
    EXPECT_TRUE(doubleBuffered);
    GLint depthBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    EXPECT_GE(depthBits, 16);
}

TEST_F(ShellRender, TheGamesFrameClearsAndKeepsGLErrorFree) {
    vortimbal::initGLState();
    expectNoGLError();
    glClearColor(0, 0, 0, 1);
    glColor3f(0, 1, 0);
    glRectf(-1, -1, 1, 1);
    vortimbal::onReshape(width, height);
    vortimbal::onReshape(width, 0);
    expectNoGLError();
    vortimbal::drawFrame();
    expectNoGLError();
    EXPECT_EQ(pixelAt(width / 2, height / 2), (Rgb{0, 0, 0}));
    float depth = 0;
    glReadPixels(width / 2, height / 2, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    EXPECT_FLOAT_EQ(depth, 1.0f);
    expectNoGLError();
}
