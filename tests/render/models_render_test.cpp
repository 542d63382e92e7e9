#include <GL/gl.h>
#include <GL/glu.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/startup.h"
#include "game/city_layout.h"
#include "models/face.h"
#include "models/light.h"
#include "models/material.h"
#include "models/material_pool.h"
#include "models/mesh.h"
#include "render_window.h"
#include "scene/ground_tile.h"

using namespace rendertest;
using namespace vortimbal;

namespace {

const Rgb sky = {40, 60, 90};

// The game's surfaces, made once per process from the real data folder.
MaterialPool* gamePool() {
    static MaterialPool* pool = nullptr;
    if (pool == nullptr) {
        char previous[4096];
        EXPECT_NE(getcwd(previous, sizeof previous), nullptr);
        EXPECT_EQ(chdir(VORTIMBAL_SOURCE_DIR "/data"), 0);
        pool = createSurfaces();
        EXPECT_EQ(chdir(previous), 0);
    }
    return pool;
}

// A model and where the game puts it.
struct Placed {
    Placed(std::shared_ptr<Mesh> mesh, Vector3 position = Vector3(), Vector3 rotation = Vector3())
        : mesh(std::move(mesh)), position(position), rotation(rotation) {}
    std::shared_ptr<Mesh> mesh;
    Vector3 position;
    Vector3 rotation;
};

std::shared_ptr<Mesh> load(const char* file, float scale, Vector3 offset, float angle = 0,
                           MaterialPool* pool = nullptr) {
    const std::string path = std::string(VORTIMBAL_SOURCE_DIR "/data/") + file;
    return std::make_shared<Mesh>(path.c_str(), pool != nullptr ? pool : gamePool(), scale, nullptr,
                                  offset, angle);
}

void drawPlaced(const std::vector<Placed>& models) {
    for (const Placed& placed : models) {
        glPushMatrix();
        glTranslatef(placed.position.x, placed.position.y, placed.position.z);
        glRotatef(placed.rotation.x, 1, 0, 0);
        glRotatef(placed.rotation.y, 0, 1, 0);
        glRotatef(placed.rotation.z, 0, 0, 1);
        for (int i = 0; i < placed.mesh->getFaces().count(); ++i) {
            placed.mesh->getFaces().get(i)->draw(placed.mesh->getVertices());
        }
        glPopMatrix();
    }
}

// The city's lamps, near enough to the scene to shine at full strength.
void setUpScene(const Vector3& eye, const Vector3& target, float far) {
    initGLState();
    currentMaterialId = -1;
    glClearColor(sky[0] / 255.0f, sky[1] / 255.0f, sky[2] / 255.0f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, double(width) / height, 0.1, far);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(eye.x, eye.y, eye.z, target.x, target.y, target.z, 0, 1, 0);
    const float lamps[3][4] = {
        {0.15f, 0.23f, 0.4f, 0}, {0.1f, 0.2f, 0.4f, 0}, {0.2f, 0.27f, 0.5f, 0}};
    const Vector3 places[3] = {{0, 28, 5}, {5, 28, -25}, {20, 20, 15}};
    for (int i = 0; i < 3; ++i) {
        Light lamp(GL_LIGHT0 + i);
        lamp.ambient.set(lamps[i][0], lamps[i][0], lamps[i][0]);
        lamp.diffuse.set(lamps[i][1], lamps[i][1], lamps[i][1]);
        lamp.specular.set(lamps[i][2], lamps[i][2], lamps[i][2]);
        lamp.position.set(target.x + places[i].x, target.y + places[i].y, target.z + places[i].z,
                          1);
        lamp.upload();
        lamp.enable();
    }
}

std::vector<float> depthImage() {
    std::vector<float> depth(std::size_t(width) * height);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
    return depth;
}

struct Coverage {
    double covered = 0;    // share of the picture the model takes
    double wrongSide = 0;  // share of the model's pixels where culling changed the nearest surface
};

// Draws the models alone twice, without and with back-face culling: a face
// wound the wrong way lets culling reveal what lies behind it.
Coverage measure(const std::vector<Placed>& models, const Vector3& eye, const Vector3& target,
                 float far) {
    setUpScene(eye, target, far);
    glDisable(GL_CULL_FACE);
    drawPlaced(models);
    const std::vector<float> whole = depthImage();
    setUpScene(eye, target, far);
    drawPlaced(models);
    const std::vector<float> culled = depthImage();
    int covered = 0, wrong = 0;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (whole[i] < 1) {
            ++covered;
            if (std::fabs(culled[i] - whole[i]) > 1e-4f) {
                ++wrong;
            }
        }
    }
    Coverage result;
    result.covered = double(covered) / whole.size();
    result.wrongSide = covered > 0 ? double(wrong) / covered : 1;
    return result;
}

// Draws the models over a patch of ground as the game shows them and saves the
// picture; the model must cover a plausible part of it, nearly every face must
// face outwards, and OpenGL must raise no error.
void show(const std::string& name, const std::vector<Placed>& models, const Vector3& eye,
          const Vector3& target, double minCover, double maxCover, float ground = 10) {
    const float far = 400;
    const Coverage coverage = measure(models, eye, target, far);
    EXPECT_GE(coverage.covered, minCover) << name;
    EXPECT_LE(coverage.covered, maxCover) << name;
    EXPECT_LT(coverage.wrongSide, 0.01) << name;

    setUpScene(eye, target, far);
    const int reach = int(std::ceil(ground / 20 - 0.5));
    for (int i = -reach; i <= reach; ++i) {
        for (int j = -reach; j <= reach; ++j) {
            glPushMatrix();
            glTranslatef(20.0f * i, 0, 20.0f * j);
            GroundTile(10, 0).draw();
            glPopMatrix();
        }
    }
    currentMaterialId = -1;
    drawPlaced(models);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << name;
    const std::string shot = saveScreenshot("model_" + name);
    if (!shot.empty()) {
        std::printf("screenshot: %s (covers %.1f%%, %.2f%% culled wrongly)\n", shot.c_str(),
                    100 * coverage.covered, 100 * coverage.wrongSide);
    }
}

// A view from the front right and above, at a distance that fits the model.
void showOne(const std::string& name, const Placed& placed, const Vector3& direction,
             double minCover, double maxCover) {
    const BoundingCube cube = placed.mesh->getVertexCube();
    const Vector3 target = cube.center + placed.position;
    const Vector3 eye = target + direction.normalized() * (cube.size * 1.9f);
    show(name, {placed}, eye, target, minCover, maxCover, cube.size);
}

// A figure facing +z with its parts where the figure hangs them; `swing`
// moves the arms and legs of side -1 forward and those of side +1 back, as
// they are in mid-stride.
void addFigure(std::vector<Placed>& parts, const Vector3& at, float swing) {
    parts.push_back({load("obj/body.obj", 1, Vector3(0, 0.7f, 0.2f)), at, Vector3()});
    for (float side : {-1.0f, 1.0f}) {
        const float forward = -side * swing;
        parts.push_back({load("obj/leg.obj", 0.5f, Vector3(0, 1, 0)),
                         at + Vector3(-0.3f * side, forward > 0 ? -0.9f : -1.0f, 0.2f + forward),
                         Vector3()});
        parts.push_back({load("obj/arm.obj", 0.5f, Vector3(0, 1, 0)),
                         at + Vector3(-0.8f * side, 0.1f, 0.2f - forward), Vector3()});
    }
    parts.push_back(
        {load("obj/head.obj", 0.5f, Vector3(0, 1, 0)), at + Vector3(0, 0.9f, 0.4f), Vector3()});
}

}  // namespace

class ModelsRender : public RenderTest {
  protected:
    void SetUp() override {
        RenderTest::SetUp();
        glPushAttrib(GL_ALL_ATTRIB_BITS);
    }
    void TearDown() override {
        glPopAttrib();
        currentMaterialId = -1;
    }
};

TEST_F(ModelsRender, HousesStandOnTheGroundWithWallsOutwards) {
    const Vector3 front(1.0f, 0.55f, 0.8f);
    showOne("house2", {load("obj/house2.obj", 0.05f, Vector3(7, 0, 4.5f))}, front, 0.1, 0.8);
    showOne("houses", {load("obj/houses.obj", 0.04f, Vector3())}, front, 0.1, 0.8);
    showOne("houses2", {load("obj/houses2.obj", 0.04f, Vector3())}, front, 0.1, 0.8);
    showOne("houses2_back", {load("obj/houses2.obj", 0.04f, Vector3())},
            Vector3(-1.0f, 0.4f, -0.6f), 0.1, 0.8);
}

TEST_F(ModelsRender, FigurePartsAndBird) {
    const Vector3 front(0.7f, 0.35f, 1.0f);
    showOne("body", {load("obj/body.obj", 1, Vector3(0, 0.7f, 0.2f))}, front, 0.05, 0.8);
    showOne("arm", {load("obj/arm.obj", 0.5f, Vector3(0, 1, 0))}, front, 0.03, 0.8);
    showOne("leg", {load("obj/leg.obj", 0.5f, Vector3(0, 1, 0))}, front, 0.03, 0.8);
    showOne("head", {load("obj/head.obj", 0.5f, Vector3(0, 1, 0))}, front, 0.05, 0.8);
    // The game rolls every bird over by 180 degrees; seen from below and ahead.
    showOne(
        "bird",
        {load("obj/bird.obj", 0.02f, Vector3(-0.4f, -6.3f, -6.2f)), Vector3(), Vector3(0, 0, 180)},
        Vector3(0.6f, -0.5f, -1.0f), 0.01, 0.8);
    showOne(
        "bird_above",
        {load("obj/bird.obj", 0.02f, Vector3(-0.4f, -6.3f, -6.2f)), Vector3(), Vector3(0, 0, 180)},
        Vector3(0.3f, 1.0f, 0.5f), 0.01, 0.8);
}

TEST_F(ModelsRender, FiguresAssembleFromTheirParts) {
    std::vector<Placed> figures;
    addFigure(figures, Vector3(-1.6f, 0, 0), 0);
    addFigure(figures, Vector3(1.6f, 0, 0), 0.25f);
    show("figures", figures, Vector3(2.2f, 2.4f, 5.2f), Vector3(0, 1.2f, 0), 0.08, 0.8);
    show("figures_side", figures, Vector3(6, 1.8f, 0.8f), Vector3(0, 1.2f, 0), 0.04, 0.8);
}

// The six houses where the city puts them, and the player at the start.
TEST_F(ModelsRender, CityLayout) {
    std::vector<Placed> city;
    for (const HousePlacement& house : cityHouses) {
        city.push_back(
            {load(house.file, house.scale, house.offset, house.angle), house.position, Vector3()});
        // The start of the game stays free of buildings.
        const BoundingCube cube = city.back().mesh->getVertexCube();
        const Vector3 center = cube.center + house.position;
        EXPECT_GT(std::hypot(center.x, center.z), 8) << house.file;
        EXPECT_LT(cube.size, 14) << house.file;
    }
    addFigure(city, Vector3(), 0);
    show("city", city, Vector3(38, 30, 42), Vector3(0, 0, 2), 0.2, 0.95, 70);
    show("street", city, Vector3(1, 3, -12), Vector3(0, 3, 10), 0.2, 0.95, 70);
}
