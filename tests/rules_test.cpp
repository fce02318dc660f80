// The level rules script as the game runs it: compiled, in a Lua state with
// only the base library, every rule function called for levels 1 to 10,000.
// Every result must fit the board and stay playable, and the difficulty must
// grow from a gentle first level.
#include "temp_folder.h"

#include <gtest/gtest.h>
#include <lua.hpp>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr int kLastLevel = 10000;

// A Lua state with the base library only that has run one script: the
// built one in the game folder, or the source compiled here when the game
// folder has not been built.
class Script {
public:
    explicit Script(const std::string& stem) {
        state_ = luaL_newstate();
        lua_pushcfunction(state_, luaopen_base);
        lua_call(state_, 0, 0);
        std::string path = std::string(BUBBLEHIVE_GAME_DIR) + "/script/" + stem + ".luac";
        if (!std::filesystem::exists(path)) {
            path = folder_ / (stem + ".luac");
            std::string command = std::string(BUBBLEHIVE_LUAC) + " -o '" + path + "' '" +
                                  BUBBLEHIVE_SOURCE_DIR + "/data/script/" + stem + ".lua'";
            EXPECT_EQ(std::system(command.c_str()), 0) << command;
        }
        if (luaL_loadfile(state_, path.c_str()) != 0 || lua_pcall(state_, 0, 0, 0) != 0) {
            ADD_FAILURE() << path << ": " << lua_tostring(state_, -1);
            lua_settop(state_, 0);
        }
    }
    ~Script() { lua_close(state_); }
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;

    // Calls a rule function with the level the way the game does (one number
    // in, one out); a missing function or a Lua error fails the test.
    double Call(const char* name, double level) {
        lua_getfield(state_, LUA_GLOBALSINDEX, name);
        lua_pushnumber(state_, level);
        if (lua_pcall(state_, 1, 1, 0) != 0) {
            ADD_FAILURE() << name << "(" << level << "): " << lua_tostring(state_, -1);
            lua_pop(state_, 1);
            return NAN;
        }
        if (!lua_isnumber(state_, -1)) {
            ADD_FAILURE() << name << "(" << level << ") gave no number";
        }
        double value = lua_tonumber(state_, -1);
        lua_pop(state_, 1);
        return value;
    }

    double Global(const char* name) {
        lua_getfield(state_, LUA_GLOBALSINDEX, name);
        EXPECT_TRUE(lua_isnumber(state_, -1)) << name << " is not a number";
        double value = lua_tonumber(state_, -1);
        lua_pop(state_, 1);
        return value;
    }

private:
    TempFolder folder_;
    lua_State* state_ = nullptr;
};

struct Level {
    double rows, colours, needRemove, fallTime, maxProps, putPropsTime;
};

Level RulesFor(Script& rules, int level) {
    return {rules.Call("getBlockInitHeight", level), rules.Call("getBlockNum", level),
            rules.Call("getNeedRemove", level),      rules.Call("getFallTime", level),
            rules.Call("getMaxProps", level),        rules.Call("getPutPropsTime", level)};
}

bool Whole(double v) {
    return std::isfinite(v) && v == std::floor(v);
}

TEST(RulesTest, EveryLevelFitsTheBoardAndStaysPlayable) {
    Script config("block_config");
    const double boardRows = config.Global("block_numy");
    ASSERT_GT(boardRows, 4);
    Script rules("block_function");
    for (int level = 1; level <= kLastLevel; ++level) {
        Level l = RulesFor(rules, level);
        SCOPED_TRACE("level " + std::to_string(level));
        // Opening rows: inside the grid, with room left above the launcher.
        ASSERT_TRUE(Whole(l.rows));
        ASSERT_GE(l.rows, 1);
        ASSERT_LE(l.rows, boardRows - 4);
        ASSERT_TRUE(Whole(l.colours));
        ASSERT_GE(l.colours, 1);
        ASSERT_LE(l.colours, 7);
        ASSERT_TRUE(Whole(l.needRemove));
        ASSERT_GE(l.needRemove, 0);
        // The board must not advance faster than a player can aim and shoot.
        ASSERT_GE(l.fallTime, 3.0);
        ASSERT_LE(l.fallTime, 60.0);
        ASSERT_TRUE(Whole(l.maxProps));
        ASSERT_GE(l.maxProps, 0);
        ASSERT_LE(l.maxProps, 12);
        ASSERT_GE(l.putPropsTime, 1.0);
        ASSERT_LE(l.putPropsTime, 120.0);
    }
}

TEST(RulesTest, DifficultyGrowsFromAGentleStart) {
    Script rules("block_function");
    Level first = RulesFor(rules, 1);
    Level tenth = RulesFor(rules, 10);
    // A first-time player meets few colours, few rows and slow pressure.
    EXPECT_LE(first.colours, 4);
    EXPECT_LE(first.rows, 5);
    EXPECT_GE(first.fallTime, 10.0);
    // Level 10 asks for much more.
    EXPECT_GE(tenth.colours, first.colours + 2);
    EXPECT_GT(tenth.rows, first.rows);
    EXPECT_GT(tenth.needRemove, first.needRemove);
    EXPECT_LE(tenth.fallTime, first.fallTime * 0.6);

    // No level is easier than the one before it.
    Level previous = first;
    for (int level = 2; level <= kLastLevel; ++level) {
        Level l = RulesFor(rules, level);
        SCOPED_TRACE("level " + std::to_string(level));
        ASSERT_GE(l.colours, previous.colours);
        ASSERT_GE(l.rows, previous.rows);
        ASSERT_GE(l.needRemove, previous.needRemove);
        ASSERT_LE(l.fallTime, previous.fallTime);
        previous = l;
    }
}

TEST(RulesTest, ShotSpeedsAreOrderedAndNeverSkipABlock) {
    Script config("block_config");
    const double blockWidth = config.Global("block_width");
    Script rules("block_function");
    const double slow = rules.Global("ShootSpeedSlow");
    const double normal = rules.Global("ShootSpeed");
    const double fast = rules.Global("ShootSpeedFast");
    EXPECT_GT(slow, 0);
    EXPECT_LT(slow, normal);
    EXPECT_LT(normal, fast);
    // At 30 frames per second a fast shot still moves less than a block per
    // frame, so the contact test cannot jump over a block.
    EXPECT_LT(fast / 30.0, blockWidth);
    EXPECT_GT(rules.Global("ShootSpeedTime"), 0);
}

}  // namespace
