// An offscreen engine with hand-made block templates: colour c draws as a
// solid 8×8 square of kColourPixel[c - 1]; Normal loops over 4 frames, Hit
// and Remove play 3 frames once, the bomb 2 frames once, all at 10 frames a
// second.
#pragma once

#include "board/block_animations.h"
#include "offscreen_engine.h"

class BlockFixture : public OffscreenEngineTest {
protected:
    static constexpr int kSize = 8;
    static constexpr DWORD kColourPixel[kBlockColours] = {
        0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00, 0xFF00FFFF, 0xFFFF00FF, 0xFF808080};
    static constexpr DWORD kBombPixel = 0xFFFFFFFF;

    void SetUp() override {
        OffscreenEngineTest::SetUp();
        for (int c = 1; c <= kBlockColours; ++c) {
            const HTEXTURE tex = SolidTexture(4 * kSize, kSize, kColourPixel[c - 1]);
            blocks.normal[c - 1] = Make(tex, 4, HGEANIM_FWD | HGEANIM_LOOP);
            blocks.hit[c - 1] = Make(tex, 3, HGEANIM_FWD | HGEANIM_NOLOOP);
            blocks.remove[c - 1] = Make(tex, 3, HGEANIM_FWD | HGEANIM_NOLOOP);
        }
        blocks.bomb =
            Make(SolidTexture(2 * kSize, kSize, kBombPixel), 2, HGEANIM_FWD | HGEANIM_NOLOOP);
        blocks.fallSpeed = 100.0f;
        blocks.acceleration = 1000.0f;
    }
    void TearDown() override {
        blocks = BlockAnimations{};
        OffscreenEngineTest::TearDown();
    }

    static std::unique_ptr<hgeAnimation> Make(HTEXTURE tex, int frames, int mode) {
        auto animation = std::make_unique<hgeAnimation>(
            tex, frames, 10.0f, 0.0f, 0.0f, static_cast<float>(kSize), static_cast<float>(kSize));
        animation->SetMode(mode);
        return animation;
    }

    BlockAnimations blocks;
};
