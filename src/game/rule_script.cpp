#include "game/rule_script.h"

#include "engine/hge.h"

#include <lua.hpp>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* kRuleScriptFile = "script/block_function.luac";

// What a rule gives when the game cannot make a Lua state at all.
double RuleDefault(const char* name) {
    if (std::strcmp(name, "getBlockInitHeight") == 0) {
        return 3.0;
    }
    if (std::strcmp(name, "getPutPropsTime") == 0) {
        return 10.0;
    }
    return 5.0;  // getBlockNum, getNeedRemove, getFallTime, getMaxProps
}

// Makes the rule state and runs the script in it once. A script that does
// not load or run still leaves a state: its rules then give 0.
void OpenRuleScript(RuleScript& rules, HGE& hge) {
    lua_State* state = luaL_newstate();
    if (state == nullptr) {
        std::fprintf(stderr, "%s: no Lua state for the level rules; using their defaults\n",
                     kRuleScriptFile);
        return;
    }
    rules.state.reset(state);
    lua_pushcfunction(state, luaopen_base);
    lua_call(state, 0, 0);
    const std::string path = hge.Resource_MakePath(kRuleScriptFile);
    int status = luaL_loadfile(state, path.c_str());
    if (status == 0) {
        status = lua_pcall(state, 0, LUA_MULTRET, 0);
    }
    if (status != 0) {
        const char* message = lua_tostring(state, -1);
        std::fprintf(stderr, "%s: the level rules did not load, every rule gives 0: %s\n",
                     kRuleScriptFile, message ? message : "unknown error");
    }
    lua_settop(state, 0);
}

}  // namespace

void LuaStateCloser::operator()(lua_State* state) const {
    lua_close(state);
}

double CallRule(RuleScript& rules, HGE& hge, const char* name, double n) {
    if (!rules.state) {
        OpenRuleScript(rules, hge);
    }
    if (!rules.state) {
        return RuleDefault(name);
    }
    lua_State* state = rules.state.get();
    lua_getfield(state, LUA_GLOBALSINDEX, name);
    lua_pushnumber(state, n);
    double value = 0.0;
    if (lua_pcall(state, 1, 1, 0) == 0) {
        value = lua_tonumber(state, -1);  // 0 for anything but a number
    } else {
        // A missing or failing rule gives 0, even when the error value is a
        // number.
        const char* message = lua_tostring(state, -1);
        std::fprintf(stderr, "%s: rule %s(%g) failed, using 0: %s\n", kRuleScriptFile, name, n,
                     message ? message : "unknown error");
    }
    lua_pop(state, 1);
    return value;
}

float ReadSpeedGlobal(const RuleScript& rules, const char* name) {
    if (!rules.state) {
        return 0.0f;
    }
    lua_State* state = rules.state.get();
    lua_getfield(state, LUA_GLOBALSINDEX, name);
    const double value = lua_tonumber(state, -1);
    lua_pop(state, 1);
    return static_cast<float>(value);
}
