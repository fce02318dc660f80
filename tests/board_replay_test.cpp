// The replay commands of a level in play: `start LEVEL` sets a new game up
// at that level, `board FILE` lays the cells out; checked through the dump.
#include "replay/replay_script.h"
#include "replay/runner.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

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

// The numbers of a dump value (a grid, an object) from its key to the key
// that follows it, in the order written.
std::vector<double> NumbersOf(const std::string& dump, const std::string& key,
                              const std::string& nextKey) {
    const size_t start = dump.find("\"" + key + "\":");
    const size_t end = dump.find("\"" + nextKey + "\":", start);
    std::vector<double> numbers;
    if (start == std::string::npos || end == std::string::npos) {
        ADD_FAILURE() << "no " << key << " before " << nextKey;
        return numbers;
    }
    std::string part = dump.substr(start + key.size() + 3, end - start - key.size() - 3);
    for (char& c : part) {
        if (c == '[' || c == ']' || c == ',' || c == ':' || c == '"' || c == '{' || c == '}' ||
            std::isalpha(static_cast<unsigned char>(c))) {
            c = ' ';
        }
    }
    std::istringstream words(part);
    double value;
    while (words >> value) {
        numbers.push_back(value);
    }
    return numbers;
}

std::vector<std::string> ParseErrors(const std::string& script) {
    std::vector<std::string> errors;
    ParseReplayScript(script, "test.replay", errors);
    return errors;
}

TEST(BoardReplayTest, StartSetsTheLevelUpAndBoardLaysOutAFile) {
    TempFolder out;
    out.Write("layout.txt",
              "1 2f 3 4a~ 5 6 7 1s 2b 3i 4* 5\n"
              ". 6 . 6\n");
    const std::string script = "at 1 start 2\nat 1 dump \"" + (out / "start.json") +
                               "\"\nat 2 board \"" + (out / "layout.txt") + "\"\nat 2 dump \"" +
                               (out / "board.json") + "\"\n";
    std::vector<std::string> errors;
    const ReplayScript parsed = ParseReplayScript(script, "test.replay", errors);
    ASSERT_TRUE(errors.empty()) << errors[0];
    ReplayOptions options;
    options.gameDir = BUBBLEHIVE_GAME_DIR;
    ASSERT_EQ(RunReplay(parsed, options), 0);

    // Level 2 of the game's rules: four rows of four colours on the 12 × 14
    // grid, three rows to come, no points.
    const std::string start = ReadFile(out / "start.json");
    EXPECT_NE(start.find("\"appState\": 2"), std::string::npos);
    EXPECT_EQ(NumbersOf(start, "level", "score")[0], 2);
    EXPECT_EQ(NumbersOf(start, "level", "score")[1], 3);
    EXPECT_EQ(NumbersOf(start, "score", "board"), (std::vector<double>{0, 0}));
    EXPECT_EQ(NumbersOf(start, "numx", "numy")[0], 12);
    EXPECT_EQ(NumbersOf(start, "originY", "bottomLine")[0], 30);
    const auto colours = NumbersOf(start, "colour", "kind");
    const auto shifted = NumbersOf(start, "shifted", "animState");
    const auto states = NumbersOf(start, "animState", "x");
    ASSERT_EQ(colours.size(), 12u * 14u);
    for (size_t i = 0; i < colours.size(); ++i) {
        const size_t row = i / 12;
        EXPECT_EQ(shifted[i], row % 2) << i;
        if (row < 4) {
            EXPECT_GE(colours[i], 1) << i;
            EXPECT_LE(colours[i], 4) << i;
            EXPECT_EQ(states[i], 1) << i;
        } else {
            EXPECT_EQ(colours[i], 0) << i;
            EXPECT_EQ(states[i], 0) << i;
        }
    }

    // The file's two rows, everything else empty.
    const std::string board = ReadFile(out / "board.json");
    auto laidOut = NumbersOf(board, "colour", "kind");
    laidOut.resize(24);
    EXPECT_EQ(laidOut, (std::vector<double>{1, 2, 3, 4, 5, 6, 7, 1, 2, 3, 4, 5,  //
                                            0, 6, 0, 6, 0, 0, 0, 0, 0, 0, 0, 0}));
    auto props = NumbersOf(board, "prop", "shifted");
    props.resize(12);
    EXPECT_EQ(props, (std::vector<double>{0, 1, 0, 3, 0, 0, 0, 2, 4, 5, 6, 0}));
    EXPECT_EQ(NumbersOf(board, "kind", "prop")[3], 2);
    double filled = 0;
    for (double colour : NumbersOf(board, "colour", "kind")) {
        filled += colour != 0;
    }
    EXPECT_EQ(filled, 14);
}

TEST(BoardReplayTest, BadArgumentsAndBoardFilesStopTheScript) {
    TempFolder out;
    out.Write("bad.txt", "1 2 3\n1 9\n");
    auto errors = ParseErrors("at 1 board \"" + (out / "bad.txt") + "\"\n");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("bad.txt:2: bad cell `9`"), std::string::npos) << errors[0];
    EXPECT_EQ(ParseErrors("at 1 start 0\n").size(), 1u);
    EXPECT_EQ(ParseErrors("at 1 start two\n").size(), 1u);
    EXPECT_EQ(ParseErrors("at 1 board\n").size(), 1u);
}

}  // namespace
