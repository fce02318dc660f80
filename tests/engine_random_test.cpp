// Random numbers: the same seed gives the same numbers everywhere, ranges
// are inclusive, and seed 0 takes the backend's clock.
#include "engine/hge.h"
#include "engine/offscreen/offscreen_backend.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <vector>

namespace {

class EngineRandomTest : public ::testing::Test {
protected:
    void SetUp() override { hge = hgeCreate(HGE_VERSION); }
    void TearDown() override { hge->Release(); }

    std::vector<int> Draw(int count, int min, int max) {
        std::vector<int> out;
        for (int i = 0; i < count; ++i) {
            out.push_back(hge->Random_Int(min, max));
        }
        return out;
    }

    HGE* hge = nullptr;
};

TEST_F(EngineRandomTest, SameSeedSameNumbers) {
    hge->Random_Seed(12345);
    const std::vector<int> first = Draw(50, 0, 1000000);
    hge->Random_Seed(12345);
    EXPECT_EQ(Draw(50, 0, 1000000), first);
    hge->Random_Seed(12346);
    EXPECT_NE(Draw(50, 0, 1000000), first);
}

TEST_F(EngineRandomTest, SequenceIsPinnedForReplays) {
    // Recorded replays depend on these exact numbers; a change here breaks
    // every recording.
    hge->Random_Seed(42);
    EXPECT_EQ(Draw(6, 1, 7), (std::vector<int>{6, 3, 4, 2, 7, 3}));
}

TEST_F(EngineRandomTest, FreshEngineStartsFromTheSameDefaultSeed) {
    const std::vector<int> first = Draw(10, 0, 99);
    hge->Release();
    hge = hgeCreate(HGE_VERSION);
    EXPECT_EQ(Draw(10, 0, 99), first);
}

TEST_F(EngineRandomTest, IntRangesAreInclusive) {
    hge->Random_Seed(7);
    std::set<int> seen;
    for (int v : Draw(2000, 3, 7)) {
        ASSERT_GE(v, 3);
        ASSERT_LE(v, 7);
        seen.insert(v);
    }
    EXPECT_EQ(seen, (std::set<int>{3, 4, 5, 6, 7}));
    EXPECT_EQ(hge->Random_Int(5, 5), 5);
    EXPECT_EQ(hge->Random_Int(-2, -2), -2);
    for (int v : Draw(200, INT_MIN, INT_MAX)) {
        (void)v;  // the whole int range must not overflow
    }
}

TEST_F(EngineRandomTest, FloatsStayInTheirRange) {
    hge->Random_Seed(9);
    for (int i = 0; i < 2000; ++i) {
        const float f = hge->Random_Float(-1.5f, 2.5f);
        ASSERT_GE(f, -1.5f);
        ASSERT_LT(f, 2.5f);
    }
}

TEST_F(EngineRandomTest, SeedZeroUsesTheOffscreenVirtualClock) {
    auto offscreen = std::make_unique<OffscreenBackend>();
    OffscreenBackend* backend = offscreen.get();
    hge->System_SetStateInt(HGE_SCREENWIDTH, 4);
    hge->System_SetStateInt(HGE_SCREENHEIGHT, 4);
    hge->System_SetBackend(std::move(offscreen));
    ASSERT_TRUE(hge->System_Initiate());
    std::vector<std::vector<int>> perFrame;
    backend->SetAfterFrame([&](int frame) { return frame < 2; });
    hge->System_SetStateFunc(HGE_FRAMEFUNC, [&] {
        hge->Random_Seed(0);
        perFrame.push_back(Draw(5, 0, 1000));
        return false;
    });
    ASSERT_TRUE(hge->System_Start());
    // The virtual clock is 1000/60 ms after frame 1 and 2000/60 ms after
    // frame 2: the same as seeding with those numbers.
    hge->Random_Seed(16);
    EXPECT_EQ(perFrame.at(0), Draw(5, 0, 1000));
    hge->Random_Seed(33);
    EXPECT_EQ(perFrame.at(1), Draw(5, 0, 1000));
    hge->System_Shutdown();
}

}  // namespace
