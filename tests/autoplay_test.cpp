// The autoplay and its shot simulation: a trial shot ends as the real shot
// would and leaves no trace in the game or its random numbers; the player
// aims at an obvious group and takes it off; and left alone it clears level 1
// and goes on to level 2.
#include "replay/autoplay.h"
#include "engine/hge.h"
#include "game/flying_block.h"
#include "game/rule_script.h"
#include "game/shooter.h"
#include "game/shot_simulation.h"
#include "json_value.h"
#include "play_fixture.h"
#include "replay/replay_script.h"
#include "replay/runner.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr float kDelta = 1.0f / 30.0f;

// Row 0 of colours 2 and 3 with a pair of colour 1 in columns 5 and 6: a shot
// straight up from x 260 settles below both and takes them off, and colour 1
// leaves the board, so the shooter draws new colours.
constexpr const char* kPairAbove = "2 3 2 3 2 1 1 3 2 3 2 3\n";
// The same pair in columns 1 and 2, well left of a shot straight up.
constexpr const char* kPairLeft = "3 1 1 3 2 3 2 3 2 3 2 3\n";
// A deeper board with a star, a bomb and a hole to fall through.
constexpr const char* kMixed =
    "2 3 2 3 1 1 2 3 3 2 1 1\n"
    "3 2* . 1 3 2 1 2 3 1 2 .\n"
    "1 1 3 . 2 3b 3 1 . 2 3 3\n"
    ". 2 2 1 . . 1 1 2 . . 1\n";

class ShotSimulationTest : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        folder.Write("script/block_shoot.luac",
                     "shoot_x = 260 shoot_y = 546 shoot_min_angle = 75 shoot_limit_time = 10\n");
        folder.Write("script/block_function.luac",
                     "ShootSpeed = 600 ShootSpeedSlow = 340 ShootSpeedFast = 900\n"
                     "ShootSpeedTime = 10\n");
        hge->System_SetStateString(HGE_GAMEDIR, folder.Path().string());
        LoadShooter(game.shooter);
        CallRule(game.rules, *hge, "getBlockNum", 1);  // opens the rule script
        game.level.needRemove = 2;
    }

    // Everything a trial could disturb, as text.
    std::string Snapshot() const {
        std::ostringstream out;
        out << Colours();
        for (const Cell& cell : game.board.cells) {
            out << cell.kind << cell.prop << cell.animation.state << cell.animation.colour
                << (cell.animation.animation != nullptr) << ' ' << cell.x << ',' << cell.y << ';';
        }
        const Shooter& s = game.shooter;
        out << "\nshooter " << s.angle << ' ' << s.current << ' ' << s.next << ' ' << s.shotTimer
            << ' ' << (s.currentBlock != nullptr);
        out << "\nflying " << game.flying.inFlight << ' ' << game.flying.x << ' ' << game.flying.y;
        out << "\nstate " << game.gameState << ' ' << game.bannerKind;
        out << "\nscore " << game.score.total << ' ' << game.score.level;
        const PropState& p = game.props;
        out << "\nprops " << p.speedMode << ' ' << p.speedTimer << ' ' << p.bombShots << ' '
            << p.infectionShots << ' ' << p.propsOnBoard << ' ' << p.aimLineOn;
        out << "\neffects " << game.effects.removals.size() << ' '
            << game.effects.fallingBlocks.size() << ' ' << game.effects.bombBursts.size();
        out << "\norigin " << game.board.BoardOriginY;
        return out.str();
    }

    // Fires for real at the angle and flies the block frame by frame until it
    // stops.
    void FireForReal(float angle) {
        game.shooter.angle = angle;
        LaunchCurrentBlock(game);
        for (int frame = 0; game.flying.inFlight && frame < 900; ++frame) {
            AdvanceShot(game, kDelta);
        }
    }

    TempFolder folder;
};

TEST_F(ShotSimulationTest, ATrialLeavesTheGameAndItsRandomNumbersAsTheyWere) {
    Lay(kPairAbove);
    SetShooterColours(game, 1, 1);
    const std::string before = Snapshot();
    hge->Random_Seed(42);

    const ShotOutcome outcome = SimulateShot(game, 0.0f, kDelta);
    EXPECT_TRUE(outcome.landed);
    EXPECT_EQ(outcome.removed, 2);  // colour 1 left: new shooter colours were drawn
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(ReadSpeedGlobal(game.rules, "ShootSpeed"), 600.0f);  // the script came back

    std::vector<int> drawn;
    for (int i = 0; i < 4; ++i) {
        drawn.push_back(hge->Random_Int(1, 1000));
    }
    hge->Random_Seed(42);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(hge->Random_Int(1, 1000), drawn[static_cast<size_t>(i)]) << i;
    }
}

TEST_F(ShotSimulationTest, ATrialEndsAsTheRealShotDoes) {
    // Straight up, both walls, the limits, an armed bomb and the fast mode.
    const struct {
        float angle;
        int colour;
        bool bomb;
        int speedMode;
    } cases[] = {{0.0f, 1, false, 0},  {-0.35f, 2, false, 0}, {0.6f, 3, false, 0},
                 {-1.3f, 1, false, 0}, {1.3f, 2, false, 2},   {0.12f, 3, true, 0},
                 {-0.8f, 1, true, 1},  {0.95f, 1, false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "angle " << c.angle << " colour " << c.colour);
        Lay(kMixed);
        SetShooterColours(game, c.colour, 2);
        game.props = PropState{};
        game.props.bombShots = c.bomb ? 1 : 0;
        game.props.speedMode = c.speedMode;
        game.props.speedTimer = 5.0f;
        game.score = Score{};
        game.gameState = GameState::Playing;
        const std::vector<Cell>& cells = game.board.cells;
        std::vector<int> before;
        for (const Cell& cell : cells) {
            before.push_back(cell.colour);
        }

        const ShotOutcome trial = SimulateShot(game, c.angle, kDelta);
        FireForReal(c.angle);

        int removed = 0;
        int settled = -1;
        for (size_t i = 0; i < cells.size(); ++i) {
            removed += before[i] != 0 && cells[i].colour == 0 ? 1 : 0;
            if (before[i] == 0 && cells[i].colour != 0 && settled < 0) {
                settled = static_cast<int>(i);
            }
        }
        EXPECT_TRUE(trial.landed);
        EXPECT_EQ(trial.removed, removed);
        EXPECT_EQ(trial.failed, game.gameState == GameState::FailBanner);
        EXPECT_EQ(trial.passed, game.gameState == GameState::PassBanner);
        EXPECT_EQ(trial.settledCol < 0 ? -1 : trial.settledRow * 12 + trial.settledCol, settled);
    }
}

TEST_F(ShotSimulationTest, TheAutoplayPrefersRemovalsThenNeighboursThenTheUprightAngle) {
    auto shot = [](float angle, int removed, int neighbours, bool failed = false) {
        AimCandidate candidate;
        candidate.angle = angle;
        candidate.outcome.landed = true;
        candidate.outcome.failed = failed;
        candidate.outcome.removed = removed;
        candidate.outcome.sameColourNeighbours = neighbours;
        return candidate;
    };
    EXPECT_TRUE(BetterShot(shot(0.9f, 1, 0), shot(0.0f, 0, 5)));
    EXPECT_TRUE(BetterShot(shot(0.9f, 0, 2), shot(0.0f, 0, 1)));
    EXPECT_TRUE(BetterShot(shot(-0.2f, 0, 2), shot(0.3f, 0, 2)));
    EXPECT_TRUE(BetterShot(shot(-0.2f, 0, 2), shot(0.2f, 0, 2)));
    EXPECT_FALSE(BetterShot(shot(0.2f, 0, 2), shot(-0.2f, 0, 2)));
    EXPECT_TRUE(BetterShot(shot(0.5f, 0, -1), shot(0.0f, 9, 0, true)));

    // On the board the one group of colour 1 is the shot to take.
    Lay(kPairAbove);
    SetShooterColours(game, 1, 1);
    game.shooter.angle = 0.7f;
    const AimCandidate best = ChooseAim(game, kDelta);
    EXPECT_EQ(best.outcome.removed, 2);
    EXPECT_EQ(best.key, HGEK_LEFT);
    // The angle it names is the one the keys reach, frame by frame.
    float angle = 0.7f;
    for (int i = 0; i < best.frames; ++i) {
        angle = TurnAim(angle, true, false, kDelta, game.shooter.aimLimit);
    }
    EXPECT_EQ(angle, best.angle);
}

// A replay of the built game with the autoplay playing along.
class AutoplayRun {
public:
    void At(int frame, const std::string& command) {
        script_ += "at " + std::to_string(frame) + " " + command + "\n";
    }
    std::string File(const std::string& name) const { return folder_ / name; }
    void Write(const std::string& name, const std::string& text) { folder_.Write(name, text); }

    bool Run(int frames) {
        std::vector<std::string> errors;
        const ReplayScript parsed = ParseReplayScript(script_, "autoplay.replay", errors);
        if (!errors.empty()) {
            ADD_FAILURE() << errors[0];
            return false;
        }
        ReplayOptions options;
        options.gameDir = BUBBLEHIVE_GAME_DIR;
        options.fps = 30;
        options.frames = frames;
        options.autoplay = true;
        testing::internal::CaptureStdout();
        const int status = RunReplay(parsed, options);
        summary = testing::internal::GetCapturedStdout();
        return status == 0;
    }

    JsonValue Dump(const std::string& name) const {
        std::ifstream in(folder_ / name);
        std::stringstream text;
        text << in.rdbuf();
        std::string error;
        JsonValue value = JsonValue::Parse(text.str(), &error);
        EXPECT_TRUE(error.empty()) << name << ": " << error;
        return value;
    }

    std::string summary;

private:
    TempFolder folder_;
    std::string script_;
};

int CountColour(const JsonValue& dump, int colour) {
    const JsonValue& grid = dump["board"]["colour"];
    int count = 0;
    for (size_t row = 0; row < grid.Size(); ++row) {
        for (size_t col = 0; col < grid[row].Size(); ++col) {
            count += grid[row][col].Number() == colour ? 1 : 0;
        }
    }
    return count;
}

TEST(AutoplayReplayTest, TheAutoplayTurnsToTheOneGroupAndTakesItOff) {
    AutoplayRun run;
    run.Write("pair.txt", kPairLeft);
    run.At(1, "start 1");
    run.At(2, "board \"" + run.File("pair.txt") + "\"");
    run.At(2, "shooter 1 1");
    run.At(40, "dump \"" + run.File("before.json") + "\"");  // the ready banner
    run.At(56, "dump \"" + run.File("turning.json") + "\"");
    run.At(120, "dump \"" + run.File("after.json") + "\"");
    ASSERT_TRUE(run.Run(120));

    const JsonValue before = run.Dump("before.json");
    ASSERT_EQ(CountColour(before, 1), 2);
    EXPECT_EQ(before["shooter"]["angle"].Float(), 0.0f);
    const JsonValue after = run.Dump("after.json");
    EXPECT_EQ(CountColour(after, 1), 0);
    EXPECT_LT(run.Dump("turning.json")["shooter"]["angle"].Float(), 0.0f);  // turned left
    EXPECT_GE(after["score"]["level"].Number(), 30);
    EXPECT_EQ(run.summary.rfind("autoplay: 120 frames, highest level 1, 0 passes, 0 fails, ", 0),
              0u)
        << run.summary;
}

TEST(AutoplayReplayTest, LeftAloneItClearsLevelOneAndGoesOnToLevelTwo) {
    AutoplayRun run;
    constexpr int kFrames = 4500;  // two and a half minutes of play
    run.At(kFrames, "dump \"" + run.File("end.json") + "\"");
    ASSERT_TRUE(run.Run(kFrames));
    const JsonValue end = run.Dump("end.json");
    EXPECT_EQ(end["appState"].Number(), 2);
    EXPECT_GE(end["level"]["current"].Number(), 2) << run.summary;
    EXPECT_NE(run.summary.find("highest level "), std::string::npos) << run.summary;
}

}  // namespace
