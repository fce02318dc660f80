// hgeSprite drawn on the offscreen backend, checked on the real pixels.
#include "engine/sprite.h"
#include "offscreen_engine.h"

#include <numbers>

namespace {

constexpr DWORD kRed = 0xFFFF0000;
constexpr DWORD kBlue = 0xFF0000FF;
constexpr DWORD kWhite = 0xFFFFFFFF;

using SpriteTest = OffscreenEngineTest;

TEST_F(SpriteTest, TextureLockGivesRowsOfTheRealWidth) {
    EXPECT_EQ(hge->Texture_Create(0, 4), 0u);
    HTEXTURE tex = hge->Texture_Create(5, 3);
    ASSERT_NE(tex, 0u);
    EXPECT_EQ(hge->Texture_GetWidth(tex, false), 5);
    EXPECT_EQ(hge->Texture_GetHeight(tex), 3);
    DWORD* all = hge->Texture_Lock(tex, true);
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(all[i], 0u) << "a new texture is transparent black";
    }
    hge->Texture_Unlock(tex);
    // A region lock points at the region's first pixel; rows stay 5 apart.
    DWORD* region = hge->Texture_Lock(tex, false, 1, 1, 2, 2);
    region[0] = kRed;
    region[5 + 1] = kBlue;
    hge->Texture_Unlock(tex);
    all = hge->Texture_Lock(tex, true);
    EXPECT_EQ(all[1 * 5 + 1], kRed);
    EXPECT_EQ(all[2 * 5 + 2], kBlue);
    hge->Texture_Unlock(tex);
}

TEST_F(SpriteTest, RenderPlacesTheHotspotAtThePosition) {
    hgeSprite sprite(SolidTexture(4, 4, kRed), 0, 0, 4, 4);
    BeginFrame();
    sprite.Render(10, 6);
    hge->Gfx_EndScene();
    ExpectCovered(10, 6, 14, 10, kRed);

    sprite.SetHotSpot(2, 3);
    BeginFrame();
    sprite.Render(10, 6);
    hge->Gfx_EndScene();
    ExpectCovered(8, 3, 12, 7, kRed);
}

TEST_F(SpriteTest, DrawsOnlyItsTextureRectangle) {
    // Left half red, right half blue; the sprite shows the blue half.
    HTEXTURE tex = hge->Texture_Create(4, 2);
    DWORD* pixels = hge->Texture_Lock(tex, false);
    for (int i = 0; i < 8; ++i) {
        pixels[i] = (i % 4) < 2 ? kRed : kBlue;
    }
    hge->Texture_Unlock(tex);
    hgeSprite sprite(tex, 2, 0, 2, 2);
    BeginFrame();
    sprite.Render(1, 1);
    hge->Gfx_EndScene();
    ExpectCovered(1, 1, 3, 3, kBlue);
}

TEST_F(SpriteTest, ColourMultipliesTheTexture) {
    hgeSprite sprite(SolidTexture(4, 4, kWhite), 0, 0, 4, 4);
    sprite.SetColor(0xFF00FF00);
    BeginFrame();
    sprite.Render(0, 0);
    hge->Gfx_EndScene();
    ExpectCovered(0, 0, 4, 4, 0xFF00FF00);
}

TEST_F(SpriteTest, OneCornerColourTintsThatCorner) {
    hgeSprite sprite(SolidTexture(16, 16, kWhite), 0, 0, 16, 16);
    sprite.SetColor(0xFF000000, 2);  // bottom-right black, fading across the quad
    BeginFrame();
    sprite.Render(0, 0);
    hge->Gfx_EndScene();
    const auto red = [this](int x, int y) { return (Pixel(x, y) >> 16) & 0xFF; };
    EXPECT_GT(red(0, 0), 0xE0u);
    EXPECT_GT(red(12, 2), 0x80u);
    EXPECT_LT(red(12, 12), red(12, 2));
    EXPECT_LT(red(15, 15), 0x20u);
}

TEST_F(SpriteTest, RectanglePastTheTextureEdgeStillDraws) {
    // The part past the edge repeats the edge pixels rather than vanishing.
    hgeSprite sprite(SolidTexture(4, 4, kRed), 2, 2, 6, 5);
    BeginFrame();
    sprite.Render(1, 1);
    hge->Gfx_EndScene();
    ExpectCovered(1, 1, 7, 6, kRed);
}

TEST_F(SpriteTest, UntexturedSpriteIsAPlainQuad) {
    hgeSprite sprite(0, 0, 0, 3, 2);
    sprite.SetColor(kBlue);
    BeginFrame();
    sprite.Render(5, 5);
    hge->Gfx_EndScene();
    ExpectCovered(5, 5, 8, 7, kBlue);
}

TEST_F(SpriteTest, RenderExTurnsClockwiseAboutTheHotspot) {
    // An 8x2 strip, red on the hotspot's side, blue at the far end.
    HTEXTURE tex = hge->Texture_Create(8, 2);
    DWORD* pixels = hge->Texture_Lock(tex, false);
    for (int i = 0; i < 16; ++i) {
        pixels[i] = (i % 8) < 4 ? kRed : kBlue;
    }
    hge->Texture_Unlock(tex);
    hgeSprite sprite(tex, 0, 0, 8, 2);
    BeginFrame();
    // A quarter turn points the strip's x axis down the screen: it covers
    // x 8..10 and y 10..18, red above blue.
    sprite.RenderEx(10, 10, std::numbers::pi_v<float> / 2);
    hge->Gfx_EndScene();
    EXPECT_EQ(Pixel(9, 11), kRed);
    EXPECT_EQ(Pixel(8, 12), kRed);
    EXPECT_EQ(Pixel(9, 15), kBlue);
    EXPECT_EQ(Pixel(8, 16), kBlue);
    EXPECT_EQ(Pixel(11, 12), kBackground);
    EXPECT_EQ(Pixel(6, 12), kBackground);
    EXPECT_EQ(Pixel(9, 19), kBackground);
    EXPECT_EQ(Pixel(12, 9), kBackground) << "not turned the other way";

    // Scaling about the hotspot in the middle: 2x2 at scale 2 covers 4x4.
    hgeSprite square(SolidTexture(2, 2, kRed), 0, 0, 2, 2);
    square.SetHotSpot(1, 1);
    BeginFrame();
    square.RenderEx(10, 10, 0, 2);
    hge->Gfx_EndScene();
    ExpectCovered(8, 8, 12, 12, kRed);
}

TEST_F(SpriteTest, RenderStretchFillsTheRectangle) {
    hgeSprite sprite(SolidTexture(2, 2, kRed), 0, 0, 2, 2);
    BeginFrame();
    sprite.RenderStretch(3, 4, 13, 9);
    hge->Gfx_EndScene();
    ExpectCovered(3, 4, 13, 9, kRed);
}

TEST_F(SpriteTest, ClippingLimitsDrawingUntilSwitchedOff) {
    hgeSprite sprite(SolidTexture(8, 8, kRed), 0, 0, 8, 8);
    BeginFrame();
    hge->Gfx_SetClipping(4, 4, 6, 3);
    sprite.Render(2, 2);
    hge->Gfx_SetClipping();
    hge->Gfx_EndScene();
    ExpectCovered(4, 4, 10, 7, kRed);

    BeginFrame();
    sprite.Render(2, 2);
    hge->Gfx_EndScene();
    ExpectCovered(2, 2, 10, 10, kRed);
}

TEST_F(SpriteTest, CopiesAreIndependent) {
    auto original = std::make_unique<hgeSprite>(SolidTexture(2, 2, kRed), 0, 0, 2, 2);
    hgeSprite copy(*original);
    original->SetColor(kBlue);
    original->SetHotSpot(1, 1);
    original.reset();
    EXPECT_EQ(copy.GetColor(), kWhite);
    float hx = -1, hy = -1;
    copy.GetHotSpot(&hx, &hy);
    EXPECT_EQ(hx, 0);
    EXPECT_EQ(hy, 0);
    BeginFrame();
    copy.Render(0, 0);
    hge->Gfx_EndScene();
    ExpectCovered(0, 0, 2, 2, kRed);
}

}  // namespace
