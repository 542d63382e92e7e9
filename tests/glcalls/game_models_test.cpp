#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "models/material.h"
#include "models/material_pool.h"
#include "models/mesh.h"

using namespace vortimbal;

namespace {

class NamedTexture : public MaterialBase {
  public:
    explicit NamedTexture(const std::string& name) : MaterialBase(name) {}
    void apply() override {}
    int isTextured() const override { return 1; }
};

// Surfaces under the names the game gives them, in a fresh pool.
class Surfaces {
  public:
    explicit Surfaces(const std::vector<std::string>& names, bool withTextures) {
        for (const std::string& name : names) {
            owned.push_back(std::make_unique<Material>(name, Color(1, 1, 1, 1), Color(0, 0, 0, 1)));
            pool.add(owned.back().get());
        }
        for (int i = 1; withTextures && i <= 6; ++i) {
            owned.push_back(std::make_unique<NamedTexture>("bmp/" + std::to_string(i) + ".bmp"));
            pool.add(owned.back().get());
        }
    }
    MaterialPool pool;

  private:
    std::vector<std::unique_ptr<MaterialBase>> owned;
};

const std::vector<std::string> gameNames = {
    "black",    "white",     "glass", "redbrick", "bone",    "fldkdkgrey", "yellow",     "red",
    "dkgrey",   "brownskn",  "bone1", "greenskn", "areola3", "brzskin",    "PINC2_LEAF", "estrade",
    "estrade2", "Object001", "body",  "arm",      "leg",     "head"};

std::string path(const char* model) {
    return std::string(VORTIMBAL_SOURCE_DIR "/data/obj/") + model;
}

struct Lines {
    int faces = 0;
    std::vector<std::string> surfaces;
};

Lines scan(const char* model) {
    Lines lines;
    std::ifstream in(path(model));
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("f ", 0) == 0) {
            ++lines.faces;
        } else if (line.rfind("usemtl ", 0) == 0) {
            lines.surfaces.push_back(line.substr(7));
        }
    }
    return lines;
}

struct Bounds {
    Vector3 lo{1e9f, 1e9f, 1e9f};
    Vector3 hi{-1e9f, -1e9f, -1e9f};
};

// The model's extent once the game has put its frame at `at`.
Bounds load(const char* model, MaterialPool* pool, float scale, Vector3 offset, Vector3 at) {
    Mesh mesh(path(model).c_str(), pool, scale, nullptr, offset, 0);
    Bounds b;
    for (int i = 0; i < mesh.vertexCount(); ++i) {
        const Vector3 v = mesh.getVertices().get(i) + at;
        b.lo = Vector3(std::fmin(b.lo.x, v.x), std::fmin(b.lo.y, v.y), std::fmin(b.lo.z, v.z));
        b.hi = Vector3(std::fmax(b.hi.x, v.x), std::fmax(b.hi.y, v.y), std::fmax(b.hi.z, v.z));
    }
    return b;
}

}  // namespace

// Every face line of every model becomes a face: names resolve in the pool
// the game loads it with, indices are in range and textured faces are triangles.
TEST(GameModels, EveryFaceLineMakesAFaceWithAKnownSurface) {
    MaterialBase* previous = defaultMaterial;
    Surfaces game(gameNames, true);
    Surfaces figure({"body", "arm", "leg", "head"}, false);
    const struct {
        const char* model;
        MaterialPool& pool;
    } all[] = {{"house2.obj", game.pool}, {"houses.obj", game.pool}, {"houses2.obj", game.pool},
               {"bird.obj", game.pool},   {"body.obj", figure.pool}, {"arm.obj", figure.pool},
               {"leg.obj", figure.pool},  {"head.obj", figure.pool}};
    for (const auto& [model, pool] : all) {
        defaultMaterial = nullptr;  // a face before any surface line would be lost
        const Lines lines = scan(model);
        for (const std::string& name : lines.surfaces) {
            EXPECT_NE(pool.find(name.c_str()), nullptr) << model << ": " << name;
        }
        Mesh mesh(path(model).c_str(), &pool, 1, nullptr, Vector3(), 0);
        EXPECT_GT(lines.faces, 30) << model;
        EXPECT_LE(lines.faces, 400) << model;
        EXPECT_EQ(mesh.getFaces().count(), lines.faces) << model;
    }
    defaultMaterial = previous;
}

// With the scales, offsets and joints the figure uses, standing still: feet on
// the ground, legs reaching into the body, arms at its shoulders, the head on top.
TEST(GameModels, FigurePartsMeetAtTheirJoints) {
    Surfaces figure({"body", "arm", "leg", "head"}, false);
    MaterialPool* pool = &figure.pool;
    const Bounds body = load("body.obj", pool, 1, Vector3(0, 0.7f, 0.2f), Vector3());
    const Bounds leg = load("leg.obj", pool, 0.5f, Vector3(0, 1, 0), Vector3(0.3f, -1, 0.2f));
    const Bounds arm = load("arm.obj", pool, 0.5f, Vector3(0, 1, 0), Vector3(0.8f, 0.1f, 0.2f));
    const Bounds head = load("head.obj", pool, 0.5f, Vector3(0, 1, 0), Vector3(0, 0.9f, 0.4f));

    EXPECT_NEAR(leg.lo.y, 0, 0.01);
    EXPECT_GT(leg.hi.y, body.lo.y + 0.05);
    EXPECT_GT(leg.lo.x, 0.05);               // the legs do not cross
    EXPECT_NEAR(arm.hi.y, body.hi.y, 0.15);  // the neck stands above the shoulders
    EXPECT_LT(arm.lo.y, body.lo.y + 0.4);    // hands hang to the hips
    EXPECT_GE(arm.lo.x, body.hi.x - 0.2);    // beside the body, not in it
    EXPECT_NEAR(head.lo.y, body.hi.y, 0.1);
    EXPECT_NEAR((head.lo.x + head.hi.x) / 2, 0, 0.01);
    EXPECT_GT(head.hi.y, 2.3f);
    EXPECT_LT(head.hi.y, 2.7f);
    // Arms and legs of both sides use one model, so each is symmetric about its joint.
    EXPECT_NEAR((leg.lo.x + leg.hi.x) / 2, 0.3f, 0.01);
    EXPECT_NEAR((arm.lo.x + arm.hi.x) / 2, 0.8f, 0.01);
}

// Houses stand on the ground; the bird sits around its own origin with its
// wings across the direction of flight.
TEST(GameModels, HousesStandOnTheGroundAndTheBirdIsCentred) {
    Surfaces game(gameNames, true);
    for (const char* model : {"houses.obj", "houses2.obj"}) {
        const Bounds house = load(model, &game.pool, 0.04f, Vector3(), Vector3());
        EXPECT_NEAR(house.lo.y, 0, 0.01) << model;
    }
    const Bounds house2 = load("house2.obj", &game.pool, 0.05f, Vector3(7, 0, 4.5f), Vector3());
    EXPECT_NEAR(house2.lo.y, 0, 0.01);
    const Bounds bird =
        load("bird.obj", &game.pool, 0.02f, Vector3(-0.4f, -6.3f, -6.2f), Vector3());
    EXPECT_NEAR((bird.lo.x + bird.hi.x) / 2, 0, 0.05);
    EXPECT_NEAR((bird.lo.y + bird.hi.y) / 2, 0, 0.1);
    EXPECT_NEAR((bird.lo.z + bird.hi.z) / 2, 0, 0.1);
    EXPECT_GT(bird.hi.x - bird.lo.x, 1.2f);
    EXPECT_LT(bird.hi.z - bird.lo.z, bird.hi.x - bird.lo.x);
}
