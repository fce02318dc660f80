// Draws every sprite and every animation frame of the game's resource
// scripts into one PNG, through the game's own resource manager on the
// offscreen backend, so the art can be judged at a glance.
//
//   bubblehive-contactsheet --game-dir DIR --output FILE.png [--pack NAME.pak]
//                           [--max-tile PIXELS]
//
// Packs are taken in name order, each under a thin amber band; within a pack
// the entries follow their order in the script, an animation's frames side
// by side. Pictures wider than 400 pixels (or --max-tile) are drawn scaled
// down to that width.
// The sheet's map (pack and entry to y range) is printed on stdout.
#include "app/pack_password.h"
#include "engine/hge.h"
#include "engine/offscreen/offscreen_backend.h"
#include "engine/resource_manager.h"
#include "engine/resource_script.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kSheetWidth = 1600;
constexpr int kMargin = 8;
constexpr int kFrameGap = 4;
constexpr int kEntryGap = 16;
constexpr int kBandHeight = 6;
constexpr int kChecker = 12;
constexpr DWORD kCheckerDark = 0xFF262A30;
constexpr DWORD kCheckerLight = 0xFF343942;
constexpr DWORD kBandColor = 0xFFE0A030;

// One picture on the sheet: a sprite, or one frame of an animation.
struct Tile {
    int entry = 0;  // index into the pack's definitions
    int frame = 0;
    float scale = 1.0f;
    int x = 0, y = 0, w = 0, h = 0;
};

struct PackSheet {
    std::string name;  // res/NAME.pak
    std::vector<ResourceDef> defs;
    int bandY = 0;
    std::vector<Tile> tiles;
    int bottom = 0;
};

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Places the pack's tiles from y downwards, pictures wider than maxTile
// scaled down to it; returns the y below them.
int LayOut(PackSheet& pack, int y, float maxTile) {
    pack.bandY = y;
    y += kBandHeight + kMargin;
    int x = kMargin;
    int rowHeight = 0;
    for (int i = 0; i < static_cast<int>(pack.defs.size()); ++i) {
        const ResourceDef& def = pack.defs[i];
        if (def.kind == ResourceDef::Kind::Texture) {
            continue;
        }
        const float scale = def.w > maxTile ? maxTile / def.w : 1.0f;
        const int w = std::max(1, static_cast<int>(def.w * scale));
        const int h = std::max(1, static_cast<int>(def.h * scale));
        const int frames = def.kind == ResourceDef::Kind::Animation ? def.frames : 1;
        if (x > kMargin) {
            x += kEntryGap - kFrameGap;
        }
        for (int f = 0; f < frames; ++f) {
            if (x + w > kSheetWidth - kMargin && x > kMargin) {
                x = kMargin;
                y += rowHeight + kFrameGap;
                rowHeight = 0;
            }
            pack.tiles.push_back({i, f, scale, x, y, w, h});
            x += w + kFrameGap;
            rowHeight = std::max(rowHeight, h);
        }
    }
    pack.bottom = y + rowHeight;
    return pack.bottom + kMargin;
}

void DrawChecker(int width, int height) {
    hgeSprite square(0, 0, 0, kChecker, kChecker);
    for (int y = 0; y < height; y += kChecker) {
        for (int x = 0; x < width; x += kChecker) {
            square.SetColor(((x + y) / kChecker) % 2 == 0 ? kCheckerDark : kCheckerLight);
            square.Render(static_cast<float>(x), static_cast<float>(y));
        }
    }
}

// The manager is kept by the caller until the picture is saved.
std::unique_ptr<hgeResourceManager> DrawPack(HGE& hge, PackSheet& pack) {
    hgeSprite band(0, 0, 0, kSheetWidth, kBandHeight);
    band.SetColor(kBandColor);
    band.Render(0, static_cast<float>(pack.bandY));

    auto manager = std::make_unique<hgeResourceManager>(hge.Resource_MakePath("res/" + pack.name));
    for (const Tile& tile : pack.tiles) {
        const ResourceDef& def = pack.defs[tile.entry];
        std::unique_ptr<hgeSprite> picture;
        if (def.kind == ResourceDef::Kind::Animation) {
            if (hgeAnimation* animation = manager->GetAnimation(def.name)) {
                auto copy = std::make_unique<hgeAnimation>(*animation);
                copy->SetFrame(tile.frame);
                picture = std::move(copy);
            }
        } else if (hgeSprite* sprite = manager->GetSprite(def.name)) {
            picture = std::make_unique<hgeSprite>(*sprite);
        }
        if (!picture) {
            std::fprintf(stderr, "%s: `%s` did not load\n", pack.name.c_str(), def.name.c_str());
            continue;
        }
        float hotX = 0, hotY = 0;
        picture->GetHotSpot(&hotX, &hotY);
        picture->RenderEx(tile.x + hotX * tile.scale, tile.y + hotY * tile.scale, 0, tile.scale);
    }
    return manager;
}

void PrintMap(const PackSheet& pack) {
    std::printf("%-16s y %5d..%d\n", pack.name.c_str(), pack.bandY, pack.bottom);
    int last = -1;
    for (const Tile& tile : pack.tiles) {
        if (tile.entry != last) {
            const ResourceDef& def = pack.defs[tile.entry];
            std::printf("    %-20s at (%d, %d)%s\n", def.name.c_str(), tile.x, tile.y,
                        tile.scale < 1.0f ? ", scaled down" : "");
            last = tile.entry;
        }
    }
}

int Usage() {
    std::fprintf(stderr,
                 "usage: bubblehive-contactsheet --game-dir DIR --output FILE.png "
                 "[--pack NAME.pak] [--max-tile PIXELS]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string gameDir;
    std::string output;
    std::string onlyPack;
    float maxTile = 400.0f;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--game-dir") {
            gameDir = argv[i + 1];
        } else if (option == "--output") {
            output = argv[i + 1];
        } else if (option == "--pack") {
            onlyPack = argv[i + 1];
        } else if (option == "--max-tile") {
            char* end = nullptr;
            maxTile = std::strtof(argv[i + 1], &end);
            if (*end != 0 || maxTile < 16.0f || maxTile > kSheetWidth - 2 * kMargin) {
                return Usage();
            }
        } else {
            return Usage();
        }
    }
    if (gameDir.empty() || output.empty() || argc % 2 == 0) {
        return Usage();
    }

    std::vector<PackSheet> packs;
    std::error_code ec;
    for (const auto& file : fs::directory_iterator(fs::path(gameDir) / "res", ec)) {
        if (file.path().extension() == ".pak" &&
            (onlyPack.empty() || file.path().filename() == onlyPack)) {
            PackSheet pack;
            pack.name = file.path().filename().string();
            pack.defs = ParseResourceScript(ReadText(file.path()), pack.name, std::cerr);
            packs.push_back(std::move(pack));
        }
    }
    if (packs.empty()) {
        std::fprintf(stderr, "%s/res: no resource scripts\n", gameDir.c_str());
        return 1;
    }
    std::sort(packs.begin(), packs.end(),
              [](const PackSheet& a, const PackSheet& b) { return a.name < b.name; });
    int height = kMargin;
    for (PackSheet& pack : packs) {
        height = LayOut(pack, height, maxTile);
    }

    HGE* hge = hgeCreate(HGE_VERSION);
    auto backend = std::make_unique<OffscreenBackend>();
    OffscreenBackend& offscreen = *backend;
    hge->System_SetBackend(std::move(backend));
    hge->System_SetStateString(HGE_GAMEDIR, gameDir);
    hge->System_SetStateInt(HGE_SCREENWIDTH, kSheetWidth);
    hge->System_SetStateInt(HGE_SCREENHEIGHT, height);
    int status = 1;
    if (hge->System_Initiate()) {
        hge->Resource_AttachPack(hge->Resource_MakePath("image.dat"), kPackPassword);
        hge->Gfx_BeginScene();
        hge->Gfx_Clear(kCheckerDark);
        DrawChecker(kSheetWidth, height);
        std::vector<std::unique_ptr<hgeResourceManager>> managers;
        for (PackSheet& pack : packs) {
            managers.push_back(DrawPack(*hge, pack));
            PrintMap(pack);
        }
        hge->Gfx_EndScene();
        status = offscreen.SavePng(output) ? 0 : 1;
        if (status == 0) {
            std::printf("%s: %d x %d\n", output.c_str(), kSheetWidth, height);
        }
        managers.clear();
    } else {
        std::fprintf(stderr, "cannot start the engine: %s\n",
                     hge->System_GetErrorMessage().c_str());
    }
    hge->System_Shutdown();
    hge->Release();
    return status;
}
