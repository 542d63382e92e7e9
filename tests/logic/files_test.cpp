#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdio>
#include <memory>
#include <string>

#include "core/files.h"

using namespace vortimbal;

namespace {

class Files : public ::testing::Test {
  protected:
    // Per process: the sanitized run of the same test may run alongside.
    std::string path(const char* name) {
        return ::testing::TempDir() + "files_test_" + std::to_string(getpid()) + "_" + name;
    }

    std::string writeBytes(const char* name, int n) {
        std::string file = path(name);
        std::FILE* out = std::fopen(file.c_str(), "wb");
        for (int i = 0; i < n; ++i) {
            std::fputc(i * 7 % 251, out);
        }
        std::fclose(out);
        return file;
    }
};

}  // namespace

TEST_F(Files, MissingFileThrowsTheGameException) {
    try {
        InputFile file(path("does_not_exist").c_str(), true);
        FAIL() << "opened a missing file";
    } catch (Exception* caught) {
        std::unique_ptr<Exception> exception(caught);
        EXPECT_STREQ(exception->what(), "Unable to open the file");
    }
    try {
        OutputFile file((path("no_such_dir") + "/x").c_str(), false);
        FAIL() << "created a file in a missing folder";
    } catch (Exception* caught) {
        delete caught;
    }
}

TEST_F(Files, ReadFillsBuffersUntilTheEnd) {
    InputFile file(writeBytes("3000", 3000).c_str(), false);
    Array<char> buffer(1024);
    EXPECT_EQ(file.read(buffer), 1024);
    EXPECT_FALSE(file.eof());
    EXPECT_EQ(file.read(buffer), 1024);
    EXPECT_FALSE(file.eof());
    EXPECT_EQ(file.read(buffer), 952);
    EXPECT_TRUE(file.eof());
    EXPECT_EQ((unsigned char)buffer.get(951), (2999 * 7) % 251);
    EXPECT_EQ(file.read(buffer), 0);
}

TEST_F(Files, ReadAllReturnsExactlyTheFile) {
    for (int n : {0, 1, 255, 256, 300, 5000}) {
        InputFile file(writeBytes("all", n).c_str(), false);
        Array<char> target(3);
        Array<char> caller = target;
        file.readAll(target);
        ASSERT_EQ(caller.size(), n) << "file of " << n << " bytes";
        for (int i = 0; i < n; ++i) {
            ASSERT_EQ((unsigned char)caller.get(i), i * 7 % 251) << "byte " << i;
        }
    }
}

TEST_F(Files, OutputFileWritesWhatInputFileReads) {
    std::string name = path("written");
    {
        OutputFile out(name.c_str(), false);
        Array<char> bytes(3);
        bytes.at(0) = 'a';
        bytes.at(1) = '\n';
        bytes.at(2) = 'c';
        EXPECT_EQ(out.write(bytes), 3);
    }
    InputFile in(name.c_str(), true);
    Array<char> all;
    in.readAll(all);
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(std::string(all.data(), 3), "a\nc");
}
