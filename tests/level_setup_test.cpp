// Level set-up from a rule script: the order of the rule calls, what each
// result becomes, the opening rows, what a set-up resets, and the rule
// script's failures and out-of-range answers.
#include "game/level_setup.h"
#include "block_fixture.h"
#include "game/game.h"
#include "game/rule_script.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

// Every rule logs its name and argument in `calls`.
constexpr const char* kLoggingRules = R"(
calls = ""
local function log(name, n) calls = calls .. name .. "(" .. n .. ") " end
function getBlockNum(n) log("getBlockNum", n) return 3.9 end
function getBlockInitHeight(n) log("getBlockInitHeight", n) return 4 end
function getNeedRemove(n) log("getNeedRemove", n) return 6.7 end
function getMaxProps(n) log("getMaxProps", n) return 2 end
function getPutPropsTime(n) log("getPutPropsTime", n) return 2.5 end
function getFallTime(n) log("getFallTime", n) return n + 0.25 end
ShootSpeed = 600
function speedUp(n) ShootSpeed = n return 0 end
)";

class LevelSetupTest : public BlockFixture {
protected:
    void SetUp() override {
        BlockFixture::SetUp();
        hge->System_SetStateString(HGE_GAMEDIR, folder.Path().string());
        game.hge = hge;
        game.blocks = std::move(blocks);
        ConfigureBoard(game.board, {8, 10, 31, 30, 0, 40.7f}, "test");
    }
    void TearDown() override {
        game = Game{};
        BlockFixture::TearDown();
    }
    void Rules(const std::string& text) { folder.Write("script/block_function.luac", text); }

    TempFolder folder;
    Game game;
};

TEST_F(LevelSetupTest, SetsTheLevelUpInOrderFromItsRules) {
    Rules(kLoggingRules);
    // Leftovers of a previous level that the set-up must clear.
    game.board.BoardOriginY = 123.5f;
    FillRow(game.board, game.blocks, *hge, 9, 0, 7);
    game.board.At(2, 9).prop = 5;
    SpawnRemoval(game.effects, game.blocks, 1, 0, 0);
    game.props = {1, 3.0f, true, 2.0f, 1, 1, {}, 4, 9.0f};
    game.flying.inFlight = true;
    game.level.fallTimer = 3.0f;
    game.level.advanceDue = true;
    game.score = {700, 250};
    game.level.current = 6;

    SetUpLevel(game, 6);

    const Board& board = game.board;
    EXPECT_EQ(board.BoardOriginY, 40.0f);  // truncated from 40.7 ...
    EXPECT_EQ(board.bottomLine, 289);      // ... while the bottom line kept it
    EXPECT_EQ(game.level.needRemove, 6);
    EXPECT_EQ(game.level.maxProps, 2);
    EXPECT_EQ(game.level.putPropsTime, 2.5f);
    EXPECT_EQ(game.level.fallTime, 6.25f);
    EXPECT_EQ(game.level.fallTimer, 0.0f);
    EXPECT_FALSE(game.level.advanceDue);
    EXPECT_EQ(game.props.propTimer, 0.0f);
    EXPECT_EQ(game.props.propsOnBoard, 0);
    EXPECT_EQ(game.props.bombShots, 0);
    EXPECT_EQ(game.props.infectionShots, 0);
    EXPECT_FALSE(game.props.aimLineOn);
    EXPECT_EQ(game.props.aimLineTimer, 0.0f);
    EXPECT_EQ(game.props.speedMode, 1);  // the speed mode is the callers'
    EXPECT_FALSE(game.flying.inFlight);
    EXPECT_TRUE(game.effects.removals.empty());
    EXPECT_EQ(game.score.total, 700);  // so are the points
    EXPECT_EQ(game.level.current, 6);

    std::set<int> colours;
    for (int row = 0; row < board.numy; ++row) {
        for (int col = 0; col < board.numx; ++col) {
            const Cell& cell = board.At(col, row);
            EXPECT_EQ(cell.shifted, row % 2) << col << "," << row;
            EXPECT_EQ(cell.prop, 0);
            EXPECT_EQ(cell.y, 55.0f + row * board.rowPitch);
            EXPECT_EQ(cell.x, 15.0f + 31.0f * col + (row % 2 ? 15.0f : 0.0f));
            if (row < 4) {
                EXPECT_EQ(cell.kind, 1);
                EXPECT_EQ(cell.animation.state, AnimState::Normal);
                EXPECT_EQ(cell.animation.colour, cell.colour);
                ASSERT_NE(cell.animation.animation, nullptr);
                EXPECT_TRUE(cell.animation.animation->IsPlaying());
                colours.insert(cell.colour);
            } else {
                EXPECT_EQ(cell.kind, 0);
                EXPECT_EQ(cell.colour, 0);
                EXPECT_EQ(cell.animation.animation, nullptr);
            }
        }
    }
    // getBlockNum's 3.9 is truncated: 32 blocks use colours 1..3 only.
    EXPECT_EQ(colours, (std::set<int>{1, 2, 3}));
}

TEST_F(LevelSetupTest, RulesAreCalledOnceEachInOrderAndFallTimeTakesTheCurrentLevel) {
    Rules(std::string(kLoggingRules) + R"(
function callsAsExpected(n)
    if calls == "getBlockNum(4) getBlockInitHeight(4) getNeedRemove(4) getMaxProps(4) " ..
                "getPutPropsTime(4) getFallTime(9) " then
        return 1
    end
    return 0
end
)");
    game.level.current = 9;
    SetUpLevel(game, 4);
    EXPECT_EQ(CallRule(game.rules, *hge, "callsAsExpected", 0), 1.0);
    EXPECT_EQ(game.level.fallTime, 9.25f);
}

TEST_F(LevelSetupTest, MissingOrFailingRulesGiveZero) {
    Rules(R"(
function getBlockNum(n) error("broken") end
function getNeedRemove(n) error(42) end
function getMaxProps(n) return "7" end
function getPutPropsTime(n) return {} end
)");
    testing::internal::CaptureStderr();
    SetUpLevel(game, 1);
    const std::string messages = testing::internal::GetCapturedStderr();
    EXPECT_EQ(game.level.needRemove, 0);  // even an error value that is a number
    EXPECT_EQ(game.level.maxProps, 7);    // a numeric string is a number
    EXPECT_EQ(game.level.putPropsTime, 0.0f);
    EXPECT_EQ(game.level.fallTime, 0.0f);
    EXPECT_EQ(CallRule(game.rules, *hge, "getBlockInitHeight", 1), 0.0);
    for (const Cell& cell : game.board.cells) {
        EXPECT_EQ(cell.kind, 0);  // no rows
    }
    EXPECT_NE(messages.find("getBlockNum"), std::string::npos) << messages;
}

TEST_F(LevelSetupTest, AMissingScriptGivesAnEmptyLevel) {
    testing::internal::CaptureStderr();
    SetUpLevel(game, 1);
    const std::string messages = testing::internal::GetCapturedStderr();
    EXPECT_NE(messages.find("block_function.luac"), std::string::npos) << messages;
    EXPECT_EQ(game.level.needRemove, 0);
    EXPECT_EQ(game.level.fallTime, 0.0f);
    EXPECT_EQ(ReadSpeedGlobal(game.rules, "ShootSpeed"), 0.0f);
    for (const Cell& cell : game.board.cells) {
        EXPECT_EQ(cell.kind, 0);
    }
}

struct ClampCase {
    double rows, colours;
    int filledRows, lowestColour, highestColour;
};

TEST_F(LevelSetupTest, OutOfRangeRulesAreClampedToTheGridAndTheColours) {
    const ClampCase cases[] = {
        {100, 2, 10, 1, 2},  // more rows than the grid: all ten
        {-2, 2, 0, 0, 0},    // fewer than none: none
        {2, 0, 2, 1, 1},     // no colours: colour 1
        {3, 12, 3, 1, 7},    // more than seven colours: seven
    };
    for (const ClampCase& c : cases) {
        Rules("function getBlockInitHeight(n) return " + std::to_string(c.rows) +
              " end\nfunction getBlockNum(n) return " + std::to_string(c.colours) + " end\n");
        game.rules = RuleScript{};
        testing::internal::CaptureStderr();
        SetUpLevel(game, 1);
        const std::string messages = testing::internal::GetCapturedStderr();
        int filled = 0, lowest = 0, highest = 0;
        for (int row = 0; row < game.board.numy; ++row) {
            if (game.board.At(0, row).kind != 0) {
                filled = row + 1;
            }
            for (int col = 0; col < game.board.numx; ++col) {
                const int colour = game.board.At(col, row).colour;
                if (colour != 0) {
                    lowest = lowest == 0 ? colour : std::min(lowest, colour);
                    highest = std::max(highest, colour);
                }
            }
        }
        EXPECT_EQ(filled, c.filledRows) << c.rows << " rows, " << c.colours << " colours";
        EXPECT_EQ(lowest, c.lowestColour) << c.rows << " rows, " << c.colours << " colours";
        EXPECT_LE(highest, c.highestColour) << c.rows << " rows, " << c.colours << " colours";
        if (c.filledRows == 3) {
            EXPECT_GE(highest, 5) << "seven colours in 24 blocks";
        }
        EXPECT_FALSE(messages.empty()) << "an out-of-range rule is reported";
    }
}

TEST_F(LevelSetupTest, SpeedGlobalsAreReadFromTheLiveScript) {
    Rules(kLoggingRules);
    EXPECT_EQ(ReadSpeedGlobal(game.rules, "ShootSpeed"), 0.0f);  // no state yet
    SetUpLevel(game, 1);
    EXPECT_EQ(ReadSpeedGlobal(game.rules, "ShootSpeed"), 600.0f);
    CallRule(game.rules, *hge, "speedUp", 750.5);
    EXPECT_EQ(ReadSpeedGlobal(game.rules, "ShootSpeed"), 750.5f);
    EXPECT_EQ(ReadSpeedGlobal(game.rules, "ShootSpeedSlow"), 0.0f);
}

}  // namespace
