#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "gl_recorder.h"
#include "models/face.h"
#include "models/material.h"
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
    void TearDown() override { defaultMaterial = previousDefault; }

    // Per process: the sanitized run of the same test may run alongside.
    std::string write(const char* name, const std::string& text) {
        const std::string file =
            ::testing::TempDir() + "mesh_test_" + std::to_string(getpid()) + "_" + name;
        std::FILE* out = std::fopen(file.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
        return file;
    }

    std::unique_ptr<Mesh> load(const std::string& text, float scale = 1, Vector3 offset = Vector3(),
                               float angle = 0) {
        return std::make_unique<Mesh>(write("model.obj", text).c_str(), &pool, scale, nullptr,
                                      offset, angle);
    }

    Material white{"white", Color(1, 1, 1, 1), Color(0, 0, 0, 1)};
    Material glass{"glass", Color(0, 0, 1, 0.5f), Color(0.5f, 0.5f, 1, 1)};
    Material spaced{"two words ", Color(1, 0, 0, 1), Color(0, 0, 0, 1)};
    FakeTexture texture;
    MaterialPool pool;
    MaterialBase* previousDefault = nullptr;
};

// Five vertices whose x is their number in the file.
const std::string five = "v 1 0 0\nv 2 0 0\nv 3 0 0\nv 4 0 0\nv 5 0 0\n";

// The file numbers of the vertices a face sends, in the order it sends them.
std::vector<int> sent(const Mesh& mesh, int face) {
    glrec::reset();
    currentMaterialId = -1;
    mesh.getFaces().get(face)->draw(mesh.getVertices());
    std::vector<int> numbers;
    for (const glrec::Call& call : glrec::named("glVertex3f")) {
        numbers.push_back(int(call.args[0]));
    }
    return numbers;
}

void expectVertex(const Mesh& mesh, int i, float x, float y, float z) {
    const Vector3 v = mesh.getVertices().get(i);
    EXPECT_NEAR(v.x, x, 1e-3) << "vertex " << i;
    EXPECT_NEAR(v.y, y, 1e-3) << "vertex " << i;
    EXPECT_NEAR(v.z, z, 1e-3) << "vertex " << i;
}

}  // namespace

TEST_F(Meshes, VerticesAreScaledMovedAndTurnedWithHeightThird) {
    const std::string line = "v 1 2 3\n";
    std::unique_ptr<Mesh> mesh = load(line, 0.5f, Vector3(10, 0, 0), 0);
    expectVertex(*mesh, 0, 10.5f, 1.5f, 1.0f);
    EXPECT_NE(mesh->name.find("mesh_test_"), std::string::npos);
    mesh = load(line, 0.5f, Vector3(10, 0, 0), 90);
    expectVertex(*mesh, 0, 1.0f, 1.5f, -10.5f);

    // A doubled blank reads the same number again; missing fields read 0.
    mesh = load("v 1  2 3\nv  4 5 6\nv 7\nv\nvt 1 2 3\nvn 1 2 3\n");
    ASSERT_EQ(mesh->vertexCount(), 3);
    expectVertex(*mesh, 0, 1, 2, 2);
    expectVertex(*mesh, 1, 4, 5, 4);
    expectVertex(*mesh, 2, 7, 0, 0);
}

TEST_F(Meshes, FacesKeepVertexIndicesReversingTrianglesAndQuads) {
    std::unique_ptr<Mesh> mesh =
        load(five + "f 1/4/7 2/5/8 3/6/9\nf 1 2 3 4\nf 1 2 3 4 5\nfo 3//1 2//9 1\n");
    ASSERT_EQ(mesh->getFaces().count(), 4);
    EXPECT_NE(dynamic_cast<Triangle*>(mesh->getFaces().get(0)), nullptr);
    EXPECT_EQ(sent(*mesh, 0), (std::vector<int>{3, 2, 1}));
    EXPECT_NE(dynamic_cast<Quad*>(mesh->getFaces().get(1)), nullptr);
    EXPECT_EQ(sent(*mesh, 1), (std::vector<int>{4, 3, 2, 1}));
    EXPECT_NE(dynamic_cast<Polygon*>(mesh->getFaces().get(2)), nullptr);
    EXPECT_EQ(sent(*mesh, 2), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(sent(*mesh, 3), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(mesh->getFaces().get(0)->getSurface(), &white);

    // Out-of-range, zero and huge indices drop the whole face; a minus sign is
    // not read, so -1 is 1; only vertices read so far count.
    mesh = load(
        "f 1 1 1\nv 1 0 0\nv 2 0 0\nv 3 0 0\nf 1 2 9\nf 0 1 2\n"
        "f 1 2 99999999999999999999999\nf 1 2 4294967297\nf -1 2 3\nf 1 2\n");
    ASSERT_EQ(mesh->getFaces().count(), 2);
    EXPECT_EQ(sent(*mesh, 0), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(sent(*mesh, 1), (std::vector<int>{1, 2}));
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
    EXPECT_EQ(faces.get(1)->getSurface(), &glass);
    EXPECT_EQ(faces.get(2)->getSurface(), &spaced);
    EXPECT_NE(dynamic_cast<TexturedTriangle*>(faces.get(3)), nullptr);
    EXPECT_EQ(faces.get(3)->getSurface(), &texture);
    EXPECT_NE(dynamic_cast<FlatTexturedTriangle*>(faces.get(4)), nullptr);
    EXPECT_EQ(sent(*mesh, 4), (std::vector<int>{3, 2, 1}));
    EXPECT_TRUE(mesh->usesFlatTextures());

    // Without a pool no name is found and the faces keep the default surface.
    Mesh poolless(write("poolless.obj", five + "g glass\nf 1 2 3\n").c_str(), nullptr, 1, nullptr,
                  Vector3(), 0);
    ASSERT_EQ(poolless.getFaces().count(), 1);
    EXPECT_EQ(poolless.getFaces().get(0)->getSurface(), &white);
}

// Short lines must not read what a longer line left in the reused buffer.
TEST_F(Meshes, ShortLinesDoNotReadThePreviousLine) {
    std::unique_ptr<Mesh> mesh = load(five + "f 1 2 3\nf\nusemtl\n#xglass\ng\nf 1 2 3\n");
    EXPECT_EQ(mesh->getFaces().count(), 1);
    EXPECT_EQ(mesh->getCurrentMaterial(), nullptr);
}

TEST_F(Meshes, LineEndsAndChunks) {
    // The last line counts only with its line end.
    EXPECT_EQ(load(five + "f 1 2 3").get()->getFaces().count(), 0);
    EXPECT_EQ(load(five + "f 1 2 3\n").get()->getFaces().count(), 1);
    // CR LF, CR alone and form feeds all end lines.
    std::unique_ptr<Mesh> mesh = load("v 1 0 0\r\nv 2 0 0\rv 3 0 0\f\r\nf 1 2 3\r\n");
    EXPECT_EQ(mesh->vertexCount(), 3);
    EXPECT_EQ(sent(*mesh, 0), (std::vector<int>{3, 2, 1}));

    // Lines that straddle the 1024-byte reads, and files of exactly one chunk.
    const std::string padding = "# " + std::string(1018, 'x') + "\n";
    mesh = load(padding + five + "f 1 2 3\n");
    EXPECT_EQ(mesh->vertexCount(), 5);
    EXPECT_EQ(mesh->getFaces().count(), 1);
    mesh = load(std::string(1015, '#') + "\nv 1 0 0\n");
    EXPECT_EQ(mesh->vertexCount(), 1);

    // An overlong line is skipped whole; the lines around it are read.
    const std::string longFace = "f 1 2 3" + std::string(Mesh::maxLineLength, ' ') + "\n";
    mesh = load(five + longFace + "f 1 2 3 4\n");
    ASSERT_EQ(mesh->getFaces().count(), 1);
    EXPECT_EQ(sent(*mesh, 0).size(), 4u);
}

TEST_F(Meshes, MissingFileThrows) {
    try {
        Mesh mesh("no/such/model.obj", &pool, 1, nullptr, Vector3(), 0);
        FAIL() << "loaded a missing file";
    } catch (Exception* caught) {
        std::unique_ptr<Exception> exception(caught);
        EXPECT_STREQ(exception->what(), "Unable to open the file");
    }
}

TEST_F(Meshes, WildNumbersKeepTheBoundsFinite) {
    std::unique_ptr<Mesh> mesh =
        load("v nan 1 2\nv 1e39 -inf 3\nv 1 2 3\nv inf 0 0\nf 1 2 3 4\n", 0.0f);
    ASSERT_EQ(mesh->vertexCount(), 4);
    for (int i = 0; i < 4; ++i) {
        const Vector3 v = mesh->getVertices().get(i);
        EXPECT_TRUE(std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z)) << i;
    }
    mesh = load("v nan 1 2\nv 1e39 -inf 3\nv 1 2 3\n");
    expectVertex(*mesh, 0, 0, 2, 1);
    expectVertex(*mesh, 1, Mesh::coordinateLimit, 3, -Mesh::coordinateLimit);
    const BoundingCube cube = mesh->getVertexCube();
    EXPECT_TRUE(std::isfinite(cube.size));
    EXPECT_TRUE(std::isfinite(cube.center.x) && std::isfinite(cube.center.z));
    EXPECT_LE(cube.size, 2 * Mesh::coordinateLimit);
}

// Real-world and fuzzer-found OBJ files: every one loads, and every face it
// makes draws within the vertices.
TEST_F(Meshes, PublicCorpusLoadsAndDraws) {
    const std::filesystem::path corpus =
        std::filesystem::path(VORTIMBAL_SOURCE_DIR) / ".." / "shared" / "corpora" / "obj";
    if (!std::filesystem::is_directory(corpus)) {
        GTEST_SKIP() << "no corpus at " << corpus;
    }
    int files = 0;
    for (const char* folder : {"models", "crashes"}) {
        for (const auto& entry : std::filesystem::directory_iterator(corpus / folder)) {
            const std::string path = entry.path().string();
            SCOPED_TRACE(path);
            Mesh mesh(path.c_str(), &pool, 1, nullptr, Vector3(), 0);
            for (int i = 0; i < mesh.getFaces().count(); ++i) {
                mesh.getFaces().get(i)->draw(mesh.getVertices());
            }
            const BoundingCube cube = mesh.getVertexCube();
            EXPECT_TRUE(std::isfinite(cube.size) && std::isfinite(cube.center.y));
            ++files;
        }
    }
    EXPECT_GT(files, 100);
    glrec::reset();
    currentMaterialId = -1;
}
