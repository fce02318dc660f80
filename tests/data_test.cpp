// The game's built data: the configuration, and for every screen with a
// resource script, that each string its layout script sets names a picture
// of that script, that every button and placed picture lies inside the
// window, and that the menus' buttons and the text the game writes on them
// land in the places their pictures were drawn for.
#include "artgen/game_layout.h"
#include "artgen/menu_layout.h"
#include "engine/resource_script.h"

#include <gtest/gtest.h>
#include <lua.hpp>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kGame = std::string(BUBBLEHIVE_GAME_DIR) + "/";
// The generator's textures, next to the game folder.
const std::string kArt = std::string(BUBBLEHIVE_GAME_DIR) + "/../art/";
constexpr int kScreenW = 800, kScreenH = 600;

// Every layout script that has a resource script, with that script's name.
struct ScreenFiles {
    const char* script;
    const char* pack;
};
const ScreenFiles kScreens[] = {
    {"logo", "logo"},
    {"block_anima", "block"},
    {"block_aim", "aim"},
    {"props_anima", "props"},
    {"start", "start"},
    {"game_state", "game_state"},
    {"game_pass", "game_pass"},
    {"game_fail", "game_fail"},
    {"input", "input"},
    {"read", "read"},
    {"top", "top"},
    {"game_back", "game_back"},
    {"app_set", "app_set"},
    {"gamemenu", "gamemenu"},
    {"block_shoot", "block_shoot"},
    {"help", "help"},
};

// The globals a built layout script sets, run as the game runs it: a fresh
// state with the base library only.
struct Globals {
    std::map<std::string, double> numbers;
    std::map<std::string, std::string> strings;

    double Number(const std::string& key) const {
        auto it = numbers.find(key);
        if (it == numbers.end()) {
            ADD_FAILURE() << "no number " << key;
            return 0;
        }
        return double(int(it->second));  // truncated, as the game does
    }
    bool Has(const std::string& key) const { return numbers.count(key) != 0; }
    std::string String(const std::string& key) const {
        auto it = strings.find(key);
        if (it == strings.end()) {
            ADD_FAILURE() << "no string " << key;
            return "";
        }
        return it->second;
    }
};

std::set<std::string> GlobalNames(lua_State* L) {
    std::set<std::string> names;
    lua_pushnil(L);
    while (lua_next(L, LUA_GLOBALSINDEX) != 0) {
        if (lua_type(L, -2) == LUA_TSTRING) {
            names.insert(lua_tostring(L, -2));
        }
        lua_pop(L, 1);
    }
    return names;
}

Globals RunScript(const std::string& stem) {
    Globals globals;
    std::string path = kGame + "script/" + stem + ".luac";
    lua_State* L = luaL_newstate();
    lua_pushcfunction(L, luaopen_base);
    lua_call(L, 0, 0);
    std::set<std::string> before = GlobalNames(L);
    if (luaL_loadfile(L, path.c_str()) != 0 || lua_pcall(L, 0, 0, 0) != 0) {
        ADD_FAILURE() << path << ": " << lua_tostring(L, -1);
        lua_close(L);
        return globals;
    }
    lua_pushnil(L);
    while (lua_next(L, LUA_GLOBALSINDEX) != 0) {
        if (lua_type(L, -2) == LUA_TSTRING && !before.count(lua_tostring(L, -2))) {
            std::string key = lua_tostring(L, -2);
            if (lua_type(L, -1) == LUA_TNUMBER) {
                globals.numbers[key] = lua_tonumber(L, -1);
            } else if (lua_type(L, -1) == LUA_TSTRING) {
                globals.strings[key] = lua_tostring(L, -1);
            } else {
                ADD_FAILURE() << path << ": " << key << " is neither a number nor a string";
            }
        }
        lua_pop(L, 1);
    }
    lua_close(L);
    return globals;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << "cannot read " << path;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Width and height from a PNG's header; 0 x 0 when the file is missing.
std::pair<int, int> PngSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char head[24] = {};
    if (!in.read(reinterpret_cast<char*>(head), sizeof head)) {
        return {0, 0};
    }
    auto be32 = [&](int at) {
        return int(std::uint32_t(head[at]) << 24 | std::uint32_t(head[at + 1]) << 16 |
                   std::uint32_t(head[at + 2]) << 8 | std::uint32_t(head[at + 3]));
    };
    return {be32(16), be32(20)};
}

// The sprites and animations of a built resource script; a line the parser
// rejects fails the test.
struct Pack {
    std::map<std::string, ResourceDef> textures, pictures;
    const ResourceDef& Picture(const std::string& name) const {
        static const ResourceDef kNone;
        auto it = pictures.find(name);
        if (it == pictures.end()) {
            ADD_FAILURE() << "no picture " << name;
            return kNone;
        }
        return it->second;
    }
};

Pack LoadPack(const std::string& name) {
    std::ostringstream errors;
    std::string file = "res/" + name + ".pak";
    std::vector<ResourceDef> defs = ParseResourceScript(ReadText(kGame + file), file, errors);
    EXPECT_EQ(errors.str(), "");
    Pack pack;
    for (const ResourceDef& def : defs) {
        (def.kind == ResourceDef::Kind::Texture ? pack.textures : pack.pictures)[def.name] = def;
    }
    return pack;
}

// A rectangle in window pixels; edges belong to it, as a button's hit test has it.
struct Box {
    std::string what;
    double x, y, w, h;
    bool Inside(double left, double top, double right, double bottom) const {
        return x >= left && y >= top && x + w <= right && y + h <= bottom;
    }
    bool Meets(const Box& o) const {
        return x <= o.x + o.w && o.x <= x + w && y <= o.y + o.h && o.y <= y + h;
    }
};

// Where a picture drawn at (x, y) covers the window: its hotspot lands on (x, y).
Box Placed(const std::string& what, const ResourceDef& def, double x, double y) {
    return {what, x - def.hotX, y - def.hotY, def.w, def.h};
}

// The buttons of a layout script: every `<key>_num` with its name in
// `<key>_name` or `<key>`, placed at `<key>_posx`, `<key>_posy`, or at the
// numbered `<key>posx1`, `<key>posy1`, ... of the save slots.
std::vector<Box> Buttons(const Globals& script, const Pack& pack) {
    std::vector<Box> buttons;
    for (const auto& [key, value] : script.numbers) {
        const std::string suffix = "_num";
        if (key.size() <= suffix.size() || key.compare(key.size() - 4, 4, suffix) != 0) {
            continue;
        }
        std::string base = key.substr(0, key.size() - 4);
        std::string nameKey = script.strings.count(base + "_name") ? base + "_name" : base;
        const ResourceDef& def = pack.Picture(script.String(nameKey));
        EXPECT_GE(def.frames, int(value)) << nameKey << " has fewer frames than " << key;
        if (script.Has(base + "_posx")) {
            buttons.push_back(
                Placed(base, def, script.Number(base + "_posx"), script.Number(base + "_posy")));
        }
        for (int i = 1; script.Has(base + "posx" + std::to_string(i)); ++i) {
            std::string n = std::to_string(i);
            buttons.push_back(Placed(base + n, def, script.Number(base + "posx" + n),
                                     script.Number(base + "posy" + n)));
        }
    }
    return buttons;
}

TEST(DataTest, ConfigurationSetsTheWindowAndTitle) {
    Globals config = RunScript("config");
    EXPECT_EQ(config.Number("screenwidth"), 800);
    EXPECT_EQ(config.Number("screenheight"), 600);
    EXPECT_EQ(config.Number("app_fps"), 30);
    EXPECT_EQ(config.String("app_title"), "Bubblehive");
}

TEST(DataTest, EveryStringOfALayoutScriptNamesAPictureOfItsPack) {
    for (const ScreenFiles& screen : kScreens) {
        SCOPED_TRACE(screen.script);
        Globals script = RunScript(screen.script);
        Pack pack = LoadPack(screen.pack);
        EXPECT_FALSE(script.strings.empty());
        for (const auto& [key, name] : script.strings) {
            EXPECT_TRUE(pack.pictures.count(name))
                << key << " = \"" << name << "\" is not a sprite or animation of res/"
                << screen.pack << ".pak";
        }
        // Every frame of every picture lies in its generated texture.
        for (const auto& [name, def] : pack.pictures) {
            SCOPED_TRACE(name);
            auto tex = pack.textures.find(def.texture);
            ASSERT_NE(tex, pack.textures.end());
            auto [texW, texH] = PngSize(kArt + tex->second.file);
            ASSERT_GT(texW, 0) << "no texture " << kArt + tex->second.file;
            float x = def.x, y = def.y;
            for (int i = 0; i < def.frames; ++i) {
                if (i > 0 && (x += def.w) + def.w > texW) {
                    x = 0;
                    y += def.h;
                }
                EXPECT_LE(x + def.w, texW) << "frame " << i;
                EXPECT_LE(y + def.h, texH) << "frame " << i;
            }
        }
    }
}

TEST(DataTest, ButtonsAndPlacedPicturesLieInsideTheWindowApart) {
    for (const ScreenFiles& screen : kScreens) {
        SCOPED_TRACE(screen.script);
        Globals script = RunScript(screen.script);
        Pack pack = LoadPack(screen.pack);
        std::vector<Box> buttons = Buttons(script, pack);
        for (const Box& b : buttons) {
            EXPECT_TRUE(b.Inside(0, 0, kScreenW, kScreenH)) << b.what;
        }
        // No press can reach two buttons of one screen at once.
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            for (std::size_t j = i + 1; j < buttons.size(); ++j) {
                EXPECT_FALSE(buttons[i].Meets(buttons[j]))
                    << buttons[i].what << " and " << buttons[j].what << " overlap";
            }
        }
        // Pictures placed by `<name>_posx`/`_posy` or `<name>_x`/`_y`, where the
        // name key is `<name>_name` or `<name>`.
        for (const auto& [key, name] : script.strings) {
            std::string base = key;
            if (base.size() > 5 && base.compare(base.size() - 5, 5, "_name") == 0) {
                base.resize(base.size() - 5);
            }
            for (const auto& [xKey, yKey] :
                 {std::pair{base + "_posx", base + "_posy"}, std::pair{base + "_x", base + "_y"}}) {
                if (script.Has(xKey) && !script.Has(base + "_num")) {
                    Box b =
                        Placed(key, pack.Picture(name), script.Number(xKey), script.Number(yKey));
                    EXPECT_TRUE(b.Inside(0, 0, kScreenW, kScreenH)) << key;
                }
            }
        }
    }
}

// The menu screens against the layout their pictures were drawn for.
namespace ml = artgen::menu_layout;

Box ButtonAt(const Globals& script, const Pack& pack, const std::string& nameKey,
             const std::string& base) {
    return Placed(base, pack.Picture(script.String(nameKey)), script.Number(base + "_posx"),
                  script.Number(base + "_posy"));
}

TEST(DataTest, NameInputBoxSitsInItsFieldClearOfTheButtons) {
    Globals input = RunScript("input");
    Pack pack = LoadPack("input");
    EXPECT_EQ(input.Number("input_posx"), ml::input::kBoxX);
    EXPECT_EQ(input.Number("input_posy"), ml::input::kBoxY);
    EXPECT_EQ(input.Number("font_size"), ml::input::kFontSize);
    // The text box is 160 wide and font_size high, with a frame one pixel around.
    Box box{"box", input.Number("input_posx") - 1, input.Number("input_posy") - 1, 162,
            input.Number("font_size") + 2};
    EXPECT_TRUE(box.Inside(ml::input::kPanelX, ml::input::kPanelY,
                           ml::input::kPanelX + ml::input::kPanelW,
                           ml::input::kPanelY + ml::input::kPanelH));
    for (const Box& b :
         {ButtonAt(input, pack, "ok_name", "ok"), ButtonAt(input, pack, "cancel_name", "cancel")}) {
        EXPECT_FALSE(box.Meets(b)) << b.what;
        EXPECT_TRUE(b.Inside(ml::input::kPanelX, ml::input::kPanelY,
                             ml::input::kPanelX + ml::input::kPanelW,
                             ml::input::kPanelY + ml::input::kPanelH))
            << b.what;
    }
}

TEST(DataTest, SaveSlotNamesAndButtonsShareTheirDrawnRows) {
    Globals read = RunScript("read");
    Pack pack = LoadPack("read");
    const double size = read.Number("font_size");
    EXPECT_EQ(size, ml::slots::kFontSize);
    EXPECT_EQ(read.Number("font_dify"), ml::slots::kRowStep);
    const double newW = pack.Picture(read.String("new")).w;
    for (int k = 1; k <= 5; ++k) {
        SCOPED_TRACE(k);
        std::string n = std::to_string(k);
        double rowY = ml::slots::kFirstRowY + (k - 1) * ml::slots::kRowStep;
        double rowBottom = rowY + ml::slots::kRowH;
        // Ten full-width characters of the name fit the row's well.
        Box name{"name", read.Number("back_posx") + read.Number("font_posx"),
                 read.Number("back_posy") + read.Number("font_posy") +
                     (k - 1) * read.Number("font_dify"),
                 10 * size, size};
        EXPECT_TRUE(name.Inside(ml::slots::kNameWellX, rowY,
                                ml::slots::kNameWellX + ml::slots::kNameWellW, rowBottom));
        for (const char* kind : {"new", "read"}) {
            Box b = Placed(kind + n, pack.Picture(read.String(kind)),
                           read.Number(std::string(kind) + "posx" + n),
                           read.Number(std::string(kind) + "posy" + n));
            EXPECT_TRUE(
                b.Inside(ml::slots::kRowX, rowY, ml::slots::kRowX + ml::slots::kRowW, rowBottom))
                << b.what;
            EXPECT_FALSE(b.Meets(name)) << b.what;
        }
        EXPECT_EQ(read.Number("newposx" + n), ml::slots::kNewX);
        EXPECT_EQ(read.Number("readposx" + n), ml::slots::kNewX + newW + 2);
    }
}

TEST(DataTest, HighScoreLinesFillTheDrawnStripes) {
    Globals top = RunScript("top");
    Pack pack = LoadPack("top");
    const double size = top.Number("font_size");
    EXPECT_EQ(size, ml::top::kFontSize);
    EXPECT_EQ(top.Number("font_dify"), ml::top::kLineStep);
    Box ok = ButtonAt(top, pack, "ok", "ok");
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        double y = top.Number("back_posy") + top.Number("font_posy") + i * top.Number("font_dify");
        double stripe = ml::top::kFirstLineY + i * ml::top::kLineStep;
        EXPECT_GE(y, stripe);
        EXPECT_LE(y + size, stripe + ml::top::kLineH);
        // A name of ten full-width characters ends before the score field,
        // whose ten half-width characters end inside the panel.
        double nameX = top.Number("back_posx") + top.Number("font_posx1");
        double scoreX = top.Number("back_posx") + top.Number("font_posx2");
        EXPECT_LE(nameX + 10 * size, scoreX);
        EXPECT_LE(scoreX + 10 * size / 2, ml::top::kPanelX + ml::top::kPanelW - 20);
        EXPECT_FALSE(ok.Meets(Box{"line", nameX, y, scoreX + 5 * size - nameX, size}));
    }
}

TEST(DataTest, SettingsKnobsStartOnTheirTracks) {
    Globals set = RunScript("app_set");
    Pack pack = LoadPack("app_set");
    const double backX = set.Number("set_back_posx");
    const double left = set.Number("left"), right = set.Number("right");
    EXPECT_LT(left, right);
    EXPECT_EQ(left, ml::settings::kTrackLeft);
    EXPECT_EQ(right, ml::settings::kTrackRight);
    struct Knob {
        const char* key;
        int rowCentre;
    };
    for (const Knob& knob : {Knob{"back_sound", ml::settings::kMusicRowY},
                             Knob{"sound", ml::settings::kEffectsRowY}}) {
        SCOPED_TRACE(knob.key);
        Box b = ButtonAt(set, pack, knob.key, knob.key);
        EXPECT_GE(b.x, backX + left);
        EXPECT_LE(b.x, backX + right);
        EXPECT_EQ(b.y + b.h / 2, knob.rowCentre);
        // Dragged to either end, the knob stays inside the panel.
        EXPECT_GE(backX + left, ml::settings::kPanelX);
        EXPECT_LE(backX + right + b.w, ml::settings::kPanelX + ml::settings::kPanelW);
    }
}

TEST(DataTest, InGameMenuHidesUnderSettingsAndHudButtonsStandInTheirSlots) {
    Globals menu = RunScript("gamemenu");
    Pack menuPack = LoadPack("gamemenu");
    Globals help = RunScript("help");
    Pack helpPack = LoadPack("help");
    // The settings screen opens over the menu panel and must hide its buttons.
    for (const char* base : {"btn_game", "btn_save", "btn_set", "btn_start"}) {
        Box b = ButtonAt(menu, menuPack, std::string(base) + "_name", base);
        EXPECT_TRUE(b.Inside(ml::gamemenu::kPanelX, ml::gamemenu::kPanelY,
                             ml::gamemenu::kPanelX + ml::gamemenu::kPanelW,
                             ml::gamemenu::kPanelY + ml::gamemenu::kPanelH))
            << base;
    }
    EXPECT_GE(ml::gamemenu::kPanelX, ml::settings::kPanelX);
    EXPECT_GE(ml::gamemenu::kPanelY, ml::settings::kPanelY);
    EXPECT_LE(ml::gamemenu::kPanelX + ml::gamemenu::kPanelW,
              ml::settings::kPanelX + ml::settings::kPanelW);
    EXPECT_LE(ml::gamemenu::kPanelY + ml::gamemenu::kPanelH,
              ml::settings::kPanelY + ml::settings::kPanelH);

    // The MENU and HELP buttons stand in the slots the game background drew.
    namespace gl = artgen::game;
    Box menuButton = ButtonAt(menu, menuPack, "btn_back_name", "btn_back");
    Box helpButton = ButtonAt(help, helpPack, "help_name", "help");
    EXPECT_EQ(menuButton.x, gl::kMenuButtonX);
    EXPECT_EQ(menuButton.y, gl::kMenuButtonY);
    EXPECT_EQ(helpButton.x, gl::kHelpButtonX);
    EXPECT_EQ(helpButton.y, gl::kHelpButtonY);
    for (const Box& b : {menuButton, helpButton}) {
        EXPECT_EQ(b.w, gl::kButtonW) << b.what;
        EXPECT_EQ(b.h, gl::kButtonH) << b.what;
    }
    EXPECT_FALSE(menuButton.Meets(helpButton));
}

TEST(DataTest, ResultScreensHoldSevenDigitsInTheirWells) {
    Globals back = RunScript("game_back");
    Pack backPack = LoadPack("game_back");
    const ResourceDef& digit = backPack.Picture(back.String("number1"));
    for (const char* prefix : {"pass", "fail"}) {
        SCOPED_TRACE(prefix);
        std::string p = prefix;
        Globals screen = RunScript("game_" + p);
        Pack pack = LoadPack("game_" + p);
        const double x = screen.Number(p + "_back_posx"), y = screen.Number(p + "_back_posy");
        Box picture = Placed("picture", pack.Picture(screen.String(p + "_back")), x, y);
        // Over the field, clear of the side panel.
        EXPECT_GE(picture.x, 0);
        EXPECT_LE(picture.x + picture.w, artgen::game::kPanelX);
        Box next = ButtonAt(screen, pack, p + "_next", p + "_next");
        EXPECT_TRUE(
            next.Inside(picture.x, picture.y, picture.x + picture.w, picture.y + picture.h));
        struct Number {
            const char* xKey;
            const char* yKey;
            int wellY;
        };
        for (const Number& n : {Number{"scorex", "scorey", ml::result::kScoreWellY},
                                Number{"getx", "gety", ml::result::kLevelWellY}}) {
            SCOPED_TRACE(n.xKey);
            Box digits{"digits", x + screen.Number(n.xKey), y + screen.Number(n.yKey), 7 * digit.w,
                       digit.h};
            EXPECT_TRUE(digits.Inside(x + ml::result::kWellX, y + n.wellY,
                                      x + ml::result::kWellX + ml::result::kWellW,
                                      y + n.wellY + ml::result::kWellH));
            EXPECT_FALSE(digits.Meets(next));
        }
    }
}

}  // namespace
