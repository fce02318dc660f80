// The level rules: script/block_function.luac, loaded on the first rule call
// and kept open for the whole run, its rule functions and speed globals.
#pragma once

#include <memory>

struct lua_State;

struct LuaStateCloser {
    void operator()(lua_State* state) const;
};

struct RuleScript {
    // Null until the first rule call; stays null only when no Lua state can
    // be made.
    std::unique_ptr<lua_State, LuaStateCloser> state;
};

class HGE;

// Calls rule function `name` with n and returns its number: 0 when the
// function is missing or fails; the function's default (getBlockInitHeight
// 3, getFallTime 5, getPutPropsTime 10, the others 5) only when no Lua state
// can be made.
double CallRule(RuleScript& rules, HGE& hge, const char* name, double n);
// A rule-script global (ShootSpeed, ShootSpeedSlow, ShootSpeedFast,
// ShootSpeedTime) as it is now; 0 when missing or before any rule call.
float ReadSpeedGlobal(const RuleScript& rules, const char* name);
