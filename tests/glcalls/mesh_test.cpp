// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <unistd.h>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "control/camera.h"
#include "gl_recorder.h"
#include "models/face.h"
#include "models/material_pool.h"
#include "models/mesh.h"

using namespace vortimbal;

namespace {

// Stands in for a texture without loading an image.
class FakeTexture : public MaterialBase {
  public:
    FakeTexture() : MaterialBase("bmp/2.bmp") {}
    void apply() override {}
    int isTextured() const override { return 1; }
};

class Meshes : public ::testing::Test {
  protected:
    void SetUp() override {
        previousDefault = defaultMaterial;
        defaultMaterial = &white;
        pool.add(&glass);
        pool.add(&texture);
        pool.add(&spaced);
    }
    void TearDown() override {
        defaultMaterial = previousDefault;
        currentMaterialId = -1;
    }

    std::unique_ptr<Mesh> load(const std::string& text, float scale = 1, Vector3 offset = Vector3(),
                               float angle = 0, MaterialPool* from = nullptr) {
        // A file of its own each time: a pool keeps what it read by name.
        static int loads = 0;
        const std::string file = ::testing::TempDir() + "mesh_test_" + std::to_string(getpid()) +
                                 "_" + std::to_string(++loads) + ".obj";
        std::FILE* out = std::fopen(file.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
        auto mesh = std::make_unique<Mesh>(file.c_str(), from ? from : &pool, scale, nullptr,
                                           offset, angle);
        std::remove(file.c_str());
        return mesh;
    }

    Material white{"white", Color(1, 1, 1, 1), Color(0, 0, 0, 1)};
    Material glass{"glass", Color(0, 0, 1, 0.5f), Color(0.5f, 0.5f, 1, 1)};
    Material spaced{"two words ", Color(1, 0, 0, 1), Color(0, 0, 0, 1)};
    FakeTexture texture;
    MaterialPool pool, empty;
    MaterialBase* previousDefault = nullptr;
};

// Five vertices whose x is their number in the file.
const std::string five = "v 1 0 0\nv 2 0 0\nv 3 0 0\nv 4 0 0\nv 5 0 0\n";

// The vertices each face sends, in the order it sends them, each as x + 10 y + 100 z:
// the number of "v N 0 0" is N.
std::vector<std::vector<int>> sent(const Mesh& mesh) {
    std::vector<std::vector<int>> faces;
    for (int f = 0; f < mesh.getFaces().count(); ++f) {
        glrec::reset();
        mesh.getFaces().get(f)->draw(mesh.getVertices());
        faces.emplace_back();
        for (const glrec::Call& call : glrec::named("glVertex3f")) {
            faces.back().push_back(int(call.args[0] + 10 * call.args[1] + 100 * call.args[2]));
        }
    }
    return faces;
}

using Faces = std::vector<std::vector<int>>;

}  // namespace

TEST_F(Meshes, VerticesArePlacedAndFacesKeepTheirCornersInDrawingOrder) {
    std::unique_ptr<Mesh> mesh = load("v 1 2 3\n", 0.5f, Vector3(10, 0, 0), 90);
    const Vector3 v = mesh->getVertices().get(0);  // the file's third coordinate is the height
    EXPECT_NEAR(v.x, 1.0f, 1e-3);
    EXPECT_NEAR(v.y, 1.5f, 1e-3);
    EXPECT_NEAR(v.z, -10.5f, 1e-3);

    // Triangles and quads are reversed, polygons kept; texture and normal numbers ignored.
    mesh = load(five + "f 1/4/7 2/5/8 3/6/9\nf 1 2 3 4\nf 1 2 3 4 5\nfo 3//1 2//9 1\n");
    EXPECT_EQ(sent(*mesh), (Faces{{3, 2, 1}, {4, 3, 2, 1}, {1, 2, 3, 4, 5}, {1, 2, 3}}));
    EXPECT_NE(dynamic_cast<Quad*>(mesh->getFaces().get(1)), nullptr);
    EXPECT_EQ(mesh->getFaces().get(0)->getSurface(), &white);

    // A face with a zero, huge or not yet read index is dropped whole.
    mesh = load(
        "f 1 1 1\nv 1 0 0\nv 2 0 0\nv 3 0 0\nf 1 2 9\nf 0 1 2\n"
        "f 1 2 99999999999999999999999\nf 1 2 4294967297\nf 1 2\nf 2 3 1\n");
    EXPECT_EQ(sent(*mesh), (Faces{{1, 2}, {1, 3, 2}}));
}

TEST_F(Meshes, SurfacesComeFromMaterialAndGroupLines) {
    std::unique_ptr<Mesh> mesh =
        load(five +
             "g glass\nf 1 2 3\ng nothing\nf 1 2 3\nusemtl\nf 1 2 3\nusemtl nothing\n"
             "f 1 2 3\nusemtl two words \nf 1 2 3\nusemtl bmp/2.bmp\nf 1 2 3 4\nf 1 2 3\n"
             "F\nf 1 2 3\n");
    const List<Face*>& faces = mesh->getFaces();
    ASSERT_EQ(faces.count(), 5);
    EXPECT_EQ(faces.get(0)->getSurface(), &glass);
    EXPECT_EQ(faces.get(1)->getSurface(), &glass) << "an unknown group keeps the surface";
    EXPECT_EQ(faces.get(2)->getSurface(), &spaced);
    EXPECT_NE(dynamic_cast<TexturedTriangle*>(faces.get(3)), nullptr) << "a quad is dropped";
    EXPECT_EQ(faces.get(3)->getSurface(), &texture);
    EXPECT_NE(dynamic_cast<FlatTexturedTriangle*>(faces.get(4)), nullptr);
    EXPECT_EQ(sent(*mesh)[4], (std::vector<int>{3, 2, 1}));

    mesh = load(five + "g glass\nf 1 2 3\n", 1, Vector3(), 0, &empty);
    EXPECT_EQ(mesh->getFaces().get(0)->getSurface(), &white) << "no name found, default kept";
}

TEST_F(Meshes, FacesInARowShareOneGlBeginAndOnlyTexturedOnesAreTextured) {
    std::unique_ptr<Mesh> mesh =
        load(five +
             "g glass\nf 1 2 3\nf 1 2 3 4\nf 2 3 4 5\nf 1 2 3\nusemtl two words \n"
             "f 1 2 3\nusemtl bmp/2.bmp\nf 1 2 3\nf 2 3 4\nF\nf 1 2 3\n");
    glrec::reset();
    mesh->updateCubes();
    const Vector3 cameraAt = std::exchange(camera.position, Vector3(1, 1, 1));  // near, not far
    mesh->draw();
    camera.position = cameraAt;
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    std::vector<double> modes;
    for (const glrec::Call& call : glrec::named("glBegin")) {
        modes.push_back(call.args[0]);
    }
    EXPECT_EQ(modes, (std::vector<double>{GL_TRIANGLES, GL_QUADS, GL_TRIANGLES, GL_TRIANGLES}));
    EXPECT_EQ(glrec::count("glVertex3f"), 26);
    int texturing = 0;
    for (const glrec::Call& call : glrec::named("glEnable")) {
        texturing += call.args[0] == GL_TEXTURE_2D ? 1 : 0;
    }
    EXPECT_EQ(texturing, 1) << "one run of one texture";
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D) || glIsEnabled(GL_COLOR_MATERIAL));
}

TEST_F(Meshes, ReadsAnyLineEndAndChunkAndSurvivesWildInput) {
    // Short lines must not read what a longer line left in the reused buffer.
    EXPECT_EQ(load(five + "f 1 2 3\nf\nusemtl\n#xglass\ng\nf 1 2 3\n")->getFaces().count(), 1);
    std::unique_ptr<Mesh> mesh = load("v 1 0 0\r\nv 2 0 0\rv 3 0 0\f\r\nf 1 2 3\r\n");
    EXPECT_EQ(sent(*mesh), (Faces{{3, 2, 1}}));
    // Lines straddling the 1024-byte reads, and an overlong line skipped whole.
    mesh = load("# " + std::string(1018, 'x') + "\n" + five + "f 1 2 3" +
                std::string(Mesh::maxLineLength, ' ') + "\nf 1 2 3 4\n");
    EXPECT_EQ(mesh->vertexCount(), 5);
    EXPECT_EQ(sent(*mesh), (Faces{{4, 3, 2, 1}}));
    EXPECT_EQ(load(five + "f 1 2 3" + std::string(Mesh::maxLineLength, ' '))->getFaces().count(), 0)
        << "an overlong last line too";

    mesh = load("v nan 1 2\nv 1e39 -inf 3\nv 1 2 3\nf 1 2 3\n", 0.0f);
    for (int i = 0; i < 3; ++i) {
        const Vector3 v = mesh->getVertices().get(i);
        EXPECT_TRUE(std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z)) << i;
    }
    EXPECT_LE(mesh->getVertexCube().size, 2 * Mesh::coordinateLimit);
    // As modelling tools write them: no line end at the end, runs of blanks and tabs,
    // and indices counted back from the last vertex read.
    const std::string three = "v 1 2 3\nv 4 5 6\nv 7 8 9\n";
    const Faces triangle = {{231, 564, 897}};
    EXPECT_EQ(sent(*load(three + "f 3 2 1")), triangle);
    EXPECT_EQ(sent(*load("v 1  2\t3\nv\t4 5 6\nv 7 8 9\nf 3/1\t2/2\t1/3\n")), triangle);
    EXPECT_EQ(sent(*load(three + "f -1 -2 -3\n")), triangle);
}

TEST_F(Meshes, ThePublicCorpusAndItsCrashInputsLoadAndDraw) {
    const auto corpus = std::filesystem::path(VORTIMBAL_SOURCE_DIR) / ".." / "shared" / "corpora";
    if (!std::filesystem::is_directory(corpus / "obj")) {
        GTEST_SKIP() << "no OBJ corpus at " << corpus;
    }
    for (const char* folder : {"obj/models", "obj/crashes"}) {
        for (const auto& entry : std::filesystem::directory_iterator(corpus / folder)) {
            SCOPED_TRACE(entry.path());
            Mesh model(entry.path().c_str(), &pool, 1, nullptr, Vector3(), 0);
            sent(model);  // every face draws within the vertices
            EXPECT_TRUE(std::isfinite(model.getVertexCube().size));
        }
    }
}
