#include <GL/gl.h>
#include <GL/glu.h>

#include "control/camera.h"
#include "render_window.h"

using namespace rendertest;
using vortimbal::Camera;

namespace {

void square(float x, float y, float z, float half) {
    glBegin(GL_QUADS);
    glVertex3f(x - half, y - half, z);
    glVertex3f(x + half, y - half, z);
    glVertex3f(x + half, y + half, z);
    glVertex3f(x - half, y + half, z);
    glEnd();
}

}  // namespace

class CameraRender : public RenderTest {};

TEST_F(CameraRender, MarkersInFrontOfTheViewShowWhereTheyShould) {
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    Camera view;  // at (0, 3, 20), looking down -z
    gluPerspective(45, double(width) / height, view.nearPlane, view.farPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    view.applyView();

    glColor3f(1, 0, 0);
    square(0, 3, 0, 1);  // straight ahead
    glColor3f(0, 1, 0);
    square(5, 3, 0, 1);  // to the right
    glColor3f(0, 0, 1);
    square(0, 3, 40, 30);  // behind the camera: must not show
    expectNoGLError();
    saveScreenshot("camera_markers");

    EXPECT_EQ(pixelAt(width / 2, height / 2), (Rgb{255, 0, 0}));
    // 5 units right at 20 away: tan = 0.25 against tan(22.5°) × aspect.
    const int right = width / 2 + int(0.25 / (0.41421 * width / height) * width / 2);
    EXPECT_EQ(pixelAt(right, height / 2), (Rgb{0, 255, 0}));
    EXPECT_EQ(pixelAt(width - right, height / 2), (Rgb{0, 0, 0}));
    EXPECT_EQ(pixelAt(width / 2, height / 2 + 20), (Rgb{0, 0, 0}));
    expectNoGLError();
}
