// A fresh engine on the offscreen backend for one test, with helpers to
// draw and read back pixels.
#pragma once

#include "engine/hge.h"
#include "engine/offscreen/offscreen_backend.h"

#include <gtest/gtest.h>

#include <memory>

class OffscreenEngineTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 32;
    static constexpr int kHeight = 24;
    static constexpr DWORD kBackground = 0xFF000000;

    void SetUp() override {
        hge = hgeCreate(HGE_VERSION);
        auto offscreen = std::make_unique<OffscreenBackend>();
        backend = offscreen.get();
        hge->System_SetStateInt(HGE_SCREENWIDTH, kWidth);
        hge->System_SetStateInt(HGE_SCREENHEIGHT, kHeight);
        hge->System_SetBackend(std::move(offscreen));
        ASSERT_EQ(hge->System_GetBackend(), backend)
            << "an engine reference leaked from an earlier test";
        ASSERT_TRUE(hge->System_Initiate()) << hge->System_GetErrorMessage();
    }
    void TearDown() override {
        hge->System_Shutdown();
        hge->Release();
    }

    // A texture of the given size with every pixel set to color.
    HTEXTURE SolidTexture(int w, int h, DWORD color) {
        HTEXTURE tex = hge->Texture_Create(w, h);
        DWORD* pixels = hge->Texture_Lock(tex, false);
        for (int i = 0; i < w * h; ++i) {
            pixels[i] = color;
        }
        hge->Texture_Unlock(tex);
        return tex;
    }
    void BeginFrame() {
        ASSERT_TRUE(hge->Gfx_BeginScene());
        hge->Gfx_Clear(kBackground);
    }
    DWORD Pixel(int x, int y) {
        SDL_Surface* surface = backend->Surface();
        const auto* row = static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch;
        return reinterpret_cast<const DWORD*>(row)[x];
    }

    // The picture shows color on [x1, x2) by [y1, y2) and background
    // everywhere else.
    void ExpectCovered(int x1, int y1, int x2, int y2, DWORD color) {
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const bool inside = x >= x1 && x < x2 && y >= y1 && y < y2;
                ASSERT_EQ(Pixel(x, y), inside ? color : kBackground) << "at " << x << "," << y;
            }
        }
    }

    HGE* hge = nullptr;
    OffscreenBackend* backend = nullptr;
};
