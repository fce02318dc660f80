// Whole runs of the game on the offscreen backend, driven by replay scripts:
// the logo's hand-over to the menu, focus changes, and repeatable output.
#include "replay/replay_script.h"
#include "replay/runner.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The text of a top-level number in a dump ("appState": 1 gives "1").
std::string TopLevelValue(const std::string& dump, const std::string& key) {
    const std::string prefix = "\n  \"" + key + "\": ";
    const size_t start = dump.find(prefix);
    if (start == std::string::npos) {
        return "<" + key + " missing>";
    }
    const size_t from = start + prefix.size();
    return dump.substr(from, dump.find_first_of(",\n", from) - from);
}

// The text of a top-level object in a dump, from its brace to its brace.
std::string TopLevelObject(const std::string& dump, const std::string& key) {
    const size_t start = dump.find("\n  \"" + key + "\": {");
    const size_t end = dump.find("\n  }", start);
    return start == std::string::npos ? "" : dump.substr(start, end - start);
}

std::string FloatText(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", value);
    return buffer;
}

int Replay(const std::string& script, const ReplayOptions& options) {
    std::vector<std::string> errors;
    const ReplayScript parsed = ParseReplayScript(script, "test.replay", errors);
    EXPECT_TRUE(errors.empty()) << errors[0];
    return RunReplay(parsed, options);
}

// The first frame at which the summed virtual frame deltas reach the logo's
// two seconds, summed in float as the game does.
int FirstMenuFrame(int fps, float* sumBefore, float* sumAt) {
    const float dt = 1.0f / static_cast<float>(fps);
    float sum = 0.0f;
    int frame = 0;
    while (sum < 2.0f) {
        *sumBefore = sum;
        sum += dt;
        ++frame;
    }
    *sumAt = sum;
    return frame;
}

class LogoSwitchTest : public testing::TestWithParam<int> {};

TEST_P(LogoSwitchTest, MenuTakesOverOnTheFrameTheDeltasReachTwoSeconds) {
    const int fps = GetParam();
    float before = 0, at = 0;
    const int menuFrame = FirstMenuFrame(fps, &before, &at);
    TempFolder out;
    const std::string text = "at " + std::to_string(menuFrame - 1) + " dump \"" +
                             (out / "before.json") + "\"\nat " + std::to_string(menuFrame) +
                             " dump \"" + (out / "at.json") + "\"\n";
    ReplayOptions options;
    options.gameDir = BUBBLEHIVE_GAME_DIR;
    options.fps = fps;
    ASSERT_EQ(Replay(text, options), 0);

    const std::string beforeDump = ReadFile(out / "before.json");
    const std::string atDump = ReadFile(out / "at.json");
    EXPECT_EQ(TopLevelValue(beforeDump, "frame"), std::to_string(menuFrame - 1));
    EXPECT_EQ(TopLevelValue(beforeDump, "appState"), "0");
    EXPECT_EQ(TopLevelValue(beforeDump, "logoTime"), FloatText(before));
    EXPECT_EQ(TopLevelValue(atDump, "frame"), std::to_string(menuFrame));
    EXPECT_EQ(TopLevelValue(atDump, "appState"), "1");
    EXPECT_EQ(TopLevelValue(atDump, "menuState"), "0");
    EXPECT_EQ(TopLevelValue(atDump, "logoTime"), FloatText(at));
}

// 4 frames a second is the edge the design names: 0.25 sums to exactly 2.0.
INSTANTIATE_TEST_SUITE_P(Rates, LogoSwitchTest, testing::Values(4, 30, 60, 7));

TEST(ReplayRunTest, ConfigurationReachesTheDump) {
    TempFolder game;
    game.Write("script/config.luac",
               "screenwidth = 640.9 screenheight = 480 app_fps = 20 "
               "app_title = '\xE8\x9C\x82 hive'");
    TempFolder out;
    ReplayOptions options;
    options.gameDir = game.Path().string();
    ASSERT_EQ(Replay("at 2 dump \"" + (out / "d.json") + "\"", options), 0);
    const std::string config = TopLevelObject(ReadFile(out / "d.json"), "config");
    EXPECT_EQ(config,
              "\n  \"config\": {\n"
              "    \"width\": 640,\n"
              "    \"height\": 480,\n"
              "    \"fps\": 20,\n"
              "    \"title\": \"\xE8\x9C\x82 hive\"");
}

TEST(ReplayRunTest, FocusLostAndGainedInTheMenuKeepsTheGameRunning) {
    TempFolder out;
    const std::string script = "at 70 dump \"" + (out / "playing.json") +
                               "\"\n"
                               "at 71 focus lost\n"
                               "at 71 dump \"" +
                               (out / "lost.json") +
                               "\"\n"
                               "at 80 focus gained\n"
                               "at 80 dump \"" +
                               (out / "gained.json") +
                               "\"\n"
                               "at 90 dump \"" +
                               (out / "later.json") + "\"\n";
    ReplayOptions options;
    options.gameDir = BUBBLEHIVE_GAME_DIR;
    options.fps = 30;
    ASSERT_EQ(Replay(script, options), 0);

    const std::string playing = ReadFile(out / "playing.json");
    const std::string lost = ReadFile(out / "lost.json");
    const std::string gained = ReadFile(out / "gained.json");
    const std::string later = ReadFile(out / "later.json");
    for (const std::string* dump : {&playing, &lost, &gained, &later}) {
        EXPECT_EQ(TopLevelValue(*dump, "appState"), "1") << *dump;
    }
    EXPECT_EQ(TopLevelValue(later, "frame"), "90");
    // The logo time stops counting once the menu is up.
    EXPECT_EQ(TopLevelValue(later, "logoTime"), TopLevelValue(playing, "logoTime"));
    // Whatever was playing before the focus left plays again once it is back.
    EXPECT_EQ(TopLevelObject(gained, "sounds"), TopLevelObject(playing, "sounds"));
    EXPECT_EQ(TopLevelObject(later, "sounds"), TopLevelObject(playing, "sounds"));
    EXPECT_NE(TopLevelObject(playing, "sounds").find("\"MenuMusic\": {"), std::string::npos);
}

TEST(ReplayRunTest, QuitEndsTheRunAfterItsFrame) {
    TempFolder out;
    const std::string script = "at 5 quit\nat 5 dump \"" + (out / "last.json") +
                               "\"\nat 6 dump \"" + (out / "never.json") + "\"\n";
    ReplayOptions options;
    options.gameDir = BUBBLEHIVE_GAME_DIR;
    ASSERT_EQ(Replay(script, options), 0);
    EXPECT_EQ(TopLevelValue(ReadFile(out / "last.json"), "frame"), "5");
    EXPECT_FALSE(std::filesystem::exists(out / "never.json"));
}

TEST(ReplayRunTest, SameScriptGivesTheSameBytes) {
    TempFolder first, second;
    const auto script = [](const TempFolder& out) {
        std::string text = "at 1 mouse 400 300\nat 3 press\nat 4 release\nat 5 key SPACE down\n";
        for (int frame : {1, 30, 61, 75}) {
            const std::string name = "f" + std::to_string(frame);
            text += "at " + std::to_string(frame) + " shot \"" + (out / (name + ".png")) + "\"\n";
            text += "at " + std::to_string(frame) + " dump \"" + (out / (name + ".json")) + "\"\n";
        }
        return text;
    };
    ReplayOptions options;
    options.gameDir = BUBBLEHIVE_GAME_DIR;
    options.fps = 30;
    ASSERT_EQ(Replay(script(first), options), 0);
    ASSERT_EQ(Replay(script(second), options), 0);
    for (const char* name : {"f1.png", "f1.json", "f30.png", "f30.json", "f61.png", "f61.json",
                             "f75.png", "f75.json"}) {
        SCOPED_TRACE(name);
        const std::string a = ReadFile(first / name);
        EXPECT_FALSE(a.empty());
        EXPECT_TRUE(a == ReadFile(second / name));
    }
}

}  // namespace
