// The saves through whole runs of the game: read at start-up and shown in the
// dump, written after the loop into the save folder, a save that fails after
// the loop failing the run while the game itself ran to its end, and no file
// touched when the engine does not start.
#include "replay/replay_script.h"
#include "replay/runner.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// "禾岚小游戏" in code page 936 and in UTF-8.
const std::string kStemCp936 = "\xBA\xCC\xE1\xB0\xD0\xA1\xD3\xCE\xCF\xB7";
const std::string kStemUtf8 = "禾岚小游戏";
const std::string kEmptySlot = "used 0\r\nname n\r\nscore 0\r\npoints 0\r\n";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The text of the dump's save section, from its key to its closing brace.
std::string SaveSection(const std::string& dump) {
    const size_t start = dump.find("\n  \"save\": {");
    const size_t end = dump.find("\n  }", start);
    return start == std::string::npos ? "" : dump.substr(start + 1, end + 4 - start - 1);
}

int Replay(const std::string& script, const std::string& gameDir, const std::string& saveDir) {
    std::vector<std::string> errors;
    const ReplayScript parsed = ParseReplayScript(script, "save.replay", errors);
    EXPECT_TRUE(errors.empty()) << errors[0];
    ReplayOptions options;
    options.gameDir = gameDir;
    options.saveDir = saveDir;
    options.fps = 30;
    return RunReplay(parsed, options);
}

TEST(SaveRunTest, SavesAreReadAtStartUpShownInTheDumpAndWrittenAfterTheLoop) {
    TempFolder saves, out;
    const std::string player = kEmptySlot + "used 1\r\nname " + kStemCp936 +
                               "\r\nscore 1000\r\npoints 2\r\n" + kEmptySlot + kEmptySlot +
                               kEmptySlot;
    const std::string score = "numplayer 1\r\nname Bee\r\nscore 700\r\n";
    saves.Write("script/player", player);
    saves.Write("script/score", score);

    const std::string script = "at 3 dump \"" + (out / "d.json") + "\"\nat 3 quit\n";
    ASSERT_EQ(Replay(script, BUBBLEHIVE_GAME_DIR, saves.Path().string()), 0);

    const auto slotText = [](int used, const std::string& name, int scoreValue, int points) {
        return "      {\n        \"used\": " + std::to_string(used) + ",\n        \"name\": \"" +
               name + "\",\n        \"score\": " + std::to_string(scoreValue) +
               ",\n        \"points\": " + std::to_string(points) + "\n      }";
    };
    const std::string empty = slotText(0, "n", 0, 0);
    EXPECT_EQ(SaveSection(ReadFile(out / "d.json")),
              "  \"save\": {\n"
              "    \"currentSlot\": -1,\n"
              "    \"playerName\": \"\",\n"
              "    \"slots\": [\n" +
                  empty + ",\n" + slotText(1, kStemUtf8, 1000, 2) + ",\n" + empty + ",\n" + empty +
                  ",\n" + empty +
                  "\n"
                  "    ],\n"
                  "    \"scoreTable\": [\n"
                  "      {\n"
                  "        \"name\": \"Bee\",\n"
                  "        \"score\": 700\n"
                  "      }\n"
                  "    ]\n"
                  "  }");

    // Nobody played: both files are written again exactly as they were.
    EXPECT_EQ(ReadFile(saves / "script/player"), player);
    EXPECT_EQ(ReadFile(saves / "script/score"), score);
}

TEST(SaveRunTest, AFreshSaveFolderGetsBothFiles) {
    TempFolder saves;
    const std::string root = saves / "new/place";
    ASSERT_EQ(Replay("at 2 quit\n", BUBBLEHIVE_GAME_DIR, root), 0);
    std::string player;
    for (int i = 0; i < 5; ++i) {
        player += kEmptySlot;
    }
    EXPECT_EQ(ReadFile(root + "/script/player"), player);
    EXPECT_EQ(ReadFile(root + "/script/score").substr(0, 14), "numplayer 10\r\n");
}

TEST(SaveRunTest, AFailedSaveAfterTheLoopFailsTheRunButNotTheGame) {
    // The save folder would have to be made inside a regular file.
    TempFolder saves, out;
    saves.Write("blocked", "a file");
    const std::string script = "at 5 dump \"" + (out / "d.json") + "\"\nat 5 quit\n";
    testing::internal::CaptureStderr();
    const int status = Replay(script, BUBBLEHIVE_GAME_DIR, saves / "blocked");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 1);
    EXPECT_NE(ReadFile(out / "d.json").find("\"frame\": 5"), std::string::npos)
        << "the game ran to its last frame";
    EXPECT_NE(err.find("player slots are not saved to " + (saves / "blocked/script/player")),
              std::string::npos)
        << err;
    EXPECT_EQ(ReadFile(saves / "blocked"), "a file");
}

TEST(SaveRunTest, AnEngineThatDoesNotStartLeavesTheSavesAlone) {
    // A zero screen width stops System_Initiate.
    TempFolder game, saves;
    game.Write("script/config.luac", "screenwidth = 0 screenheight = 600 app_fps = 30");
    saves.Write("script/player", "used 1 name Bee score 1000 points 2");
    saves.Write("script/score", "numplayer 1 name Bee score 1000");
    const auto before = std::filesystem::last_write_time(saves / "script/player");

    testing::internal::CaptureStderr();
    EXPECT_EQ(Replay("at 2 quit\n", game.Path().string(), saves.Path().string()), 1);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(ReadFile(saves / "script/player"), "used 1 name Bee score 1000 points 2");
    EXPECT_EQ(ReadFile(saves / "script/score"), "numplayer 1 name Bee score 1000");
    EXPECT_EQ(std::filesystem::last_write_time(saves / "script/player"), before);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(saves / "script")) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names.size(), 2u);
}

}  // namespace
