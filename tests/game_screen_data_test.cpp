// The data of the game screen against the game's needs and the drawn
// background: every picture is an animation that loops or ends as the game
// needs, the animals and digits sit where the background has room for them,
// the pause picture and banners are centred on the field, and the grid of
// block_config.lua is the one the field frame was drawn around.
#include "app/lua_globals.h"
#include "artgen/game_layout.h"
#include "engine/resource_script.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace layout = artgen::game;

const std::string kData = std::string(BUBBLEHIVE_SOURCE_DIR) + "/data/";

enum class Play { Any, Loop, Once };

struct Picture {
    const char* key;  // the layout script's name key
    Play play;
    int frames;  // 0: any number
};

struct Screen {
    const char* script;
    const char* pack;
    std::vector<Picture> pictures;
};

std::vector<Picture> BlockPictures() {
    std::vector<Picture> pictures;
    static const char* const kKeys[] = {
        "block_normal1", "block_normal2", "block_normal3", "block_normal4", "block_normal5",
        "block_normal6", "block_normal7", "block_hit1",    "block_hit2",    "block_hit3",
        "block_hit4",    "block_hit5",    "block_hit6",    "block_hit7",    "block_remove1",
        "block_remove2", "block_remove3", "block_remove4", "block_remove5", "block_remove6",
        "block_remove7"};
    for (int i = 0; i < 21; ++i) {
        // The normal look loops; a hit must end to give the block back its
        // normal look, a removal to leave the effect list.
        pictures.push_back({kKeys[i], i < 7 ? Play::Loop : Play::Once, 0});
    }
    pictures.push_back({"bombanima", Play::Once, 0});
    return pictures;
}

const std::vector<Screen>& Screens() {
    static const std::vector<Screen> screens = {
        {"block_anima", "block", BlockPictures()},
        {"block_shoot", "block_shoot", {{"shoot_name", Play::Any, 0}}},
        {"block_aim", "aim", {{"block_aim", Play::Any, 0}}},
        {"props_anima",
         "props",
         {{"props_slow", Play::Any, 0},
          {"props_fast", Play::Any, 0},
          {"props_aim", Play::Any, 0},
          {"props_infection", Play::Any, 0},
          {"props_star", Play::Any, 0},
          {"props_bomb", Play::Any, 0},
          {"props_bomb1", Play::Any, 0}}},
        {"game_back",
         "game_back",
         {{"back", Play::Any, 0},
          {"back1", Play::Any, 0},
          {"number", Play::Any, 10},
          {"number1", Play::Any, 10},
          {"lostfocus", Play::Any, 0},
          {"animal1", Play::Loop, 0},
          {"animal2", Play::Loop, 0},
          {"animal3", Play::Loop, 0},
          {"animal4", Play::Loop, 0}}},
        // A banner that looped would never hand over to the next state.
        {"game_state",
         "game_state",
         {{"start_name", Play::Once, 0},
          {"pass_name", Play::Once, 0},
          {"fail_name", Play::Once, 0}}},
    };
    return screens;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The resource script's entries by kind and name; parse errors fail the test.
struct Pack {
    std::map<std::string, ResourceDef> textures, animations;
};

Pack LoadPack(const std::string& name) {
    std::ostringstream errors;
    std::string file = "res/" + name + ".pak";
    std::vector<ResourceDef> defs = ParseResourceScript(ReadText(kData + file), file, errors);
    EXPECT_EQ(errors.str(), "");
    Pack pack;
    for (const ResourceDef& def : defs) {
        if (def.kind == ResourceDef::Kind::Texture) {
            pack.textures[def.name] = def;
        } else {
            EXPECT_EQ(def.kind, ResourceDef::Kind::Animation)
                << file << ": " << def.name << " is read as an animation by the game";
            pack.animations[def.name] = def;
        }
    }
    return pack;
}

class GameScreenDataTest : public testing::Test {
protected:
    double Number(LuaGlobals& script, const char* key) {
        std::optional<double> value = script.Number(key);
        EXPECT_TRUE(value.has_value()) << key;
        return value.value_or(0);
    }
    void Run(LuaGlobals& script, const std::string& stem) {
        std::string error;
        ASSERT_EQ(script.RunFile(kData + "script/" + stem + ".lua", error), LuaGlobals::Result::Ran)
            << error;
    }
};

TEST_F(GameScreenDataTest, PicturesAreAnimationsThatLoopOrEndAsTheGameNeeds) {
    for (const Screen& screen : Screens()) {
        SCOPED_TRACE(screen.script);
        LuaGlobals script;
        Run(script, screen.script);
        Pack pack = LoadPack(screen.pack);
        for (const Picture& picture : screen.pictures) {
            SCOPED_TRACE(picture.key);
            std::optional<std::string> name = script.String(picture.key);
            ASSERT_TRUE(name.has_value());
            auto it = pack.animations.find(*name);
            ASSERT_NE(it, pack.animations.end())
                << *name << " is no animation of res/" << screen.pack;
            const ResourceDef& anim = it->second;
            bool loops = (anim.mode & HGEANIM_LOOP) != 0;
            if (picture.play != Play::Any) {
                EXPECT_EQ(loops, picture.play == Play::Loop);
            }
            if (picture.frames > 0) {
                EXPECT_EQ(anim.frames, picture.frames);
            }
            EXPECT_GE(anim.hotX, 0);
            EXPECT_LE(anim.hotX, anim.w);
            EXPECT_GE(anim.hotY, 0);
            EXPECT_LE(anim.hotY, anim.h);
        }
    }
}

// A rectangle in window pixels.
struct Rect {
    double x, y, w, h;
    bool Inside(double left, double top, double width, double height) const {
        return x >= left && y >= top && x + w <= left + width && y + h <= top + height;
    }
};

TEST_F(GameScreenDataTest, AnimalsStayInTheGardenAndDigitsInTheirWells) {
    LuaGlobals back;
    Run(back, "game_back");
    Pack pack = LoadPack("game_back");
    auto frame = [&](const std::string& key) -> const ResourceDef& {
        return pack.animations[back.String(key.c_str()).value_or("")];
    };
    for (int i = 1; i <= 4; ++i) {
        std::string n = std::to_string(i);
        const ResourceDef& animal = frame("animal" + n);
        Rect r{Number(back, ("animalx" + n).c_str()), Number(back, ("animaly" + n).c_str()),
               animal.w, animal.h};
        EXPECT_TRUE(
            r.Inside(layout::kGardenX, layout::kGardenY, layout::kGardenW, layout::kGardenH))
            << "animal " << n;
    }
    // A score of seven digits and a level of four fit the wells drawn for them.
    const ResourceDef& digit = frame("number");
    EXPECT_EQ(digit.w, layout::kDigitW);
    EXPECT_EQ(digit.h, layout::kDigitH);
    const double wellH = layout::kDigitH + 2 * layout::kWellAbove;
    Rect score{Number(back, "scorex"), Number(back, "scorey"), 7 * digit.w, digit.h};
    EXPECT_TRUE(
        score.Inside(layout::kWellX, layout::kScoreY - layout::kWellAbove, layout::kWellW, wellH));
    Rect level{Number(back, "pointsx"), Number(back, "pointsy"), 4 * digit.w, digit.h};
    EXPECT_TRUE(
        level.Inside(layout::kWellX, layout::kLevelY - layout::kWellAbove, layout::kWellW, wellH));

    // The pause picture and the banners are centred on the field.
    const double fieldCentre = layout::kFieldX + layout::kFieldW / 2.0;
    EXPECT_NEAR(Number(back, "lostfocus_posx") + frame("lostfocus").w / 2, fieldCentre, 1);
    LuaGlobals banners;
    Run(banners, "game_state");
    Pack bannerPack = LoadPack("game_state");
    for (std::string base : {"start", "pass", "fail"}) {
        const ResourceDef& banner =
            bannerPack.animations[banners.String((base + "_name").c_str()).value_or("")];
        EXPECT_NEAR(Number(banners, (base + "_posx").c_str()) + banner.w / 2, fieldCentre, 1)
            << base;
    }
}

TEST_F(GameScreenDataTest, FieldAndLauncherFitTheDrawnFrame) {
    LuaGlobals grid, shooter, aim;
    Run(grid, "block_config");
    Run(shooter, "block_shoot");
    Run(aim, "block_aim");
    const int numX = int(Number(grid, "block_numx")), numY = int(Number(grid, "block_numy"));
    const int width = int(Number(grid, "block_width")), height = int(Number(grid, "block_height"));
    const int left = int(Number(grid, "block_offectx"));
    const double top = Number(grid, "block_offecty");
    // The background's frame was drawn around exactly this grid.
    EXPECT_EQ(numX, layout::kBlockNumX);
    EXPECT_EQ(numY, layout::kBlockNumY);
    EXPECT_EQ(width, layout::kBlockWidth);
    EXPECT_EQ(height, layout::kBlockHeight);
    EXPECT_EQ(left, layout::kFieldX);
    EXPECT_EQ(top, layout::kFieldY);

    // The board's clip rectangle lies inside the frame's inside.
    const float pitch = 1.7320508f * 0.5f * height;
    const int clipW = width * numX + width / 2;
    const int clipH = int(height + numY * pitch);
    EXPECT_GE(left, layout::kInnerLeft);
    EXPECT_GE(int(top), layout::kInnerTop);
    EXPECT_LE(left + clipW, layout::kInnerRight);
    EXPECT_LE(int(top) + clipH, layout::kInnerBottom);
    EXPECT_GE(layout::kInnerLeft - layout::kFrameWidth, 0);
    EXPECT_LE(layout::kInnerRight + layout::kFrameWidth, 800);
    EXPECT_LE(layout::kInnerBottom + layout::kFrameWidth, 600);

    // The launcher stands on the deck, centred between the walls and below
    // the lowest block a level may hold; the aim line turns about the same
    // pivot; the next block waits inside the frame.
    const double bottomLine = 1.7320508 * 0.5 * (numY - 1) * height + top + height / 2;
    const double shootX = Number(shooter, "shoot_x"), shootY = Number(shooter, "shoot_y");
    EXPECT_EQ(shootX, left + clipW / 2);
    EXPECT_GT(shootY - height / 2, bottomLine + height / 2);
    EXPECT_LE(shootY + height / 2, layout::kInnerBottom);
    EXPECT_EQ(Number(shooter, "shoot_current_x"), shootX);
    EXPECT_EQ(Number(shooter, "shoot_current_y"), shootY);
    EXPECT_EQ(Number(aim, "aim_posx"), shootX);
    EXPECT_EQ(Number(aim, "aim_posy"), shootY);
    EXPECT_EQ(shootX, layout::kShootX);
    EXPECT_EQ(shootY, layout::kShootY);
    const double nextX = Number(shooter, "shoot_next_x"), nextY = Number(shooter, "shoot_next_y");
    EXPECT_EQ(nextX, layout::kNextX);
    EXPECT_EQ(nextY, layout::kNextY);
    EXPECT_GE(nextX - width / 2, layout::kInnerLeft);
    EXPECT_LE(nextY + height / 2, layout::kInnerBottom);
    const double limit = Number(shooter, "shoot_min_angle");
    EXPECT_GT(limit, 0);
    EXPECT_LT(limit, 90);
}

}  // namespace
