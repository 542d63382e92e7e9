#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "core/array.h"
#include "core/list.h"

using namespace vortimbal;

namespace {

// Runs f, which must throw the game's Exception; returns its message.
template <typename F>
std::string thrownMessage(F f) {
    try {
        f();
    } catch (Exception* caught) {
        std::unique_ptr<Exception> exception(caught);
        return exception->what();
    }
    return "nothing thrown";
}

}  // namespace

TEST(Containers, AccessIsCheckedAgainstCapacityNotCount) {
    List<int> list(64);
    EXPECT_EQ(list.count(), 0);
    EXPECT_NO_THROW(list.at(0) = 5);
    EXPECT_NO_THROW(list.at(63));
    EXPECT_EQ(thrownMessage([&] { list.at(64); }), "Index out of bounds");
    EXPECT_EQ(thrownMessage([&] { list.get(-1); }), "Index out of bounds");
    EXPECT_EQ(list.get(0), 5);
}

TEST(Containers, ListGrowsByWholeSteps) {
    List<int> list(4);
    for (int i = 0; i < 4; ++i) {
        list.add(i * 10);
    }
    EXPECT_EQ(list.size(), 4);
    list.add(40);
    EXPECT_EQ(list.size(), 8);
    EXPECT_EQ(list.count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(list.get(i), i * 10);
    }
    list.trim();
    EXPECT_EQ(list.size(), 5);
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.size(), 5);
}

TEST(Containers, TailSharesTheLineItWasTakenFrom) {
    List<char> line(64);
    for (char c : std::string("usemtl red")) {
        line.add(c);
    }
    line.add('\0');
    List<char> name = line.tail(7);
    EXPECT_EQ(name.count(), 4);
    EXPECT_EQ(name.get(0), 'r');
    EXPECT_STREQ(name.data(), "red");
    name.at(0) = 'b';
    EXPECT_STREQ(line.data(), "usemtl bed");
}

TEST(Containers, CopiesShareElementsAndSeeResizes) {
    Array<int> original(4);
    Array<int> copy = original;
    copy.at(2) = 7;
    EXPECT_EQ(original.get(2), 7);

    copy.resize(100);
    EXPECT_EQ(original.size(), 100);
    original.at(99) = 3;
    EXPECT_EQ(copy.get(99), 3);
    EXPECT_EQ(copy.get(2), 7);

    Array<int> view(original, 10);
    EXPECT_EQ(view.size(), 90);
    view.at(0) = 42;
    EXPECT_EQ(original.get(10), 42);
}

TEST(Containers, StorageLivesUntilTheLastHandleGoes) {
    auto* first = new Array<int>(8);
    first->at(5) = 55;
    Array<int> second(4);
    second = *first;
    auto* third = new List<int>(2);
    delete first;
    EXPECT_EQ(second.get(5), 55);
    delete third;
    Array<int> fourth(second, 5);
    second = Array<int>(1);
    // Only the view keeps the block now; the sanitized build catches a
    // premature free or a leak here.
    EXPECT_EQ(fourth.get(0), 55);
}

TEST(Containers, ViewsSurviveTheStorageShrinkingUnderThem) {
    Array<char> bytes(10);
    Array<char> view(bytes, 8);
    EXPECT_EQ(view.size(), 2);
    bytes.shrink(5);
    EXPECT_EQ(view.size(), 0);
    EXPECT_EQ(thrownMessage([&] { view.at(0); }), "Index out of bounds");
    Array<char> beyond(bytes, 50);
    EXPECT_EQ(beyond.size(), 0);
    EXPECT_EQ(thrownMessage([&] { Array<char>(bytes, -1); }), "Index out of bounds");
    List<char> list(4);
    list.add('a');
    EXPECT_EQ(list.tail(3).count(), 0);
}

TEST(Containers, ImpossibleSizesAreRefused) {
    EXPECT_EQ(thrownMessage([] { Array<int>(-1); }), "Index out of bounds");
    Array<double> huge(1);
    EXPECT_EQ(thrownMessage([&] { huge.resize(0x7fffffff); }), "Out of memory");
    EXPECT_EQ(huge.size(), 1);
}
