#pragma once

// A temporary working folder holding small stand-in models under obj/, so
// the world's rules can be tested without the game's own art.

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

class ModelFolder {
  public:
    ModelFolder() {
        folder = ::testing::TempDir() + "models_" + std::to_string(getpid());
        std::filesystem::create_directories(folder + "/obj");
        // A unit box for every model, painted with the material the game expects.
        for (const char* name : {"body", "arm", "leg", "head"}) {
            writeBox(std::string("obj/") + name + ".obj", name, 1);
        }
        for (const char* name : {"house2", "houses", "houses2"}) {
            writeBox(std::string("obj/") + name + ".obj", "redbrick", 100);
        }
        writeBox("obj/bird.obj", "white", 20);
        EXPECT_NE(getcwd(previous, sizeof previous), nullptr);
        EXPECT_EQ(chdir(folder.c_str()), 0);
    }

    ~ModelFolder() {
        EXPECT_EQ(chdir(previous), 0);
        std::filesystem::remove_all(folder);
    }

  private:
    void writeBox(const std::string& file, const char* material, float size) {
        std::FILE* out = std::fopen((folder + "/" + file).c_str(), "w");
        ASSERT_NE(out, nullptr);
        std::fprintf(out, "usemtl %s\n", material);
        for (int i = 0; i < 8; ++i) {
            std::fprintf(out, "v %g %g %g\n", (i & 1) ? size / 2 : -size / 2,
                         (i & 2) ? size / 2 : -size / 2, (i & 4) ? size : 0.0f);
        }
        std::fprintf(out, "f 1 2 4 3\nf 5 6 8 7\nf 1 2 6 5\nf 3 4 8 7\n");
        std::fclose(out);
    }

    std::string folder;
    char previous[4096] = {};
};
