#include "app/display.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glut.h>

#include "app/game_state.h"
#include "control/camera.h"

namespace vortimbal {

namespace {

constexpr double fieldOfView = 45.0;

// A minimised window reports a height of zero; keep the last sane aspect.
double aspectRatio() {
    static double lastAspect = 640.0 / 480.0;
    if (windowWidth > 0 && windowHeight > 0) {
        lastAspect = double(windowWidth / windowHeight);
    }
    return lastAspect;
}

}  // namespace

void setPerspective() {
    gluPerspective(fieldOfView, aspectRatio(), camera.nearPlane, camera.farPlane);
}

void drawFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    setPerspective();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    camera.applyView();
}

void onDisplay() {
    drawFrame();
    glutSwapBuffers();
}

void onReshape(int width, int height) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    windowWidth = float(width);
    windowHeight = float(height);
    setPerspective();
    glutPostRedisplay();
}

}  // namespace vortimbal
