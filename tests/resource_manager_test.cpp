// The resource manager on the offscreen engine: scripts and textures from
// the pack or the game folder, objects by name, problems on stderr.
#include "engine/resource_manager.h"
#include "engine/pack.h"
#include "offscreen_engine.h"
#include "temp_folder.h"

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

constexpr const char* kPassword = "test-password";
constexpr DWORD kRed = 0xFFFF0000;
constexpr DWORD kBlue = 0xFF0000FF;

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

// A 64x32 PNG: the left half red, the right half blue.
std::vector<std::uint8_t> SheetPng(const TempFolder& folder) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 64, 32, 32, SDL_PIXELFORMAT_ARGB8888);
    for (int y = 0; y < 32; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface->pixels) +
                                                     y * surface->pitch);
        for (int x = 0; x < 64; ++x) {
            row[x] = x < 32 ? kRed : kBlue;
        }
    }
    const std::string path = folder / "sheet-source.png";
    IMG_SavePNG(surface, path.c_str());
    SDL_FreeSurface(surface);
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>());
}

struct Rect {
    float x, y, w, h;
    bool operator==(const Rect&) const = default;
};

Rect TextureRect(const hgeSprite& sprite) {
    Rect r{};
    sprite.GetTextureRect(&r.x, &r.y, &r.w, &r.h);
    return r;
}

class ResourceManagerTest : public OffscreenEngineTest {
protected:
    void SetUp() override {
        OffscreenEngineTest::SetUp();
        hge->System_SetStateString(HGE_GAMEDIR, game.Path().string());
        sheet = SheetPng(scratch);
    }
    void TearDown() override {
        hge->Resource_RemoveAllPacks();
        OffscreenEngineTest::TearDown();
    }

    void AttachPack(const std::vector<PackEntry>& entries) {
        std::string error;
        ASSERT_TRUE(WritePack(game / "image.dat", kPassword, entries, error)) << error;
        ASSERT_TRUE(hge->Resource_AttachPack(game / "image.dat", kPassword));
    }

    TempFolder game, scratch;
    std::vector<std::uint8_t> sheet;
};

TEST_F(ResourceManagerTest, BuildsSpritesAndAnimationsByName) {
    AttachPack({{"tex/sheet.png", sheet},
                {"res/menu.pak", Bytes("texture sheet tex/sheet.png\n"
                                       "sprite logo sheet 8 4 40 20 hotspot 20 10 color 80FFFFFF "
                                       "blend add\n"
                                       "animation spin sheet 32 0 16 16 4 10 reverse once\n"
                                       "animation bad sheet 0 0 16 16 0 1\n"
                                       "animation logo sheet 0 16 8 8 2 5 pingpong\n")}});
    testing::internal::CaptureStderr();
    auto manager = std::make_unique<hgeResourceManager>(hge->Resource_MakePath("res/menu.pak"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "res/menu.pak:4: animation 'bad': frame count must be a whole number from 1 to "
              "4096, not '0'\n");

    HTEXTURE tex = manager->GetTexture("sheet");
    ASSERT_NE(tex, 0u);
    EXPECT_EQ(hge->Texture_GetWidth(tex), 64);
    EXPECT_EQ(hge->Texture_GetHeight(tex), 32);

    hgeSprite* logo = manager->GetSprite("logo");
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(manager->GetSprite("logo"), logo);
    EXPECT_EQ(logo->GetTexture(), tex);
    EXPECT_EQ(TextureRect(*logo), (Rect{8, 4, 40, 20}));
    float hx = 0, hy = 0;
    logo->GetHotSpot(&hx, &hy);
    EXPECT_EQ(hx, 20);
    EXPECT_EQ(hy, 10);
    EXPECT_EQ(logo->GetColor(), 0x80FFFFFFu);
    EXPECT_EQ(logo->GetBlendMode(), BLEND_COLORMUL | BLEND_ALPHAADD);

    // Frames run right from x = 32 and wrap to x = 0 one frame lower; reversed,
    // the animation starts on its last frame.
    hgeAnimation* spin = manager->GetAnimation("spin");
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->GetTexture(), tex);
    EXPECT_EQ(spin->GetFrames(), 4);
    EXPECT_EQ(spin->GetSpeed(), 10);
    EXPECT_EQ(spin->GetMode(), HGEANIM_REV | HGEANIM_NOLOOP);
    EXPECT_EQ(TextureRect(*spin), (Rect{16, 16, 16, 16}));
    spin->SetFrame(1);
    EXPECT_EQ(TextureRect(*spin), (Rect{48, 0, 16, 16}));

    // A sprite and an animation may share a name; each kind has its own.
    hgeAnimation* logoAnim = manager->GetAnimation("logo");
    ASSERT_NE(logoAnim, nullptr);
    EXPECT_EQ(logoAnim->GetMode(), HGEANIM_FWD | HGEANIM_LOOP | HGEANIM_PINGPONG);
    EXPECT_EQ(logoAnim->GetColor(), 0xFFFFFFFFu);
    EXPECT_EQ(logoAnim->GetBlendMode(), BLEND_DEFAULT);

    EXPECT_EQ(manager->GetSprite("spin"), nullptr);
    EXPECT_EQ(manager->GetAnimation("bad"), nullptr);
    EXPECT_EQ(manager->GetAnimation("nothing"), nullptr);
    EXPECT_EQ(manager->GetSprite(""), nullptr);
    EXPECT_EQ(manager->GetTexture("logo"), 0u);

    // The texture belongs to the manager and goes with it.
    manager.reset();
    EXPECT_EQ(hge->Texture_GetWidth(tex), 0);
}

TEST_F(ResourceManagerTest, DrawsTheTexturePixelsItNames) {
    AttachPack({{"tex/sheet.png", sheet},
                {"res/draw.pak", Bytes("texture sheet tex/sheet.png\n"
                                       "sprite blue sheet 40 8 8 8 hotspot 4 4\n")}});
    hgeResourceManager manager("res/draw.pak");
    hgeSprite* blue = manager.GetSprite("blue");
    ASSERT_NE(blue, nullptr);
    BeginFrame();
    hgeSprite copy(*blue);
    copy.Render(10, 10);
    hge->Gfx_EndScene();
    EXPECT_EQ(Pixel(6, 6), kBlue);
    EXPECT_EQ(Pixel(13, 13), kBlue);
    EXPECT_EQ(Pixel(5, 5), kBackground);
    EXPECT_EQ(Pixel(14, 14), kBackground);
}

// The pack wins over the game folder, for scripts and textures alike; what
// the pack lacks comes from the folder.
TEST_F(ResourceManagerTest, PackFirstThenGameFolder) {
    AttachPack({{"tex/sheet.png", sheet},
                {"res/both.pak", Bytes("texture sheet tex/sheet.png\n"
                                       "sprite s sheet 0 0 10 10\n")}});
    game.Write("res/both.pak", "texture sheet tex/sheet.png\nsprite s sheet 0 0 20 20\n");
    game.Write("res/loose.pak", "texture sheet tex/sheet.png\nsprite s sheet 0 0 30 30\n");
    game.Write("tex/sheet.png", "not a png: the pack's copy must win");

    hgeResourceManager both(hge->Resource_MakePath("res/both.pak"));
    ASSERT_NE(both.GetSprite("s"), nullptr);
    EXPECT_EQ(both.GetSprite("s")->GetWidth(), 10);

    hgeResourceManager loose(hge->Resource_MakePath("res/loose.pak"));
    ASSERT_NE(loose.GetSprite("s"), nullptr);
    EXPECT_EQ(loose.GetSprite("s")->GetWidth(), 30);
    EXPECT_EQ(hge->Texture_GetWidth(loose.GetTexture("sheet")), 64);

    // Without the pack, only the folder's files are there.
    hge->Resource_RemoveAllPacks();
    hgeResourceManager folderOnly(hge->Resource_MakePath("res/both.pak"));
    testing::internal::CaptureStderr();
    ASSERT_NE(folderOnly.GetSprite("s"), nullptr);
    std::string message = testing::internal::GetCapturedStderr();
    EXPECT_EQ(folderOnly.GetSprite("s")->GetWidth(), 20);
    EXPECT_NE(message.find("res/both.pak:1: texture 'sheet': cannot load 'tex/sheet.png'"),
              std::string::npos)
        << message;
}

// What cannot be loaded is named on stderr; what can still be built is.
TEST_F(ResourceManagerTest, ReportsMissingScriptsTexturesAndStrayFrames) {
    AttachPack({{"tex/sheet.png", sheet}});
    game.Write("res/odd.pak",
               "texture gone tex/absent.png\n"
               "texture sheet tex/sheet.png\n"
               "sprite ghost gone 0 0 8 8\n"
               "animation long sheet 32 0 16 16 7 1\n"
               "sprite wide sheet 60 0 8 8\n"
               "animation fits sheet 32 0 16 16 6 1\n");

    testing::internal::CaptureStderr();
    hgeResourceManager missing(hge->Resource_MakePath("res/none.pak"));
    std::string message = testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find("res/none.pak"), std::string::npos) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    EXPECT_EQ(missing.GetSprite("ghost"), nullptr);

    hgeResourceManager odd(hge->Resource_MakePath("res/odd.pak"));
    testing::internal::CaptureStderr();
    hgeSprite* ghost = odd.GetSprite("ghost");
    message = testing::internal::GetCapturedStderr();
    ASSERT_NE(ghost, nullptr);
    EXPECT_EQ(ghost->GetTexture(), 0u);
    EXPECT_NE(message.find("res/odd.pak:1: texture 'gone': cannot load 'tex/absent.png'"),
              std::string::npos)
        << message;

    testing::internal::CaptureStderr();
    EXPECT_NE(odd.GetAnimation("long"), nullptr);
    EXPECT_NE(odd.GetSprite("wide"), nullptr);
    EXPECT_NE(odd.GetAnimation("fits"), nullptr);
    message = testing::internal::GetCapturedStderr();
    EXPECT_EQ(message,
              "res/odd.pak:4: animation 'long': frame 7 of 7 at 0,32 size 16x16 lies outside "
              "texture 'sheet' (64x32)\n"
              "res/odd.pak:5: sprite 'wide' at 60,0 size 8x8 lies outside texture 'sheet' "
              "(64x32)\n");
}

}  // namespace
