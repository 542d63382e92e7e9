#include "scene/geometry.h"

#include <GL/gl.h>

#include <algorithm>

#include "core/random.h"
#include "models/face.h"

namespace vortimbal {

Geometry::~Geometry() {
    for (int i = 0; i < faces.count(); ++i) {
        delete faces.get(i);
    }
}

void Geometry::addVertex(const Vector3& v) {
    min = Vector3(std::min(min.x, v.x), std::min(min.y, v.y), std::min(min.z, v.z));
    max = Vector3(std::max(max.x, v.x), std::max(max.y, v.y), std::max(max.z, v.z));
    cube.center = (max + min) / 2;
    cube.size = std::max({cube.size, max.x - min.x, max.y - min.y, max.z - min.z});
    Vector3 shaded = v;
    shaded.shade = 0.2f + float(rand() % 120) / 100;
    vertices.add(shaded);
}

void Geometry::addFace(Face* face) {
    faces.add(face);
}

void Geometry::draw() {
    if (faces.count() > 0) {
        faceList.draw([this] { drawFaces(); });
    }
}

// Faces in a row that can share a glBegin do: the driver's cost is per glBegin
// far more than per corner. Colour tracking makes each corner's shade a colour.
void Geometry::drawFaces() {
    glColorMaterial(GL_FRONT, GL_AMBIENT);
    glEnable(GL_COLOR_MATERIAL);
    const Face* open = nullptr;
    try {
        for (int i = 0; i < faces.count(); ++i) {
            Face* face = faces.get(i);
            if (open == nullptr || !face->joins(*open)) {
                if (open != nullptr) {
                    open->end();
                }
                open = face;
                face->begin();
            }
            face->corners(vertices);
        }
    } catch (...) {
        open->end();
        glDisable(GL_COLOR_MATERIAL);
        throw;
    }
    if (open != nullptr) {
        open->end();
    }
    glDisable(GL_COLOR_MATERIAL);
}

}  // namespace vortimbal
