#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <vector>

#include "control/camera.h"
#include "gl_recorder.h"
#include "scene/frustum.h"
#include "scene/transformable.h"

using namespace vortimbal;

namespace {

class FrustumCalls : public ::testing::Test {
  protected:
    void SetUp() override { glrec::reset(); }
};

class Marker : public Transformable {};

}  // namespace

TEST_F(FrustumCalls, ZeroTransformsIssueNoCallButStillMarkThePlanesStale) {
    Frustum frustum;
    EXPECT_FALSE(frustum.isDirty());
    frustum.translate(Vector3(0, 0, 0));
    EXPECT_TRUE(frustum.isDirty());
    frustum.refresh();
    EXPECT_FALSE(frustum.isDirty());
    frustum.rotate(Vector3(0.0000005f, 0, 0));
    EXPECT_TRUE(frustum.isDirty());
    EXPECT_EQ(glrec::count("glTranslatef"), 0);
    EXPECT_EQ(glrec::count("glRotatef"), 0);

    Marker still;
    camera.frustum.refresh();
    still.applyTransform();
    EXPECT_EQ(glrec::count("glTranslatef") + glrec::count("glRotatef"), 0);
    EXPECT_TRUE(camera.frustum.isDirty());
}

TEST_F(FrustumCalls, ARotationTurnsAboutAllThreeAxesInOrder) {
    Marker marker;
    marker.position = Vector3(1, 2, 3);
    marker.rotation = Vector3(10, 0, 0);
    marker.applyTransform();
    const std::vector<std::string> expected = {"glTranslatef", "glRotatef", "glRotatef",
                                               "glRotatef"};
    EXPECT_EQ(glrec::names(), expected);
    EXPECT_EQ(glrec::calls()[0].args, (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(glrec::calls()[1].args, (std::vector<double>{10, 1, 0, 0}));
    EXPECT_EQ(glrec::calls()[2].args, (std::vector<double>{0, 0, 1, 0}));
    EXPECT_EQ(glrec::calls()[3].args, (std::vector<double>{0, 0, 0, 1}));
}

TEST_F(FrustumCalls, PlanesAreExtractedOnceAndTestCubesAgainstTheUnitBox) {
    Frustum frustum;
    frustum.translate(Vector3());
    EXPECT_TRUE(frustum.cubeInside(0, 0, 0, 0.1f) == false) << "planes not extracted yet";
    frustum.refresh();
    frustum.refresh();
    EXPECT_EQ(glrec::count("glGetFloatv"), 2) << "one read of each matrix";

    const float expected[6][4] = {{-1, 0, 0, 1}, {1, 0, 0, 1},  {0, 1, 0, 1},
                                  {0, -1, 0, 1}, {0, 0, -1, 1}, {0, 0, 1, 1}};
    for (int p = 0; p < Frustum::PlaneCount; ++p) {
        for (int i = 0; i < 4; ++i) {
            EXPECT_FLOAT_EQ(frustum.plane(Frustum::Plane(p))[i], expected[p][i])
                << "plane " << p << " coefficient " << i;
        }
    }
    EXPECT_TRUE(frustum.cubeInside(0.5f, 0, 0, 0.1f));
    EXPECT_FALSE(frustum.cubeInside(1.2f, 0, 0, 0.1f));
    EXPECT_TRUE(frustum.cubeInside(1.05f, 0, 0, 0.1f));
    EXPECT_FALSE(frustum.cubeInside(0, -1.3f, 0, 0.2f));
    EXPECT_FALSE(frustum.cubeInside(0, 0, 1.1f, 0.1f));
    // A corner exactly on the plane counts as outside.
    EXPECT_FALSE(frustum.cubeInside(1.5f, 0, 0, 0.5f));
}

TEST_F(FrustumCalls, APerspectiveCameraSeesWhatIsInFrontAndNotWhatIsBehind) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, 4.0 / 3.0, 3, 300);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    Camera viewer;
    viewer.applyView();
    viewer.frustum.refresh();
    // The camera stands at (0, 3, 20) looking down -z.
    EXPECT_TRUE(viewer.frustum.cubeInside(0, 3, 0, 1));
    EXPECT_FALSE(viewer.frustum.cubeInside(0, 3, 40, 1));
    EXPECT_FALSE(viewer.frustum.cubeInside(0, 3, 18.5f, 0.5f)) << "closer than the near plane";
    EXPECT_FALSE(viewer.frustum.cubeInside(0, 3, -290, 1)) << "beyond the far plane";
    EXPECT_FALSE(viewer.frustum.cubeInside(30, 3, 0, 1)) << "far off to the side";

    glLoadIdentity();
    viewer.update();  // without a target the view stays put
    viewer.applyView();
    viewer.frustum.refresh();
    EXPECT_TRUE(viewer.frustum.cubeInside(0, 3, 0, 1));
}
