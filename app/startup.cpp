#include "app/startup.h"

#include <GL/gl.h>
#include <GL/glut.h>
#include <unistd.h>

#include <memory>
#include <string>

#include "app/display.h"
#include "app/frame_clock.h"
#include "app/game_state.h"
#include "app/keyboard.h"
#include "app/menus.h"
#include "core/diagnostics.h"
#include "core/exception.h"

namespace vortimbal {

namespace {

constexpr int initialWidth = 640;
constexpr int initialHeight = 480;

std::string workingDirectory() {
    char buffer[4096];
    return getcwd(buffer, sizeof buffer) != nullptr ? buffer : "(unknown)";
}

}  // namespace

void registerCallbacks() {
    glutReshapeFunc(onReshape);
    glutKeyboardUpFunc(onKeyUp);
    glutKeyboardFunc(onKeyDown);
    glutIdleFunc(onIdle);
    glutDisplayFunc(onDisplay);
    glutSpecialUpFunc(onSpecialUp);
    glutSpecialFunc(onSpecialDown);
}

void initGLState() {
    glShadeModel(GL_SMOOTH);
    glEnable(GL_LIGHTING);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_DEPTH_TEST);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
}

void startUp(int* argc, char** argv) {
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    mainWindow = glutCreateWindow("Vortimbal 3");
    initGLState();
    registerCallbacks();
    createMenus();
    // The window exists already, so the reshape request is what sizes it.
    glutInitWindowSize(initialWidth, initialHeight);
    glutReshapeWindow(initialWidth, initialHeight);
    const double now = currentTimeMs();
    lastRedisplayTime = now;
    simulationTime = now;
}

bool startUpReported(const std::function<void()>& startUpSteps, std::ostream& errors) {
    try {
        startUpSteps();
        return true;
    } catch (Exception* caught) {
        std::unique_ptr<Exception> exception(caught);
        reportError(exception->what(), errors);
        errors << "Models and images are read from obj/ and bmp/ below the working directory "
               << workingDirectory() << '\n';
        return false;
    }
}

}  // namespace vortimbal
