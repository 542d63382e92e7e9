#include <GL/glut.h>

#include <iostream>

#include "app/startup.h"

int main(int argc, char** argv) {
    if (!vortimbal::startUpReported([&] { vortimbal::startUp(&argc, argv); }, std::cerr)) {
        return 1;
    }
    glutMainLoop();
    return 0;
}
