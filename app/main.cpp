#include <GL/glut.h>

#include <iostream>

#include "app/clean_exit.h"
#include "app/command_line.h"
#include "app/startup.h"

int main(int argc, char** argv) {
    vortimbal::lineBufferOutput();
    vortimbal::catchStopSignals();
    if (!vortimbal::takeOptions(argc, argv, std::cerr)) {
        return 2;
    }
    if (!vortimbal::startUpReported([&] { vortimbal::startUp(&argc, argv); }, std::cerr)) {
        return 1;
    }
    glutMainLoop();
    return 0;
}
