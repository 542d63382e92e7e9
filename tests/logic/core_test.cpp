// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/files.h"
#include "core/list.h"
#include "core/random.h"
#include "scene/angles.h"
#include "scene/color.h"

using namespace vortimbal;

namespace {

// Runs f, which must throw the game's Exception; returns its message.
template <typename F>
std::string thrownMessage(F f) {
    try {
        f();
    } catch (Exception* caught) {
        std::unique_ptr<Exception> exception(caught);
        Exception copy(*exception);
        return copy.what();
    }
    return "nothing thrown";
}

// Per process: the sanitized run of the same test may run alongside.
std::string tempPath(const std::string& name) {
    return ::testing::TempDir() + "core_test_" + std::to_string(getpid()) + "_" + name;
}

}  // namespace

TEST(Containers, CopiesAndViewsShareCheckedGrowingStorage) {
    List<int> list(4);
    for (int i = 0; i < 5; ++i) {
        list.add(i * 10);
    }
    EXPECT_EQ(std::make_pair(list.count(), list.size()), std::make_pair(5, 8)) << "whole steps";
    List<int> copy = list, tail = list.tail(3);
    copy.at(7) = 70;  // capacity, not count, bounds an index
    EXPECT_EQ(list.get(7), 70);
    EXPECT_EQ(thrownMessage([&] { list.at(8); }), "Index out of bounds");
    EXPECT_EQ(thrownMessage([&] { list.get(-1); }), "Index out of bounds");
    EXPECT_EQ(std::make_pair(tail.count(), tail.get(1)), std::make_pair(2, 40));
    copy.resize(100);
    EXPECT_EQ(tail.size(), 97) << "views see a resize";
    list.removeAt(1);
    EXPECT_EQ(list.get(1), 40) << "the last element fills the gap";
    tail = list;
    EXPECT_EQ(tail.count(), 4) << "assignment takes the count";
    Array<char> bytes(10), view(bytes, 8);
    bytes.shrink(5);
    EXPECT_EQ(view.size(), 0) << "a view past a shrunken block is empty, not wrapped";
    EXPECT_EQ(thrownMessage([] { Array<int>(-1); }), "Index out of bounds");
    Array<double> huge(1);
    EXPECT_EQ(thrownMessage([&] { huge.resize(0x7fffffff); }), "Out of memory");
    EXPECT_EQ(thrownMessage([&] { huge.resize(-1); }), "Index out of bounds");
    EXPECT_EQ(huge.size(), 1);
}

TEST(Files, WrittenBytesReadBackInChunksAndWhole) {
    for (int n : {0, 1, 1024, 3000}) {
        const std::string name = tempPath("bytes");
        Array<char> bytes(n);
        for (int i = 0; i < n; ++i) {
            bytes.at(i) = char(i * 7 % 251);
        }
        EXPECT_EQ(OutputFile(name.c_str(), false).write(bytes), n);
        InputFile chunks(name.c_str(), false);
        Array<char> buffer(1024);
        std::vector<int> reads;
        while (reads.empty() || reads.back() > 0) {
            reads.push_back(chunks.read(buffer));
        }
        EXPECT_EQ(reads.size(), std::size_t((n + 1023) / 1024 + 1));
        EXPECT_EQ(reads.front(), std::min(n, 1024));
        EXPECT_TRUE(chunks.eof());
        Array<char> all(3), caller = all;
        InputFile(name.c_str(), true).readAll(all);
        EXPECT_EQ(std::string(caller.data(), std::size_t(caller.size())),
                  std::string(bytes.data(), std::size_t(n)));
    }
    EXPECT_EQ(thrownMessage([] { InputFile("no/such/file", true); }), "Unable to open the file");
    // A FIFO nobody writes to would hold the game for ever; a folder is no file either.
    const std::string fifo = tempPath("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& name : {fifo, ::testing::TempDir()}) {
        EXPECT_EQ(thrownMessage([&] { InputFile(name.c_str(), false); }),
                  "Unable to open the file");
    }
    std::remove(fifo.c_str());
    EXPECT_EQ(thrownMessage([] { OutputFile("no/such/dir/x", false); }), "Unable to open the file");
}

TEST(Math, TinyStepsVanishAndAnglesUseTheGamesPi) {
    Vector3 v(1, 2, 3);
    v.shade = 0.7f;
    v += Vector3(0.0000005f, 0, 0);  // under a millionth: no change at all
    EXPECT_EQ(v.x, 1.0f);
    EXPECT_FALSE(Vector3(0.000001f, 0, 0).isZero());
    EXPECT_FLOAT_EQ((v * 2 - Vector3(0, 4, 0) / 2).y, 2);
    EXPECT_FLOAT_EQ((v + v).shade, 0.7f) << "arithmetic keeps the left shade";
    EXPECT_FLOAT_EQ(degreesToRadians(180), 3.1415f);
    EXPECT_NE(directionFromRotation(Vector3(0, 90, 0)).z, 0.0f) << "3.1415 is not quite pi";
    Color original(0.1f, 0.2f, 0.3f, 0.4f), copy = original;
    copy.set(1, 1, 1);
    EXPECT_FLOAT_EQ(original.r(), 0.1f) << "colours do not share their block";
}

TEST(GameRandom, StartsOverOnTheFixedSequence) {
    const std::uint32_t left = vortimbal::seedRandom();
    const std::vector<int> drawn{vortimbal::rand(), vortimbal::rand(), vortimbal::rand()};
    vortimbal::seedRandom(left);
    EXPECT_EQ(drawn, std::vector<int>({41, 18467, 6334}));
}
