// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "control/camera.h"
#include "gl_recorder.h"
#include "models/face.h"
#include "scene/pyramid_shape.h"
#include "scene/scene_object.h"
#include "scene/switches.h"

using namespace vortimbal;

namespace {

// A top-level object with one triangle two units wide.
SceneObject* triangleObject(const Vector3& at, SceneObject* parent = nullptr) {
    auto* object = new SceneObject(nullptr, parent);
    object->addVertex(Vector3(-1, 0, 0));
    object->addVertex(Vector3(1, 0, 0));
    object->addVertex(Vector3(0, 2, 0));
    object->addFace(new Triangle(0, 1, 2, nullptr));
    object->position = at;
    object->updateCubes();
    return object;
}

}  // namespace

TEST(SceneObjects, CubesGrowWithVerticesAndChildrenButNotWithShapes) {
    SceneObject parent(nullptr, nullptr);
    parent.addVertex(Vector3(0, 0, 0));
    parent.addVertex(Vector3(1, 1, 1));
    for (int i = 0; i < parent.vertexCount(); ++i) {
        EXPECT_GE(parent.getVertices().get(i).shade, 0.2f);
        EXPECT_LE(parent.getVertices().get(i).shade, 1.39f + 1e-6f);
    }
    EXPECT_FLOAT_EQ(parent.getVertexCube().center.x, 0.5f);
    SceneObject empty(nullptr, nullptr);  // as the world itself, before its children count
    empty.updateCubes();
    EXPECT_TRUE(empty.getLocalCube().center.isZero());
    EXPECT_EQ(empty.getLocalCube().size, 0);
    SceneObject* child = triangleObject(Vector3(10, 0, 0));
    parent.addChild(child);
    parent.addChild(new PyramidShape(Vector3(50, 0, 0), 1, 1, Color(1, 1, 1, 1)));
    EXPECT_EQ(parent.moverCount(), 1) << "a shape does not move";
    parent.updateCubes();
    // The child's cube (centre (10, 1, 0), size 2) counts its whole size on each side.
    EXPECT_FLOAT_EQ(parent.getLocalCube().size, 12);
    EXPECT_FLOAT_EQ(parent.getLocalCube().center.x, 6);
    parent.removeChild(child);
    EXPECT_EQ(parent.getChildren().count(), 1);
    EXPECT_EQ(parent.moverCount(), 0);
    delete child;
}

TEST(SceneObjects, FarObjectsAreDrawnAsPyramidsAndVeryFarOnesNotAtAll) {
    const Vector3 view = camera.position;
    camera.position = Vector3(0, 3, 20);
    const struct {
        float z;
        int primitive;  // -1: nothing drawn
    } cases[] = {
        {-30, GL_TRIANGLES}, {-50, GL_TRIANGLE_FAN}, {-249.5f, GL_TRIANGLE_FAN}, {-250.5f, -1}};
    for (const auto& c : cases) {
        glrec::reset();
        SceneObject* object = triangleObject(Vector3(0, 0, c.z));
        object->draw();
        const std::vector<glrec::Call> begins = glrec::named("glBegin");
        EXPECT_EQ(begins.empty() ? -1 : int(begins[0].args[0]), c.primitive) << c.z;
        if (c.primitive == GL_TRIANGLE_FAN) {
            const std::vector<glrec::Call> moves = glrec::named("glTranslatef");
            EXPECT_TRUE(moves.size() == 1 && moves[0].args == (std::vector<double>{0, 1, 0}))
                << "the pyramid stands over the object's cube, not at its feet";
        }
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
        delete object;
    }
    camera.position = view;
}

// A lighter look (here a quad) is taken beyond 22 units and given up within
// 18; in between, the object keeps the look it had, so it does not flicker.
TEST(SceneObjects, DistantObjectsTakeTheirLighterLookWithAMargin) {
    const Vector3 view = std::exchange(camera.position, Vector3());
    std::unique_ptr<SceneObject> object(triangleObject(Vector3()));
    auto lighter = std::make_shared<Geometry>();
    for (const Vector3& corner :
         {Vector3(-1, 0, 0), Vector3(1, 0, 0), Vector3(1, 2, 0), Vector3(-1, 2, 0)}) {
        lighter->addVertex(corner);
    }
    lighter->addFace(new Quad(0, 1, 2, 3, nullptr));
    object->setLighterGeometry(lighter);
    for (const auto& [z, primitive] : {std::pair{-15, GL_TRIANGLES},
                                       {-21, GL_TRIANGLES},
                                       {-23, GL_QUADS},
                                       {-19, GL_QUADS},
                                       {-17, GL_TRIANGLES}}) {
        glrec::reset();
        object->position.z = float(z);
        object->draw();
        const std::vector<glrec::Call> begins = glrec::named("glBegin");
        EXPECT_TRUE(begins.size() == 1 && begins[0].args[0] == primitive) << z;
    }
    camera.position = view;
}

TEST(SceneObjects, ClippedOutOfViewItHidesAndOtherwiseItDrawsEveryFrame) {
    const int clippingWas = useClipping;
    SceneObject city(nullptr, nullptr);
    city.addChild(triangleObject(Vector3(0, 0, -30)));  // outside the recorder's unit-cube view
    for (int clipping : {1, 0, 0}) {  // the last frame as every later one, with no GL lists
        useClipping = clipping;
        glrec::reset();
        city.draw();
        const std::vector<glrec::Call> begins = glrec::named("glBegin");
        EXPECT_EQ(std::count_if(begins.begin(), begins.end(),
                                [](const glrec::Call& c) { return c.args[0] == GL_TRIANGLES; }),
                  1 - clipping)
            << "clipping " << clipping;
    }
    useClipping = clippingWas;
}
