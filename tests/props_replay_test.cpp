// Props in the real game, driven by replay scripts on level 1 with boards that
// carry props: the level's prop limit, props held back by it and placed one a
// frame once there is room, a fast prop released during a slow mode, and a
// bomb prop that arms the next shot.
#include "json_value.h"
#include "replay/replay_script.h"
#include "replay/runner.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The ready banner plays 24 frames at 16 a second, 45 game frames at 30:
// from frame 60 the level is surely in play.
constexpr int kPlay = 60;
constexpr float kDelta = 1.0f / 30.0f;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// One replay run on a copy of the built game whose level rules may be changed:
// script lines, board files, and the dumps it wrote.
class PropsRun {
public:
    // rules: Lua appended to the game's own rule script; its functions take
    // the place of the game's.
    explicit PropsRun(const std::string& rules = "") {
        const fs::path game = folder_.Path() / "game";
        fs::create_directories(game / "script");
        for (const auto& entry : fs::directory_iterator(BUBBLEHIVE_GAME_DIR)) {
            if (entry.path().filename() != "script") {
                fs::create_symlink(entry.path(), game / entry.path().filename());
            }
        }
        for (const auto& entry : fs::directory_iterator(fs::path(BUBBLEHIVE_GAME_DIR) / "script")) {
            if (entry.path().filename() != "block_function.luac") {
                fs::create_symlink(entry.path(), game / "script" / entry.path().filename());
            }
        }
        folder_.Write("game/script/block_function.luac",
                      ReadText(fs::path(BUBBLEHIVE_SOURCE_DIR) / "data/script/block_function.lua") +
                          "\n" + rules);
    }

    void Board(const std::string& name, const std::string& rows) { folder_.Write(name, rows); }
    void At(int frame, const std::string& command) {
        script_ += "at " + std::to_string(frame) + " " + command + "\n";
    }
    void LayBoard(int frame, const std::string& name) {
        At(frame, "board \"" + (folder_ / name) + "\"");
    }
    void Dump(int frame) {
        At(frame, "dump \"" + (folder_ / ("f" + std::to_string(frame) + ".json")) + "\"");
    }
    void DumpFrames(int from, int to) {
        for (int frame = from; frame <= to; ++frame) {
            Dump(frame);
        }
    }

    bool Run() {
        std::vector<std::string> errors;
        const ReplayScript parsed = ParseReplayScript(script_, "props.replay", errors);
        if (!errors.empty()) {
            ADD_FAILURE() << errors[0];
            return false;
        }
        ReplayOptions options;
        options.gameDir = (folder_.Path() / "game").string();
        options.fps = 30;
        return RunReplay(parsed, options) == 0;
    }

    const JsonValue& DumpOf(int frame) {
        auto found = dumps_.find(frame);
        if (found == dumps_.end()) {
            std::string error;
            const std::string text = ReadText(folder_ / ("f" + std::to_string(frame) + ".json"));
            found = dumps_.emplace(frame, JsonValue::Parse(text, &error)).first;
            EXPECT_TRUE(error.empty()) << "frame " << frame << ": " << error;
        }
        return found->second;
    }

    // The first dumped frame from `from` on in which nothing flies.
    int LandingAfter(int from, int to) {
        for (int frame = from; frame <= to; ++frame) {
            if (DumpOf(frame)["flying"].IsNull()) {
                return frame;
            }
        }
        ADD_FAILURE() << "no landing between frames " << from << " and " << to;
        return to;
    }

private:
    TempFolder folder_;
    std::string script_;
    std::map<int, JsonValue> dumps_;
};

// The props of a dump's board: how many there are, and whether every one
// rides on a block.
struct BoardProps {
    int count = 0;
    bool allOnBlocks = true;
};

BoardProps PropsOn(const JsonValue& dump) {
    const JsonValue& colour = dump["board"]["colour"];
    const JsonValue& prop = dump["board"]["prop"];
    BoardProps props;
    for (size_t row = 0; row < prop.Size(); ++row) {
        for (size_t col = 0; col < prop[row].Size(); ++col) {
            const int kind = static_cast<int>(prop[row][col].Number());
            if (kind != 0) {
                ++props.count;
                props.allOnBlocks =
                    props.allOnBlocks && kind <= 6 && colour[row][col].Number() != 0;
            }
        }
    }
    return props;
}

// Row 0 of colour 2 but for two 1s in columns 5 and 6: a 1 shot straight up
// from the launcher settles below them and the three 1s leave.
std::string PairAbove(const std::string& left, const std::string& right) {
    return "2 2 2 2 2 " + left + " " + right + " 2 2 2 2 2\n";
}

TEST(PropsReplayTest, TheLevelsLimitDecidesHowManyPropsArePlaced) {
    for (int maxProps : {0, 3}) {
        SCOPED_TRACE("MaxProps " + std::to_string(maxProps));
        PropsRun run("function getMaxProps(n) return " + std::to_string(maxProps) +
                     " end\nfunction getPutPropsTime(n) return 0.1 end\n");
        run.At(1, "start 1");
        run.Dump(kPlay);
        run.Dump(kPlay + 60);
        ASSERT_TRUE(run.Run());
        const JsonValue& dump = run.DumpOf(kPlay + 60);
        EXPECT_EQ(dump["level"]["maxProps"].Number(), maxProps);
        const BoardProps props = PropsOn(dump);
        EXPECT_EQ(props.count, maxProps);
        EXPECT_TRUE(props.allOnBlocks);
        EXPECT_EQ(dump["props"]["propsOnBoard"].Number(), maxProps);
        if (maxProps == 0) {
            // Nothing takes the intervals: the timer only gathers.
            EXPECT_NEAR(dump["props"]["propTimer"].Number(),
                        run.DumpOf(kPlay)["props"]["propTimer"].Number() + 60 * kDelta, 1e-4);
        }
    }
}

TEST(PropsReplayTest, PropsHeldBackByTheLimitComeOneAFrameOnceThereIsRoom) {
    PropsRun run(
        "function getMaxProps(n) return 2 end\nfunction getPutPropsTime(n) return 1 end\n");
    run.Board("b.txt", PairAbove("1a", "1f"));
    run.At(1, "start 1");
    run.LayBoard(2, "b.txt");
    run.At(2, "shooter 1 1");
    // Three intervals with the board full, then a shot takes both props.
    const int fire = kPlay + 70;
    run.At(fire, "key SPACE down");
    run.At(fire + 1, "key SPACE up");
    run.DumpFrames(fire - 1, fire + 40);
    ASSERT_TRUE(run.Run());

    EXPECT_EQ(run.DumpOf(fire - 1)["props"]["propsOnBoard"].Number(), 2);
    const int landed = run.LandingAfter(fire, fire + 40);
    ASSERT_LE(landed + 2, fire + 40);
    const JsonValue& before = run.DumpOf(landed - 1)["props"];
    EXPECT_EQ(before["propsOnBoard"].Number(), 2);
    EXPECT_GE(before["propTimer"].Float(), 3.0f);
    EXPECT_LT(before["propTimer"].Float(), 4.0f);

    // The landing frame: both props took effect and left; one new prop and
    // one interval in the same frame, another the next frame, then the
    // board is full and the timer gathers again.
    const JsonValue& atLanding = run.DumpOf(landed);
    EXPECT_TRUE(atLanding["props"]["aimLineOn"].Bool());
    EXPECT_EQ(atLanding["props"]["speedMode"].Number(), 2);
    float timer = before["propTimer"].Float();
    const int expectedOnBoard[] = {1, 2, 2};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE("frame " + std::to_string(landed + i));
        const JsonValue& dump = run.DumpOf(landed + i);
        timer += kDelta;
        if (i < 2) {
            timer -= 1.0f;
        }
        EXPECT_EQ(dump["props"]["propTimer"].Float(), timer);
        if (i < 2) {
            EXPECT_GE(timer, 2.0f - i) << "intervals left";
            EXPECT_LT(timer, 3.0f - i);
        }
        EXPECT_EQ(dump["props"]["propsOnBoard"].Number(), expectedOnBoard[i]);
        const BoardProps props = PropsOn(dump);
        EXPECT_EQ(props.count, expectedOnBoard[i]);
        EXPECT_TRUE(props.allOnBlocks);
    }
}

TEST(PropsReplayTest, AFastPropDuringASlowModeSwitchesToFastAndRestartsTheCountdown) {
    PropsRun run;  // the game's rules: ShootSpeedTime 10, speeds 600, 340 and 900
    run.Board("slow.txt", PairAbove("1s", "1"));
    run.Board("fast.txt", PairAbove("1f", "1"));
    run.Board("plain.txt", PairAbove("1", "1"));
    run.At(1, "start 1");
    run.LayBoard(2, "slow.txt");
    run.At(2, "shooter 1 1");
    run.At(kPlay, "key SPACE down");
    run.At(kPlay + 1, "key SPACE up");
    run.DumpFrames(kPlay, kPlay + 40);
    const int second = kPlay + 60;
    run.LayBoard(second - 1, "fast.txt");
    run.At(second - 1, "shooter 1 1");
    run.At(second, "key SPACE down");
    run.At(second + 1, "key SPACE up");
    run.DumpFrames(second, second + 70);
    const int third = second + 90;
    run.LayBoard(third - 1, "plain.txt");
    run.At(third - 1, "shooter 1 1");
    run.At(third, "key SPACE down");
    run.Dump(third);
    ASSERT_TRUE(run.Run());

    EXPECT_EQ(run.DumpOf(kPlay)["flying"]["speed"].Number(), 600);
    const int slowLanding = run.LandingAfter(kPlay, kPlay + 40);
    EXPECT_EQ(run.DumpOf(slowLanding)["props"]["speedMode"].Number(), 1);
    EXPECT_EQ(run.DumpOf(slowLanding)["props"]["speedTimer"].Float(), 10.0f);

    EXPECT_EQ(run.DumpOf(second)["flying"]["speed"].Number(), 340);
    const int fastLanding = run.LandingAfter(second, second + 70);
    const JsonValue& before = run.DumpOf(fastLanding - 1)["props"];
    EXPECT_EQ(before["speedMode"].Number(), 1);
    EXPECT_LT(before["speedTimer"].Float(), 9.0f) << "the slow mode has been counting down";
    const JsonValue& after = run.DumpOf(fastLanding)["props"];
    EXPECT_EQ(after["speedMode"].Number(), 2);
    EXPECT_EQ(after["speedTimer"].Float(), 10.0f) << "restarted, not added to";

    EXPECT_EQ(run.DumpOf(third)["flying"]["speed"].Number(), 900);
}

TEST(PropsReplayTest, ABombPropArmsTheNextShotWhichFliesAsABombAndExplodes) {
    PropsRun run;
    run.Board("b.txt", "3 2 2 2 2 1b 1 2 2 2 2 3\n4 . . . . . . . . . . 4\n");
    run.At(1, "start 1");
    run.LayBoard(2, "b.txt");
    run.At(2, "shooter 1 1");
    run.At(kPlay, "key SPACE down");
    run.At(kPlay + 1, "key SPACE up");
    run.DumpFrames(kPlay, kPlay + 40);
    const int bomb = kPlay + 45;
    run.At(bomb, "key SPACE down");
    run.At(bomb + 1, "key SPACE up");
    run.DumpFrames(bomb - 1, bomb + 40);
    ASSERT_TRUE(run.Run());

    const int armed = run.LandingAfter(kPlay, kPlay + 40);
    EXPECT_EQ(run.DumpOf(armed)["props"]["bombShots"].Number(), 1);
    EXPECT_EQ(run.DumpOf(armed)["props"]["propsOnBoard"].Number(), 0);
    EXPECT_EQ(run.DumpOf(armed)["score"]["total"].Number(), 30);

    // The bomb goes off with the current and next blocks left as they were.
    const JsonValue& ready = run.DumpOf(bomb - 1);
    const JsonValue& fired = run.DumpOf(bomb);
    ASSERT_FALSE(fired["flying"].IsNull());
    EXPECT_EQ(fired["shooter"]["current"].Number(), ready["shooter"]["current"].Number());
    EXPECT_EQ(fired["shooter"]["next"].Number(), ready["shooter"]["next"].Number());
    EXPECT_EQ(fired["flying"]["colour"].Number(), ready["shooter"]["current"].Number());

    const int exploded = run.LandingAfter(bomb, bomb + 40);
    const JsonValue& after = run.DumpOf(exploded);
    EXPECT_EQ(after["props"]["bombShots"].Number(), 0);
    EXPECT_EQ(after["effects"]["bombBursts"].Number(), 1);
    EXPECT_EQ(after["effects"]["removals"].Number(), 0);
    EXPECT_TRUE(after["sounds"]["BombSound"]["playing"].Bool());
    EXPECT_EQ(after["score"]["total"].Number(), 30) << "exploded blocks give no points";
    // It settled in the gap of row 0 and took the row-0 block beside it.
    const JsonValue& row0 = after["board"]["colour"][0];
    int left = 0;
    for (size_t col = 0; col < row0.Size(); ++col) {
        left += row0[col].Number() != 0 ? 1 : 0;
    }
    EXPECT_EQ(left, 10 - 1);
}

}  // namespace
