// The in-game menu and help in the running game: a shot in flight stands
// still while the menu is open and flies on from where it stopped; a click
// that resumes a paused game opens neither help nor the menu.
#include "replay/replay_script.h"
#include "replay/runner.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The value of a nested key in a dump: each key is looked for after the one
// before it ({"flying", "y"}, {"help", "shown"}).
std::string Field(const std::string& path, std::initializer_list<std::string> keys) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const std::string dump = text.str();
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

class GameMenuReplayTest : public testing::Test {
protected:
    // Runs the script at 30 frames a second after a new game at level 1 is
    // started on frame 1; its ready banner has given way to play by frame 60.
    void Run(const std::string& script) {
        std::vector<std::string> errors;
        const ReplayScript parsed =
            ParseReplayScript("at 1 start 1\n" + script, "test.replay", errors);
        ASSERT_TRUE(errors.empty()) << errors[0];
        ReplayOptions options;
        options.gameDir = BUBBLEHIVE_GAME_DIR;
        options.fps = 30;
        ASSERT_EQ(RunReplay(parsed, options), 0);
    }
    std::string DumpAt(int frame, const std::string& name) {
        return "at " + std::to_string(frame) + " dump \"" + (out / name) + "\"\n";
    }
    std::string At(const std::string& name, std::initializer_list<std::string> keys) {
        return Field(out / name, keys);
    }

    TempFolder out;
};

TEST_F(GameMenuReplayTest, AShotStandsStillWhileTheMenuIsOpenAndFliesOnAfter) {
    Run("at 61 key SPACE down\n"
        "at 62 key SPACE up\n" +
        DumpAt(63, "flying.json") +
        "at 64 key ESCAPE down\n"
        "at 65 key ESCAPE up\n" +
        DumpAt(64, "opened.json") + DumpAt(90, "open.json") +
        "at 91 key ESCAPE down\n"
        "at 92 key ESCAPE up\n" +
        DumpAt(91, "closed.json") + DumpAt(92, "on.json"));
    ASSERT_EQ(At("flying.json", {"gameState"}), "1");
    const float y = std::stof(At("flying.json", {"flying", "y"}));
    // Frame 64 flies once more before the menu opens at its end.
    EXPECT_EQ(At("opened.json", {"gameState"}), "9");
    EXPECT_EQ(At("opened.json", {"gameMenu", "savedState"}), "1");
    EXPECT_NEAR(std::stof(At("opened.json", {"flying", "y"})), y - 20, 0.01);
    EXPECT_NEAR(std::stof(At("open.json", {"flying", "y"})), y - 20, 0.01);
    EXPECT_EQ(At("open.json", {"shooter", "shotTimer"}),
              At("opened.json", {"shooter", "shotTimer"}));
    EXPECT_EQ(At("closed.json", {"gameState"}), "1");
    EXPECT_EQ(At("closed.json", {"gameMenu", "open"}), "false");
    EXPECT_NEAR(std::stof(At("on.json", {"flying", "y"})), y - 40, 0.01);
}

TEST_F(GameMenuReplayTest, AClickThatResumesAPausedGameOpensNoHelp) {
    // The help button sits at (560, 526) to (740, 570).
    Run("at 61 focus lost\n"
        "at 62 focus gained\n"
        "at 63 mouse 650 548\n"
        "at 64 press\n"
        "at 66 release\n" +
        DumpAt(64, "resumed.json") + DumpAt(68, "after.json") +
        "at 70 press\n"
        "at 71 release\n" +
        DumpAt(72, "help.json"));
    EXPECT_EQ(At("resumed.json", {"gameState"}), "1");
    EXPECT_EQ(At("after.json", {"gameState"}), "1");
    EXPECT_EQ(At("after.json", {"help", "shown"}), "false");
    EXPECT_EQ(At("after.json", {"gameMenu", "open"}), "false");
    // The next click on the button opens help.
    EXPECT_EQ(At("help.json", {"help", "shown"}), "true");
    EXPECT_EQ(At("help.json", {"gameState"}), "10");
}

}  // namespace
