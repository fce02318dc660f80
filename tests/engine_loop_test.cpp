// The frame loop on the offscreen backend: virtual deltas, the frame hooks,
// and the ways the loop ends.
#include "engine/hge.h"
#include "engine/offscreen/offscreen_backend.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct LoopRun {
    std::vector<float> deltas;
    std::vector<int> before;
    std::vector<int> after;
    int renders = 0;
};

// Runs the loop with the given frame rate until the after-frame hook stops
// it at stopAt (or something else ends it first).
class EngineLoopTest : public ::testing::Test {
protected:
    void SetUp() override {
        hge = hgeCreate(HGE_VERSION);
        auto offscreen = std::make_unique<OffscreenBackend>();
        backend = offscreen.get();
        hge->System_SetStateInt(HGE_SCREENWIDTH, 8);
        hge->System_SetStateInt(HGE_SCREENHEIGHT, 8);
        hge->System_SetBackend(std::move(offscreen));
        backend->SetBeforeFrame([this](HGE&, int frame) { run.before.push_back(frame); });
        backend->SetAfterFrame([this](int frame) {
            run.after.push_back(frame);
            return frame < stopAt;
        });
        hge->System_SetStateFunc(HGE_FRAMEFUNC, [this] {
            run.deltas.push_back(hge->Timer_GetDelta());
            return false;
        });
        hge->System_SetStateFunc(HGE_RENDERFUNC, [this] {
            ++run.renders;
            return false;
        });
    }
    void TearDown() override {
        hge->System_Shutdown();
        hge->Release();
    }
    void Start(int fps) {
        hge->System_SetStateInt(HGE_FPS, fps);
        ASSERT_TRUE(hge->System_Initiate()) << hge->System_GetErrorMessage();
        ASSERT_TRUE(hge->System_Start()) << hge->System_GetErrorMessage();
    }

    HGE* hge = nullptr;
    OffscreenBackend* backend = nullptr;
    LoopRun run;
    int stopAt = 4;
};

TEST_F(EngineLoopTest, EveryDeltaIsExactlyOneFramePeriod) {
    struct Case {
        int fps;
        float delta;
    };
    for (const Case c : {Case{30, 1.0f / 30}, Case{60, 1.0f / 60}, Case{0, 1.0f / 60}}) {
        SCOPED_TRACE(testing::Message() << "fps " << c.fps);
        run = LoopRun();
        Start(c.fps);
        ASSERT_EQ(run.deltas.size(), 4u);
        for (float delta : run.deltas) {
            EXPECT_EQ(delta, c.delta);
        }
        EXPECT_FLOAT_EQ(hge->Timer_GetTime(), c.delta * 4);
        hge->System_Shutdown();
    }
}

TEST_F(EngineLoopTest, FpsOverrideReplacesTheConfiguredRate) {
    backend->SetFps(20);
    Start(60);
    ASSERT_FALSE(run.deltas.empty());
    EXPECT_EQ(run.deltas.front(), 1.0f / 20);
}

TEST_F(EngineLoopTest, HooksAreNumberedFromOneAroundEachFrame) {
    Start(30);
    EXPECT_EQ(run.before, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(run.after, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(run.renders, 4);
    EXPECT_EQ(backend->Frame(), 4);
}

TEST_F(EngineLoopTest, QuitEventEndsTheLoopAfterThatFrame) {
    stopAt = 100;
    backend->SetBeforeFrame([](HGE& engine, int frame) {
        if (frame == 3) {
            InputEvent quit;
            quit.kind = InputEvent::Kind::Quit;
            engine.DeliverEvent(quit);
        }
    });
    Start(30);
    EXPECT_EQ(run.deltas.size(), 3u);
    EXPECT_EQ(run.after.back(), 3);
}

TEST_F(EngineLoopTest, PostQuitFromTheFrameFunctionEndsTheLoop) {
    stopAt = 100;
    hge->System_SetStateFunc(HGE_FRAMEFUNC, [this] {
        run.deltas.push_back(hge->Timer_GetDelta());
        if (run.deltas.size() == 2) {
            hge->System_PostQuit();
        }
        return false;
    });
    Start(30);
    EXPECT_EQ(run.deltas.size(), 2u);
    EXPECT_EQ(run.renders, 2);
}

TEST_F(EngineLoopTest, FrameFunctionReturningTrueEndsTheLoopBeforeRendering) {
    stopAt = 100;
    hge->System_SetStateFunc(HGE_FRAMEFUNC, [this] {
        run.deltas.push_back(hge->Timer_GetDelta());
        return run.deltas.size() == 3;
    });
    Start(30);
    EXPECT_EQ(run.deltas.size(), 3u);
    EXPECT_EQ(run.renders, 2);
}

TEST_F(EngineLoopTest, StartNeedsInitiateAndAFrameFunction) {
    EXPECT_FALSE(hge->System_Start());
    EXPECT_FALSE(hge->System_GetErrorMessage().empty());
    hge->System_SetStateFunc(HGE_FRAMEFUNC, nullptr);
    ASSERT_TRUE(hge->System_Initiate());
    EXPECT_FALSE(hge->System_Start());
    EXPECT_FALSE(hge->System_GetErrorMessage().empty());
}

}  // namespace
