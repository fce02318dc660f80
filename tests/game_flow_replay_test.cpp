// Whole runs of the game through its buttons: the start menu's start and
// exit, and a game played from level to level: ready banner, pass banner,
// pass screen, Space, the next level, its fail banner, fail screen and retry.
#include "replay/replay_script.h"
#include "replay/runner.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Odd levels start empty and pass at once; even levels start full and fail
// at their first advance.
constexpr const char* kQuickRules = R"(
function getBlockNum(n) return 3 end
function getBlockInitHeight(n) if n % 2 == 0 then return 14 end return 0 end
function getNeedRemove(n) if n % 2 == 0 then return 1 end return 0 end
function getMaxProps(n) return 0 end
function getPutPropsTime(n) return 100 end
function getFallTime(n) return 0.3 end
ShootSpeed = 600
ShootSpeedSlow = 300
ShootSpeedFast = 900
ShootSpeedTime = 5
)";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The value of a nested key in a dump: each key is looked for after the one
// before it ({"level", "current"}, {"buttons", "failScreen.retry", "state"}).
std::string Field(const std::string& dump, std::initializer_list<std::string> keys) {
    size_t at = 0;
    for (const std::string& key : keys) {
        at = dump.find("\"" + key + "\": ", at);
        if (at == std::string::npos) {
            return "<no " + key + ">";
        }
        at += key.size() + 4;
    }
    return dump.substr(at, dump.find_first_of(",\n", at) - at);
}

class GameFlowTest : public testing::Test {
protected:
    int Run(const std::string& script, const std::string& gameDir = BUBBLEHIVE_GAME_DIR) {
        std::vector<std::string> errors;
        const ReplayScript parsed = ParseReplayScript(script, "test.replay", errors);
        EXPECT_TRUE(errors.empty()) << errors[0];
        ReplayOptions options;
        options.gameDir = gameDir;
        options.fps = 30;
        return RunReplay(parsed, options);
    }
    std::string Dump(const std::string& name) { return ReadFile(out / name); }
    std::string DumpAt(int frame, const std::string& name) {
        return "at " + std::to_string(frame) + " dump \"" + (out / name) + "\"\n";
    }

    // The game folder with the quick rules in place of the game's own.
    std::string QuickGameFolder() {
        const fs::path game = BUBBLEHIVE_GAME_DIR;
        const fs::path dir = quick.Path();
        for (const char* entry : {"image.dat", "res", "sound", "README.md"}) {
            fs::create_directory_symlink(game / entry, dir / entry);
        }
        fs::create_directories(dir / "script");
        for (const auto& file : fs::directory_iterator(game / "script")) {
            if (file.path().filename() != "block_function.luac") {
                fs::create_symlink(file.path(), dir / "script" / file.path().filename());
            }
        }
        quick.Write("script/block_function.luac", kQuickRules);
        return dir.string();
    }

    TempFolder out;
    TempFolder quick;
};

TEST_F(GameFlowTest, AClickOnStartOpensTheSaveSlots) {
    // The menu is up from frame 61; start is the top button of the column.
    const std::string script = "at 65 mouse 400 289\nat 66 press\n" + DumpAt(66, "pressed.json") +
                               "at 68 release\n" + DumpAt(68, "clicked.json");
    ASSERT_EQ(Run(script), 0);
    const std::string pressed = Dump("pressed.json");
    EXPECT_EQ(Field(pressed, {"menuState"}), "0");
    EXPECT_EQ(Field(pressed, {"buttons", "startMenu.start", "state"}), "2");
    EXPECT_EQ(Field(pressed, {"buttons", "startMenu.start", "pressed"}), "true");
    const std::string clicked = Dump("clicked.json");
    EXPECT_EQ(Field(clicked, {"menuState"}), "2");
    EXPECT_EQ(Field(clicked, {"buttons", "startMenu.start", "state"}), "0");
    EXPECT_EQ(Field(clicked, {"buttons", "startMenu.start", "pressed"}), "false");
}

TEST_F(GameFlowTest, ExitEndsTheRun) {
    const std::string script = "at 65 mouse 400 529\nat 66 press\nat 68 release\n" +
                               DumpAt(67, "held.json") + DumpAt(90, "after.json");
    ASSERT_EQ(Run(script), 0);
    EXPECT_EQ(Field(Dump("held.json"), {"buttons", "startMenu.exit", "state"}), "2");
    EXPECT_FALSE(fs::exists(out / "after.json")) << "the loop ended on the release frame";
}

TEST_F(GameFlowTest, PlaysFromLevelToLevelThroughPassAndFailScreens) {
    // Level 9: ready banner, then its empty board passes at once; the pass
    // screen is up long before frame 119. Space goes on to level 10, whose
    // full board fails at its first advance; its fail screen is up long
    // before frame 279, and the retry button plays level 10 again.
    const std::string script =
        "at 1 start 9\n" + DumpAt(30, "ready.json") + DumpAt(119, "pass.json") +
        "at 120 key SPACE down\n" + DumpAt(120, "next.json") + "at 122 key SPACE up\n" +
        DumpAt(279, "fail.json") + "at 279 mouse 260 412\nat 280 press\nat 282 release\n" +
        DumpAt(281, "held.json") + DumpAt(282, "retry.json");
    ASSERT_EQ(Run(script, QuickGameFolder()), 0);

    const std::string ready = Dump("ready.json");
    EXPECT_EQ(Field(ready, {"gameState"}), "0");
    EXPECT_EQ(Field(ready, {"level", "current"}), "9");

    const std::string pass = Dump("pass.json");
    EXPECT_EQ(Field(pass, {"gameState"}), "4");
    EXPECT_EQ(Field(pass, {"passScreen", "active"}), "true");

    const std::string next = Dump("next.json");
    EXPECT_EQ(Field(next, {"gameState"}), "0");
    EXPECT_EQ(Field(next, {"bannerKind"}), "0");
    EXPECT_EQ(Field(next, {"level", "current"}), "10");
    EXPECT_EQ(Field(next, {"passScreen", "active"}), "false");

    const std::string fail = Dump("fail.json");
    EXPECT_EQ(Field(fail, {"gameState"}), "6");
    EXPECT_EQ(Field(fail, {"level", "current"}), "10");
    EXPECT_EQ(Field(fail, {"failScreen", "active"}), "true");
    EXPECT_EQ(Field(fail, {"buttons", "failScreen.retry", "state"}), "1") << "hovered";

    const std::string held = Dump("held.json");
    EXPECT_EQ(Field(held, {"gameState"}), "6");
    EXPECT_EQ(Field(held, {"buttons", "failScreen.retry", "state"}), "2");

    const std::string retry = Dump("retry.json");
    EXPECT_EQ(Field(retry, {"gameState"}), "0");
    EXPECT_EQ(Field(retry, {"level", "current"}), "10");
    EXPECT_EQ(Field(retry, {"failScreen", "active"}), "false");
}

}  // namespace
