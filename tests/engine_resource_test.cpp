// Resource paths and loading: the game folder, attached packs first, files
// second, and textures decoded from either.
#include "engine/hge.h"
#include "engine/offscreen/offscreen_backend.h"
#include "engine/pack.h"
#include "temp_folder.h"

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>

namespace {

constexpr const char* kPassword = "test-password";

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

// A 3x2 PNG: top row red, green, blue; bottom row half-transparent white.
std::vector<std::uint8_t> SmallPng() {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 3, 2, 32, SDL_PIXELFORMAT_ARGB8888);
    auto* pixels = static_cast<std::uint32_t*>(surface->pixels);
    const int step = surface->pitch / 4;
    pixels[0] = 0xFFFF0000;
    pixels[1] = 0xFF00FF00;
    pixels[2] = 0xFF0000FF;
    for (int x = 0; x < 3; ++x) {
        pixels[step + x] = 0x80FFFFFF;
    }
    TempFolder folder;
    const std::string path = folder / "small.png";
    IMG_SavePNG(surface, path.c_str());
    SDL_FreeSurface(surface);
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>());
}

class EngineResourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        hge = hgeCreate(HGE_VERSION);
        hge->System_SetStateString(HGE_GAMEDIR, game.Path().string());
    }
    void TearDown() override { hge->Release(); }

    std::string Load(const std::string& name) {
        std::vector<std::uint8_t> out;
        if (!hge->Resource_Load(name, out)) {
            return "<missing>";
        }
        return std::string(out.begin(), out.end());
    }

    TempFolder game;
    HGE* hge = nullptr;
};

TEST_F(EngineResourceTest, MakePathJoinsRelativeNamesToTheGameFolder) {
    EXPECT_EQ(hge->Resource_MakePath("script/config.luac"),
              game.Path().string() + "/script/config.luac");
    EXPECT_EQ(hge->Resource_MakePath("/etc/hostname"), "/etc/hostname");
}

TEST_F(EngineResourceTest, GameFolderDefaultsToTheExecutablesFolder) {
    hge->System_SetStateString(HGE_GAMEDIR, "");
    const std::string path = hge->Resource_MakePath("x");
    EXPECT_EQ(std::filesystem::path(path).parent_path(),
              std::filesystem::read_symlink("/proc/self/exe").parent_path());
}

TEST_F(EngineResourceTest, LoadsFilesFromTheGameFolder) {
    game.Write("res/menu.pak", "texture t tex/t.png\n");
    EXPECT_EQ(Load("res/menu.pak"), "texture t tex/t.png\n");
    EXPECT_EQ(Load(game / "res/menu.pak"), "texture t tex/t.png\n");
    EXPECT_EQ(Load("res/none.pak"), "<missing>");
    EXPECT_EQ(Load("res"), "<missing>") << "a folder is not a resource";
}

TEST_F(EngineResourceTest, AttachedPackComesBeforeTheFolder) {
    std::string error;
    ASSERT_TRUE(WritePack(game / "image.dat", kPassword,
                          {{"tex/a.txt", Bytes("from pack")}, {"res/b.txt", Bytes("pack b")}},
                          error))
        << error;
    game.Write("tex/a.txt", "from folder");
    game.Write("tex/c.txt", "folder only");
    ASSERT_TRUE(hge->Resource_AttachPack(hge->Resource_MakePath("image.dat"), kPassword));
    EXPECT_EQ(Load("tex/a.txt"), "from pack");
    EXPECT_EQ(Load("tex/c.txt"), "folder only");
    // A path inside the game folder finds the pack entry at that place.
    EXPECT_EQ(Load(hge->Resource_MakePath("res/b.txt")), "pack b");
    hge->Resource_RemoveAllPacks();
    EXPECT_EQ(Load("tex/a.txt"), "from folder");
}

TEST_F(EngineResourceTest, PackThatCannotBeOpenedIsReportedAndSkipped) {
    const std::string missing = game / "nothing.dat";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(hge->Resource_AttachPack(missing, kPassword));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(missing), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    game.Write("tex/a.txt", "folder");
    EXPECT_EQ(Load("tex/a.txt"), "folder");
}

TEST_F(EngineResourceTest, TextureLoadDecodesFromPackOrFolder) {
    const std::vector<std::uint8_t> png = SmallPng();
    std::string error;
    ASSERT_TRUE(WritePack(game / "image.dat", kPassword, {{"tex/packed.png", png}}, error))
        << error;
    ASSERT_TRUE(hge->Resource_AttachPack(game / "image.dat", kPassword));
    game.Write("tex/loose.png", std::string(png.begin(), png.end()));
    hge->System_SetStateInt(HGE_SCREENWIDTH, 4);
    hge->System_SetStateInt(HGE_SCREENHEIGHT, 4);
    hge->System_SetBackend(std::make_unique<OffscreenBackend>());
    ASSERT_TRUE(hge->System_Initiate());

    for (const char* name : {"tex/packed.png", "tex/loose.png"}) {
        SCOPED_TRACE(name);
        const HTEXTURE tex = hge->Texture_Load(name);
        ASSERT_NE(tex, 0u);
        EXPECT_EQ(hge->Texture_GetWidth(tex), 3);
        EXPECT_EQ(hge->Texture_GetHeight(tex), 2);
        const DWORD* pixels = hge->Texture_Lock(tex);
        EXPECT_EQ(pixels[0], 0xFFFF0000u);
        EXPECT_EQ(pixels[1], 0xFF00FF00u);
        EXPECT_EQ(pixels[2], 0xFF0000FFu);
        EXPECT_EQ(pixels[3 + 1], 0x80FFFFFFu);
        hge->Texture_Unlock(tex);
        hge->Texture_Free(tex);
        EXPECT_EQ(hge->Texture_GetWidth(tex), 0) << "freed";
    }

    game.Write("tex/broken.png", "not a png");
    for (const char* name : {"tex/broken.png", "tex/absent.png"}) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(hge->Texture_Load(name), 0u);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find(name), std::string::npos) << err;
    }
    hge->System_Shutdown();
}

TEST_F(EngineResourceTest, IconThatCannotBeLoadedIsReportedAndTheEngineStarts) {
    hge->System_SetStateString(HGE_ICON, "tex/no_icon.png");
    hge->System_SetStateInt(HGE_SCREENWIDTH, 4);
    hge->System_SetStateInt(HGE_SCREENHEIGHT, 4);
    hge->System_SetBackend(std::make_unique<OffscreenBackend>());
    testing::internal::CaptureStderr();
    EXPECT_TRUE(hge->System_Initiate());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("tex/no_icon.png"), std::string::npos) << err;
    hge->System_Shutdown();
}

}  // namespace
