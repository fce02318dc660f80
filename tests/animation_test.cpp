// hgeAnimation stepping in every mode, frame layout across texture rows,
// and independence of copies.
#include "engine/animation.h"
#include "offscreen_engine.h"

#include <vector>

namespace {

using AnimationTest = OffscreenEngineTest;

struct StepCase {
    const char* name;
    int mode;
    std::vector<int> frames;  // the frame after Play, then after each 1 s update
    int stopsAfter;           // updates after which playing ends; -1 never
};

TEST_F(AnimationTest, StepsOneFramePerFramePeriodInEveryMode) {
    const StepCase cases[] = {
        {"forward loop", HGEANIM_FWD | HGEANIM_LOOP, {0, 1, 2, 3, 0, 1}, -1},
        {"forward once", HGEANIM_FWD | HGEANIM_NOLOOP, {0, 1, 2, 3, 3, 3}, 4},
        {"reverse loop", HGEANIM_REV | HGEANIM_LOOP, {3, 2, 1, 0, 3, 2}, -1},
        {"reverse once", HGEANIM_REV | HGEANIM_NOLOOP, {3, 2, 1, 0, 0}, 4},
        {"ping-pong loop",
         HGEANIM_FWD | HGEANIM_PINGPONG | HGEANIM_LOOP,
         {0, 1, 2, 3, 2, 1, 0, 1, 2},
         -1},
        {"ping-pong once",
         HGEANIM_FWD | HGEANIM_PINGPONG | HGEANIM_NOLOOP,
         {0, 1, 2, 3, 2, 1, 0, 0},
         7},
        {"reverse ping-pong loop",
         HGEANIM_REV | HGEANIM_PINGPONG | HGEANIM_LOOP,
         {3, 2, 1, 0, 1, 2, 3, 2},
         -1},
        {"reverse ping-pong once",
         HGEANIM_REV | HGEANIM_PINGPONG | HGEANIM_NOLOOP,
         {3, 2, 1, 0, 1, 2, 3, 3},
         7},
    };
    HTEXTURE tex = hge->Texture_Create(64, 16);
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        hgeAnimation anim(tex, 4, 1.0f, 0, 0, 16, 16);
        anim.SetMode(c.mode);
        anim.Play();
        for (std::size_t i = 0; i < c.frames.size(); ++i) {
            if (i > 0) {
                anim.Update(1.0f);
            }
            EXPECT_EQ(anim.GetFrame(), c.frames[i]) << "after " << i << " updates";
            const bool shouldPlay = c.stopsAfter < 0 || static_cast<int>(i) < c.stopsAfter;
            EXPECT_EQ(anim.IsPlaying(), shouldPlay) << "after " << i << " updates";
        }
    }
}

TEST_F(AnimationTest, OnceStopsAfterFramesOverFpsSeconds) {
    struct Case {
        int frames;
        float fps;
        float dt;
    };
    const Case cases[] = {{3, 4.0f, 0.125f}, {1, 2.0f, 0.25f}, {8, 16.0f, 0.0625f}};
    HTEXTURE tex = hge->Texture_Create(128, 16);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.frames << " frames at " << c.fps << " fps");
        hgeAnimation anim(tex, c.frames, c.fps, 0, 0, 16, 16);
        anim.SetMode(HGEANIM_FWD | HGEANIM_NOLOOP);
        anim.Play();
        const int updates = static_cast<int>(c.frames / c.fps / c.dt);
        for (int i = 0; i < updates - 1; ++i) {
            anim.Update(c.dt);
        }
        EXPECT_TRUE(anim.IsPlaying()) << "one update before the end";
        anim.Update(c.dt);
        EXPECT_FALSE(anim.IsPlaying());
        EXPECT_EQ(anim.GetFrame(), c.frames - 1);
        // Stopped means stopped; Play starts again from the first frame.
        anim.Update(10.0f);
        EXPECT_EQ(anim.GetFrame(), c.frames - 1);
        anim.Play();
        EXPECT_TRUE(anim.IsPlaying());
        EXPECT_EQ(anim.GetFrame(), 0);
    }
}

TEST_F(AnimationTest, LargeUpdateStepsSeveralFramesAndKeepsTheRemainder) {
    hgeAnimation anim(hge->Texture_Create(64, 16), 4, 4.0f, 0, 0, 16, 16);
    anim.Play();
    anim.Update(0.625f);  // two and a half frame periods
    EXPECT_EQ(anim.GetFrame(), 2);
    anim.Update(0.125f);
    EXPECT_EQ(anim.GetFrame(), 3);
}

TEST_F(AnimationTest, SetFrameWrapsAcrossTextureRows) {
    // A 100-pixel-wide texture, 30x20 frames from (40, 10): two frames fit
    // in the first row, then rows of three from x = 0.
    hgeAnimation anim(hge->Texture_Create(100, 100), 6, 1.0f, 40, 10, 30, 20);
    struct Case {
        int frame;
        int shown;
        float x, y;
    };
    const Case cases[] = {
        {0, 0, 40, 10}, {1, 1, 70, 10}, {2, 2, 0, 30},  {3, 3, 30, 30},
        {4, 4, 60, 30}, {5, 5, 0, 50},  {7, 1, 70, 10}, {-1, 5, 0, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "SetFrame(" << c.frame << ")");
        anim.SetFrame(c.frame);
        EXPECT_EQ(anim.GetFrame(), c.shown);
        float x, y, w, h;
        anim.GetTextureRect(&x, &y, &w, &h);
        EXPECT_EQ(x, c.x);
        EXPECT_EQ(y, c.y);
        EXPECT_EQ(w, 30);
        EXPECT_EQ(h, 20);
    }
}

TEST_F(AnimationTest, DrawsTheCurrentFrame) {
    // Two 2x2 frames side by side: red, then blue.
    HTEXTURE tex = hge->Texture_Create(4, 2);
    DWORD* pixels = hge->Texture_Lock(tex, false);
    for (int i = 0; i < 8; ++i) {
        pixels[i] = (i % 4) < 2 ? 0xFFFF0000 : 0xFF0000FF;
    }
    hge->Texture_Unlock(tex);
    hgeAnimation anim(tex, 2, 1.0f, 0, 0, 2, 2);
    anim.Play();
    anim.Update(1.0f);
    BeginFrame();
    anim.Render(3, 3);
    hge->Gfx_EndScene();
    EXPECT_EQ(Pixel(3, 3), 0xFF0000FFu);
    EXPECT_EQ(Pixel(4, 4), 0xFF0000FFu);
}

TEST_F(AnimationTest, CopiesAreIndependent) {
    hgeAnimation original(hge->Texture_Create(64, 16), 4, 1.0f, 0, 0, 16, 16);
    original.Play();
    hgeAnimation copy(original);
    original.Update(2.0f);
    EXPECT_EQ(original.GetFrame(), 2);
    EXPECT_EQ(copy.GetFrame(), 0);
    copy.Stop();
    original.Update(1.0f);
    EXPECT_EQ(original.GetFrame(), 3);
    EXPECT_TRUE(original.IsPlaying());

    hgeAnimation assigned(hge->Texture_Create(16, 16), 1, 1.0f, 0, 0, 16, 16);
    assigned = original;
    original.SetFrame(0);
    EXPECT_EQ(assigned.GetFrame(), 3);
    EXPECT_EQ(assigned.GetFrames(), 4);
}

}  // namespace
