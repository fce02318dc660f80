// Whole shots in the real game, driven by replay scripts on level 1: turning
// and its limit, Space firing once per press, a shot straight up, the pause
// on focus loss and its resume, a matching and a shaking landing with their
// points and sounds, and a dozen shots that leave a board a player would
// recognise as right.
#include "json_value.h"
#include "replay/replay_script.h"
#include "replay/runner.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The ready banner plays 24 frames at 16 a second, 45 game frames at 30:
// from frame 60 the level is in play.
constexpr int kPlay = 60;
constexpr float kDelta = 1.0f / 30.0f;
constexpr int kLaunchX = 260;
constexpr int kLaunchY = 546;

// One replay run: script lines, board files, and the dumps it wrote.
class PlayRun {
public:
    // Board files are written into the run's folder under their name.
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
    void Shot(int frame, const std::string& name) {
        At(frame, "shot \"" + (folder_ / name) + "\"");
    }

    // Runs the script on the built game; false when it did not go through.
    bool Run() {
        std::vector<std::string> errors;
        const ReplayScript parsed = ParseReplayScript(script_, "play.replay", errors);
        if (!errors.empty()) {
            ADD_FAILURE() << errors[0];
            return false;
        }
        ReplayOptions options;
        options.gameDir = BUBBLEHIVE_GAME_DIR;
        options.fps = 30;
        return RunReplay(parsed, options) == 0;
    }

    const JsonValue& DumpOf(int frame) {
        auto found = dumps_.find(frame);
        if (found == dumps_.end()) {
            std::ifstream in(folder_ / ("f" + std::to_string(frame) + ".json"));
            std::stringstream text;
            text << in.rdbuf();
            std::string error;
            found = dumps_.emplace(frame, JsonValue::Parse(text.str(), &error)).first;
            EXPECT_TRUE(error.empty()) << "frame " << frame << ": " << error;
        }
        return found->second;
    }

private:
    TempFolder folder_;
    std::string script_;
    std::map<int, JsonValue> dumps_;
};

int BlocksOn(const JsonValue& dump) {
    const JsonValue& colour = dump["board"]["colour"];
    int count = 0;
    for (size_t row = 0; row < colour.Size(); ++row) {
        for (size_t col = 0; col < colour[row].Size(); ++col) {
            count += colour[row][col].Number() != 0 ? 1 : 0;
        }
    }
    return count;
}

TEST(PlayReplayTest, TheLauncherTurnsOneRadianASecondUpToItsLimit) {
    PlayRun run;
    run.At(1, "start 1");
    run.At(kPlay, "key LEFT down");  // 15 frames: half a second
    run.At(kPlay + 15, "key LEFT up");
    run.Dump(kPlay + 15);
    run.At(kPlay + 20, "key RIGHT down");
    run.At(kPlay + 25, "key LEFT down");  // both together: no turn
    run.Dump(kPlay + 25);
    run.Dump(kPlay + 30);
    run.At(kPlay + 31, "key LEFT up");
    run.Dump(kPlay + 150);
    ASSERT_TRUE(run.Run());

    float angle = 0.0f;
    for (int i = 0; i < 15; ++i) {
        angle -= kDelta;
    }
    EXPECT_EQ(run.DumpOf(kPlay + 15)["shooter"]["angle"].Float(), angle);
    EXPECT_NEAR(angle, -0.5f, 1e-6f);
    EXPECT_EQ(run.DumpOf(kPlay + 25)["shooter"]["angle"].Float(),
              run.DumpOf(kPlay + 30)["shooter"]["angle"].Float());
    // shoot_min_angle 75 of the game's script, times π/180 in single precision.
    const float limit = 75.0f * 0.017453292f;
    EXPECT_EQ(run.DumpOf(kPlay + 150)["shooter"]["aimLimit"].Float(), limit);
    EXPECT_EQ(run.DumpOf(kPlay + 150)["shooter"]["angle"].Float(), limit);
}

// Row 0 full of colour 2 but for two blocks of colour 1 in columns 5 and 6:
// a shot straight up from x 260 settles in (5, 1), below both of them.
constexpr const char* kPairAbove = "2 2 2 2 2 1 1 2 2 2 2 2\n";
constexpr const char* kOneAbove = "2 2 2 2 2 1 3 2 2 2 2 2\n";

TEST(PlayReplayTest, AShotAtAngleZeroGoesStraightUpAndSpaceHeldFiresOnce) {
    PlayRun run;
    run.Board("b.txt", kOneAbove);
    run.At(1, "start 1");
    run.LayBoard(2, "b.txt");
    run.At(2, "shooter 4 4");
    run.At(kPlay, "key SPACE down");
    for (int frame = kPlay; frame <= kPlay + 50; ++frame) {
        run.Dump(frame);
    }
    ASSERT_TRUE(run.Run());

    const JsonValue& fired = run.DumpOf(kPlay);
    ASSERT_FALSE(fired["flying"].IsNull());
    EXPECT_EQ(fired["flying"]["x"].Number(), kLaunchX);
    EXPECT_EQ(fired["flying"]["vx"].Number(), 0.0);
    EXPECT_EQ(fired["flying"]["vy"].Number(), -600.0);
    EXPECT_EQ(fired["flying"]["y"].Float(), kLaunchY + -600.0f * kDelta);
    EXPECT_EQ(fired["flying"]["colour"].Number(), 4);
    EXPECT_TRUE(fired["shooter"]["spaceHeld"].Bool());
    EXPECT_TRUE(fired["sounds"]["ShootSound"]["playing"].Bool());

    // It rises without turning aside, lands once, and the held Space fires
    // nothing more.
    int landed = 0;
    for (int frame = kPlay + 1; frame <= kPlay + 50; ++frame) {
        const JsonValue& flying = run.DumpOf(frame)["flying"];
        if (flying.IsNull()) {
            landed = landed ? landed : frame;
            continue;
        }
        EXPECT_EQ(landed, 0) << "a second shot at frame " << frame;
        EXPECT_EQ(flying["x"].Number(), kLaunchX) << frame;
    }
    ASSERT_NE(landed, 0);
    EXPECT_EQ(run.DumpOf(landed)["board"]["colour"][1][5].Number(), 4);
    EXPECT_EQ(BlocksOn(run.DumpOf(kPlay + 50)), 13);
}

TEST(PlayReplayTest, SpacePressedInFlightAndHeldFiresTheFrameAfterTheLanding) {
    PlayRun run;
    run.Board("b.txt", kOneAbove);
    run.At(1, "start 1");
    run.LayBoard(2, "b.txt");
    run.At(kPlay, "key SPACE down");
    run.At(kPlay + 2, "key SPACE up");
    run.At(kPlay + 5, "key SPACE down");  // in flight: nothing yet
    for (int frame = kPlay + 5; frame <= kPlay + 50; ++frame) {
        run.Dump(frame);
    }
    ASSERT_TRUE(run.Run());

    int landed = 0;
    for (int frame = kPlay + 5; frame <= kPlay + 50 && !landed; ++frame) {
        if (run.DumpOf(frame)["flying"].IsNull()) {
            landed = frame;
        }
    }
    ASSERT_NE(landed, 0);
    EXPECT_FALSE(run.DumpOf(landed - 1)["shooter"]["spaceHeld"].Bool());
    const JsonValue& next = run.DumpOf(landed + 1)["flying"];
    ASSERT_FALSE(next.IsNull()) << "the held Space fires right after the landing";
    EXPECT_EQ(next["y"].Float(), kLaunchY + -600.0f * kDelta);
    EXPECT_TRUE(run.DumpOf(landed + 1)["shooter"]["spaceHeld"].Bool());
}

TEST(PlayReplayTest, FocusLossPausesPlayAndSpaceResumesWithoutFiring) {
    PlayRun run;
    run.Board("b.txt", kOneAbove);
    run.At(1, "start 1");
    run.LayBoard(2, "b.txt");
    run.At(10, "focus lost");  // during the ready banner: nothing changes
    run.Dump(10);
    run.At(11, "focus gained");
    run.At(kPlay, "focus lost");
    run.Dump(kPlay);
    run.At(kPlay + 5, "focus gained");
    run.Dump(kPlay + 5);
    run.At(kPlay + 10, "key SPACE down");
    run.Dump(kPlay + 10);
    run.Dump(kPlay + 14);
    run.At(kPlay + 15, "key SPACE up");
    run.At(kPlay + 16, "key SPACE down");
    run.Dump(kPlay + 16);
    ASSERT_TRUE(run.Run());

    EXPECT_EQ(run.DumpOf(10)["gameState"].Number(), 0);
    EXPECT_EQ(run.DumpOf(kPlay)["gameState"].Number(), 8);
    EXPECT_EQ(run.DumpOf(kPlay + 5)["gameState"].Number(), 8) << "focus back is not a resume";
    EXPECT_EQ(run.DumpOf(kPlay + 10)["gameState"].Number(), 1);
    EXPECT_TRUE(run.DumpOf(kPlay + 10)["flying"].IsNull());
    EXPECT_TRUE(run.DumpOf(kPlay + 14)["flying"].IsNull()) << "the resuming press fires nothing";
    EXPECT_FALSE(run.DumpOf(kPlay + 16)["flying"].IsNull()) << "the next press fires";
}

TEST(PlayReplayTest, AClickResumesAPausedGameAndTheTimersStandStillWhilePaused) {
    PlayRun run;
    run.Board("b.txt", kOneAbove);
    run.At(1, "start 1");
    run.LayBoard(2, "b.txt");
    run.At(kPlay, "focus lost");
    run.Dump(kPlay);
    run.Dump(kPlay + 20);
    run.At(kPlay + 21, "mouse 300 300");
    run.At(kPlay + 21, "press");
    run.Dump(kPlay + 21);
    run.At(kPlay + 22, "release");
    run.Dump(kPlay + 22);
    ASSERT_TRUE(run.Run());

    const JsonValue& paused = run.DumpOf(kPlay);
    const JsonValue& later = run.DumpOf(kPlay + 20);
    EXPECT_EQ(later["gameState"].Number(), 8);
    EXPECT_EQ(later["shooter"]["shotTimer"].Float(), paused["shooter"]["shotTimer"].Float());
    EXPECT_EQ(later["level"]["fallTimer"].Float(), paused["level"]["fallTimer"].Float());
    EXPECT_EQ(run.DumpOf(kPlay + 21)["gameState"].Number(), 1);
    EXPECT_EQ(run.DumpOf(kPlay + 21)["shooter"]["shotTimer"].Float(),
              paused["shooter"]["shotTimer"].Float())
        << "the resuming frame goes no further";
    EXPECT_GT(run.DumpOf(kPlay + 22)["shooter"]["shotTimer"].Float(),
              paused["shooter"]["shotTimer"].Float());
}

TEST(PlayReplayTest, AGroupOfThreeIsRemovedForThirtyAndAPairOnlyShakes) {
    const struct {
        const char* board;
        int score;
        int blocksAfter;
        const char* sound;
    } cases[] = {{kPairAbove, 30, 10, "RemoveSound"}, {kOneAbove, 0, 13, "HitSound"}};
    for (const auto& c : cases) {
        PlayRun run;
        run.Board("b.txt", c.board);
        run.At(1, "start 1");
        run.LayBoard(2, "b.txt");
        run.At(2, "shooter 1 1");
        run.At(kPlay, "key SPACE down");
        run.Dump(kPlay + 40);
        ASSERT_TRUE(run.Run());
        const JsonValue& dump = run.DumpOf(kPlay + 40);
        EXPECT_EQ(dump["score"]["total"].Number(), c.score) << c.board;
        EXPECT_EQ(dump["score"]["level"].Number(), c.score) << c.board;
        EXPECT_EQ(BlocksOn(dump), c.blocksAfter) << c.board;
        EXPECT_TRUE(dump["sounds"][c.sound]["playing"].Bool()) << c.board;
        EXPECT_EQ(dump["gameState"].Number(), 1);
    }
}

// The neighbours of a cell by its own shifted flag: left, right, upper-left,
// upper-right, lower-left, lower-right.
std::vector<std::pair<int, int>> Neighbours(int col, int row, int shifted) {
    const int s = shifted ? 1 : 0;
    return {{col - 1, row},     {col + 1, row},         {col - 1 + s, row - 1},
            {col + s, row - 1}, {col - 1 + s, row + 1}, {col + s, row + 1}};
}

// What a player would call a right board: every block at its cell's place,
// no two blocks on top of each other, every block held from row 0.
void ExpectSoundBoard(const JsonValue& dump, const std::string& when) {
    const JsonValue& board = dump["board"];
    const int numx = static_cast<int>(board["numx"].Number());
    const int numy = static_cast<int>(board["numy"].Number());
    const double origin = board["originY"].Number();
    const double pitch = board["rowPitch"].Number();
    std::vector<std::pair<double, double>> centres;
    std::vector<std::vector<bool>> held(numy, std::vector<bool>(numx, false));
    std::vector<std::pair<int, int>> pending;
    for (int col = 0; col < numx; ++col) {
        if (board["colour"][0][col].Number() != 0) {
            held[0][col] = true;
            pending.emplace_back(col, 0);
        }
    }
    while (!pending.empty()) {
        const auto [col, row] = pending.back();
        pending.pop_back();
        for (auto [c, r] :
             Neighbours(col, row, static_cast<int>(board["shifted"][row][col].Number()))) {
            if (c >= 0 && c < numx && r >= 0 && r < numy && !held[r][c] &&
                board["colour"][r][c].Number() != 0) {
                held[r][c] = true;
                pending.emplace_back(c, r);
            }
        }
    }
    for (int row = 0; row < numy; ++row) {
        for (int col = 0; col < numx; ++col) {
            if (board["colour"][row][col].Number() == 0) {
                continue;
            }
            const double x = board["x"][row][col].Number();
            const double y = board["y"][row][col].Number();
            const int shifted = static_cast<int>(board["shifted"][row][col].Number());
            EXPECT_EQ(x, 53 + 36 * col + 18 * shifted) << when << " at " << col << "," << row;
            EXPECT_NEAR(y, origin + 18 + row * pitch, 1e-3) << when << " at " << col << "," << row;
            EXPECT_TRUE(held[row][col]) << when << ": a block hangs loose at " << col << "," << row;
            for (const auto& [ox, oy] : centres) {
                EXPECT_GE(std::hypot(x - ox, y - oy), 35.0)
                    << when << ": blocks overlap at " << col << "," << row;
            }
            centres.emplace_back(x, y);
        }
    }
}

// A dozen shots on level 1, aimed left and right and straight, each fired
// once the last has landed. After each, the board is sound, and every block
// that left it scored: the points are 10 for each block the board lost,
// counting the shots and the rows the board pushed in.
TEST(PlayReplayTest, ADozenShotsOnLevelOneLeaveASoundBoard) {
    PlayRun run;
    run.At(1, "start 1");
    // Turns in frames of 1/30 radian: left is negative.
    const int turns[12] = {-12, 20, -5, 10, -20, 14, 0, -9, 18, -16, 6, 3};
    int frame = kPlay;
    std::vector<int> fired;
    for (int turn : turns) {
        const char* key = turn < 0 ? "LEFT" : "RIGHT";
        if (turn != 0) {
            run.At(frame, std::string("key ") + key + " down");
            run.At(frame + std::abs(turn), std::string("key ") + key + " up");
        }
        frame += std::abs(turn) + 1;
        run.Dump(frame - 1);
        run.At(frame, "key SPACE down");
        run.At(frame + 1, "key SPACE up");
        fired.push_back(frame);
        frame += 60;
    }
    run.Dump(frame);
    ASSERT_TRUE(run.Run());

    const JsonValue& first = run.DumpOf(fired[0] - 1);
    const int startBlocks = BlocksOn(first);
    const int startRowsToCome = static_cast<int>(first["level"]["needRemove"].Number());
    for (size_t i = 1; i <= fired.size(); ++i) {
        const int at = i < fired.size() ? fired[i] - 1 : frame;
        const JsonValue& dump = run.DumpOf(at);
        const std::string when = "after shot " + std::to_string(i);
        ASSERT_TRUE(dump["flying"].IsNull()) << when << " is still in flight";
        ASSERT_EQ(dump["gameState"].Number(), 1) << when;
        ExpectSoundBoard(dump, when);
        const int rowsPushed =
            startRowsToCome - static_cast<int>(dump["level"]["needRemove"].Number());
        const int left = startBlocks + static_cast<int>(i) + 12 * rowsPushed - BlocksOn(dump);
        EXPECT_EQ(dump["score"]["total"].Number(), 10 * left) << when;
    }
    EXPECT_GT(run.DumpOf(frame)["score"]["total"].Number(), 0) << "a dozen shots matched nothing";
}

}  // namespace
