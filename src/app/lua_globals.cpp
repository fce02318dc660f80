#include "app/lua_globals.h"

#include <lua.hpp>

#include <cmath>
#include <limits>

LuaGlobals::LuaGlobals() : state_(luaL_newstate()) {
    // In Lua 5.1 a library opener must be called through Lua itself.
    lua_pushcfunction(state_, luaopen_base);
    lua_call(state_, 0, 0);
}

LuaGlobals::~LuaGlobals() {
    lua_close(state_);
}

LuaGlobals::Result LuaGlobals::RunFile(const std::string& path, std::string& error) {
    if (luaL_loadfile(state_, path.c_str()) != 0) {
        const char* message = lua_tostring(state_, -1);
        error = message ? message : "cannot load";
        lua_settop(state_, 0);
        return Result::LoadFailed;
    }
    if (lua_pcall(state_, 0, LUA_MULTRET, 0) != 0) {
        const char* message = lua_tostring(state_, -1);
        error = message ? message : "error while running";
        lua_settop(state_, 0);
        return Result::RunFailed;
    }
    lua_settop(state_, 0);
    return Result::Ran;
}

std::optional<double> LuaGlobals::Number(const char* key) const {
    lua_getfield(state_, LUA_GLOBALSINDEX, key);
    std::optional<double> value;
    if (lua_isnumber(state_, -1)) {
        value = lua_tonumber(state_, -1);
    }
    lua_pop(state_, 1);
    return value;
}

std::optional<std::string> LuaGlobals::String(const char* key) const {
    lua_getfield(state_, LUA_GLOBALSINDEX, key);
    std::optional<std::string> value;
    size_t length = 0;
    if (const char* text = lua_tolstring(state_, -1, &length)) {
        value.emplace(text, length);
    }
    lua_pop(state_, 1);
    return value;
}

int TruncateToInt(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double kMin = std::numeric_limits<int>::min();
    constexpr double kMax = std::numeric_limits<int>::max();
    if (value <= kMin) {
        return std::numeric_limits<int>::min();
    }
    if (value >= kMax) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(value);  // the conversion truncates toward zero
}
