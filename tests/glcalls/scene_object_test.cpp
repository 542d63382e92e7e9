#include <GL/gl.h>
#include <gtest/gtest.h>

#include "control/camera.h"
#include "gl_recorder.h"
#include "models/face.h"
#include "scene/pyramid_shape.h"
#include "scene/scene_object.h"
#include "scene/switches.h"

using namespace vortimbal;

namespace {

class SceneObjects : public ::testing::Test {
  protected:
    void SetUp() override {
        glrec::reset();
        useClipping = 1;
        showSurfaces = 1;
        showBoundingCubes = 0;
    }
};

// A top-level object with one triangle spanning two units.
SceneObject* triangleObject(const Vector3& at) {
    auto* object = new SceneObject(nullptr, nullptr);
    object->addVertex(Vector3(-1, 0, 0));
    object->addVertex(Vector3(1, 0, 0));
    object->addVertex(Vector3(0, 2, 0));
    object->addFace(new Triangle(0, 1, 2, nullptr));
    object->position = at;
    object->updateCubes();
    return object;
}

}  // namespace

TEST_F(SceneObjects, VerticesGrowTheCubeAndGetARandomShade) {
    SceneObject object(nullptr, nullptr);
    object.addVertex(Vector3(-1, 0, 0));
    object.addVertex(Vector3(3, 2, 0));
    EXPECT_FLOAT_EQ(object.getVertexCube().center.x, 1);
    EXPECT_FLOAT_EQ(object.getVertexCube().center.y, 1);
    EXPECT_FLOAT_EQ(object.getVertexCube().size, 4);
    for (int i = 0; i < object.vertexCount(); ++i) {
        const float shade = object.getVertices().get(i).shade;
        EXPECT_GE(shade, 0.2f);
        EXPECT_LE(shade, 1.39f + 1e-6f);
    }
    object.trimVertices();
    EXPECT_EQ(object.getVertices().size(), 2);

    SceneObject empty(nullptr, nullptr);
    empty.updateCubes();
    EXPECT_TRUE(empty.getLocalCube().center.isZero());
    EXPECT_EQ(empty.getLocalCube().size, 0);
}

TEST_F(SceneObjects, ChildrenWidenTheCubeButShapesNeitherMoveNorCount) {
    SceneObject parent(nullptr, nullptr);
    parent.addVertex(Vector3(0, 0, 0));
    parent.addVertex(Vector3(1, 1, 1));
    SceneObject* child = triangleObject(Vector3(10, 0, 0));
    auto* marker = new PyramidShape(Vector3(50, 0, 0), 1, 1, Color(1, 1, 1, 1));
    parent.addChild(child);
    parent.addChild(marker);
    EXPECT_EQ(parent.moverCount(), 1);
    parent.updateCubes();
    // The child's cube (centre (0, 1, 0), size 2) counts its whole size on each side.
    EXPECT_FLOAT_EQ(parent.getLocalCube().size, 12);
    EXPECT_FLOAT_EQ(parent.getLocalCube().center.x, 6);

    SceneObject stranger(nullptr, nullptr);
    parent.removeChild(&stranger);
    EXPECT_EQ(parent.getChildren().count(), 2);
    EXPECT_EQ(parent.moverCount(), 1);
    parent.removeChild(child);
    EXPECT_EQ(parent.getChildren().count(), 1);
    EXPECT_EQ(parent.moverCount(), 0);
    delete child;
}

TEST_F(SceneObjects, NothingIsDrawnBeyond250FromTheParent) {
    SceneObject* object = triangleObject(Vector3(250.5f, 0, 0));
    object->draw();
    EXPECT_TRUE(glrec::calls().empty());
    object->position = Vector3(250, 0, 0);
    object->draw();
    EXPECT_GE(glrec::count("glPushMatrix"), 1) << "drawn, as a far pyramid";
    delete object;
}

TEST_F(SceneObjects, CullingUsesTheViewUnlessSwitchedOffOrFollowingAParent) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    camera.frustum.translate(Vector3());  // the unit box around the origin
    SceneObject* outside = triangleObject(Vector3(20, 0, 0));
    SceneObject* inside = triangleObject(Vector3(0, -1, 0));
    outside->cull();
    inside->cull();
    EXPECT_FALSE(outside->isVisible());
    EXPECT_TRUE(inside->isVisible());

    useClipping = 0;
    outside->cull();
    EXPECT_TRUE(outside->isVisible());
    useClipping = 1;
    SceneObject child(nullptr, outside);
    child.position = Vector3(100, 0, 0);
    child.cull();
    EXPECT_TRUE(child.isVisible());
    delete outside;
    delete inside;
}

TEST_F(SceneObjects, AFarObjectIsDrawnAsAPyramid) {
    camera.position = Vector3(0, 3, 20);
    SceneObject* near = triangleObject(Vector3(0, 0, -30));  // 50 away, size 2
    near->draw();
    EXPECT_EQ(glrec::named("glBegin").at(0).args[0], GL_TRIANGLES);
    glrec::reset();

    SceneObject* far = triangleObject(Vector3(0, 0, -50));  // 70 away
    far->draw();
    ASSERT_EQ(glrec::count("glBegin"), 1);
    EXPECT_EQ(glrec::named("glBegin")[0].args[0], GL_TRIANGLE_FAN);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    delete near;
    delete far;
}
