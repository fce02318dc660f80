// A loaded PNG is decoded when first drawn or locked, and lets its CPU copy
// go once the renderer has the pixels: locking reads the file again, a
// written texture keeps what was written, a restarted renderer still draws
// the picture, and a file found broken late draws as no texture.
#include "engine/hge.h"
#include "engine/offscreen/offscreen_backend.h"
#include "temp_folder.h"

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>

namespace {

constexpr DWORD kLeft = 0xFFFF0000;
constexpr DWORD kRight = 0xFF0000FF;
constexpr DWORD kWritten = 0xFF00FF00;

class TextureCopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        // tex/two.png: 2×1, red then blue.
        SDL_Surface* surface =
            SDL_CreateRGBSurfaceWithFormat(0, 2, 1, 32, SDL_PIXELFORMAT_ARGB8888);
        auto* pixels = static_cast<DWORD*>(surface->pixels);
        pixels[0] = kLeft;
        pixels[1] = kRight;
        game.Write("tex/two.png", "");
        ASSERT_EQ(IMG_SavePNG(surface, (game / "tex/two.png").c_str()), 0);
        SDL_FreeSurface(surface);

        hge = hgeCreate(HGE_VERSION);
        hge->System_SetStateString(HGE_GAMEDIR, game.Path().string());
        hge->System_SetStateInt(HGE_SCREENWIDTH, 2);
        hge->System_SetStateInt(HGE_SCREENHEIGHT, 1);
        auto offscreen = std::make_unique<OffscreenBackend>();
        backend = offscreen.get();
        hge->System_SetBackend(std::move(offscreen));
        ASSERT_TRUE(hge->System_Initiate());
    }
    void TearDown() override {
        hge->System_Shutdown();
        hge->Release();
    }

    // Draws the whole texture over the 2×1 screen and reads it back.
    std::pair<DWORD, DWORD> Drawn(HTEXTURE tex) {
        EXPECT_TRUE(hge->Gfx_BeginScene());
        hge->Gfx_Clear(0xFF000000);
        hgeQuad quad;
        quad.tex = tex;
        const float corners[4][2] = {{0, 0}, {2, 0}, {2, 1}, {0, 1}};
        for (int i = 0; i < 4; ++i) {
            quad.v[i].x = corners[i][0];
            quad.v[i].y = corners[i][1];
            quad.v[i].tx = corners[i][0] / 2;
            quad.v[i].ty = corners[i][1];
        }
        hge->Gfx_RenderQuad(&quad);
        hge->Gfx_EndScene();
        const auto* row = static_cast<const DWORD*>(backend->Surface()->pixels);
        return {row[0], row[1]};
    }

    TempFolder game;
    HGE* hge = nullptr;
    OffscreenBackend* backend = nullptr;
};

TEST_F(TextureCopyTest, LockReadsTheFileAgainAndDrawingStillWorks) {
    const HTEXTURE tex = hge->Texture_Load("tex/two.png");
    ASSERT_NE(tex, 0u);
    EXPECT_EQ(Drawn(tex), std::make_pair(kLeft, kRight));
    const DWORD* pixels = hge->Texture_Lock(tex, true);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(pixels[0], kLeft);
    EXPECT_EQ(pixels[1], kRight);
    hge->Texture_Unlock(tex);
    EXPECT_EQ(Drawn(tex), std::make_pair(kLeft, kRight));
}

TEST_F(TextureCopyTest, WrittenTextureKeepsWhatWasWrittenNotItsFile) {
    const HTEXTURE tex = hge->Texture_Load("tex/two.png");
    ASSERT_NE(tex, 0u);
    DWORD* pixels = hge->Texture_Lock(tex, false);
    ASSERT_NE(pixels, nullptr);
    pixels[0] = kWritten;
    hge->Texture_Unlock(tex);
    EXPECT_EQ(Drawn(tex), std::make_pair(kWritten, kRight));
    const DWORD* again = hge->Texture_Lock(tex, true);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again[0], kWritten);
    hge->Texture_Unlock(tex);

    // A restart of the renderer uploads the written copy, not the file.
    hge->System_Shutdown();
    ASSERT_TRUE(hge->System_Initiate());
    EXPECT_EQ(Drawn(tex), std::make_pair(kWritten, kRight));
}

TEST_F(TextureCopyTest, RestartedRendererReadsTheFileForALoadedTexture) {
    const HTEXTURE tex = hge->Texture_Load("tex/two.png");
    ASSERT_NE(tex, 0u);
    hge->System_Shutdown();
    ASSERT_TRUE(hge->System_Initiate());
    EXPECT_EQ(Drawn(tex), std::make_pair(kLeft, kRight));
}

TEST_F(TextureCopyTest, FileGoneAfterTheFirstDrawMakesTheLockFailWithAMessage) {
    const HTEXTURE tex = hge->Texture_Load("tex/two.png");
    ASSERT_NE(tex, 0u);
    EXPECT_EQ(Drawn(tex), std::make_pair(kLeft, kRight));
    std::filesystem::remove(game / "tex/two.png");
    testing::internal::CaptureStderr();
    EXPECT_EQ(hge->Texture_Lock(tex, true), nullptr);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("tex/two.png"), std::string::npos) << err;
    // The renderer's copy still draws.
    EXPECT_EQ(Drawn(tex), std::make_pair(kLeft, kRight));
}

// The size comes from the header at the load; the file's bytes are kept, so
// the first draw needs the file no more.
TEST_F(TextureCopyTest, LoadKeepsTheBytesAndTheFirstDrawDecodesThem) {
    const HTEXTURE tex = hge->Texture_Load("tex/two.png");
    ASSERT_NE(tex, 0u);
    EXPECT_EQ(hge->Texture_GetWidth(tex), 2);
    EXPECT_EQ(hge->Texture_GetHeight(tex), 1);
    std::filesystem::remove(game / "tex/two.png");
    EXPECT_EQ(Drawn(tex), std::make_pair(kLeft, kRight));
}

// Locked before it was ever drawn, then drawn while still locked: the lock's
// pixels stay valid.
TEST_F(TextureCopyTest, FirstDrawWhileLockedKeepsTheLockedPixels) {
    const HTEXTURE tex = hge->Texture_Load("tex/two.png");
    ASSERT_NE(tex, 0u);
    const DWORD* pixels = hge->Texture_Lock(tex, true);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(Drawn(tex), std::make_pair(kLeft, kRight));
    EXPECT_EQ(pixels[0], kLeft);
    EXPECT_EQ(pixels[1], kRight);
    hge->Texture_Unlock(tex);
    EXPECT_EQ(Drawn(tex), std::make_pair(kLeft, kRight));
}

// A PNG whose header is sound but whose pixels are missing loads, then says
// so once when first needed and from then on is a texture that failed to
// load: no size, no lock, drawn as no texture.
TEST_F(TextureCopyTest, FileBrokenPastItsHeaderFailsOnceWhenFirstNeeded) {
    std::ifstream in(game / "tex/two.png", std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // The signature and the IHDR chunk, nothing after.
    game.Write("tex/cut.png", bytes.substr(0, 8 + 25));

    for (bool drawFirst : {true, false}) {
        SCOPED_TRACE(drawFirst ? "drawn first" : "locked first");
        const HTEXTURE tex = hge->Texture_Load("tex/cut.png");
        ASSERT_NE(tex, 0u);
        EXPECT_EQ(hge->Texture_GetWidth(tex), 2);
        testing::internal::CaptureStderr();
        if (drawFirst) {
            EXPECT_EQ(Drawn(tex), Drawn(0));
        } else {
            EXPECT_EQ(hge->Texture_Lock(tex, true), nullptr);
        }
        std::string err = testing::internal::GetCapturedStderr();
        // libpng may add its own line; the engine's is one, naming the file.
        EXPECT_NE(err.find("tex/cut.png: "), std::string::npos) << err;
        EXPECT_EQ(err.find("tex/cut.png: "), err.rfind("tex/cut.png")) << err;

        testing::internal::CaptureStderr();
        EXPECT_EQ(Drawn(tex), Drawn(0));
        EXPECT_EQ(hge->Texture_Lock(tex, true), nullptr);
        EXPECT_EQ(Drawn(tex), Drawn(0));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(hge->Texture_GetWidth(tex), 0);
        EXPECT_EQ(hge->Texture_GetHeight(tex), 0);
        hge->Texture_Free(tex);
    }
}

}  // namespace
