// A Lua 5.1 state with the base library only, for scripts that just assign
// global variables: the configuration and every screen's layout script.
#pragma once

#include <optional>
#include <string>

struct lua_State;

class LuaGlobals {
public:
    enum class Result { Ran, LoadFailed, RunFailed };

    LuaGlobals();
    ~LuaGlobals();
    LuaGlobals(const LuaGlobals&) = delete;
    LuaGlobals& operator=(const LuaGlobals&) = delete;

    // Loads the file (source or compiled chunk) and, only if that worked,
    // runs it. On failure error holds Lua's message; the globals assigned
    // before a run-time error stay set.
    Result RunFile(const std::string& path, std::string& error);

    // The global as a number (numeric strings convert, as lua_tonumber
    // does); empty when it is absent or not a number.
    std::optional<double> Number(const char* key) const;
    // The global as a string (numbers convert, as lua_tolstring does);
    // empty when it is absent or neither a string nor a number.
    std::optional<std::string> String(const char* key) const;

private:
    lua_State* state_ = nullptr;
};

// A script number as the int the game stores: truncated toward zero, NaN as
// 0, clamped to the range of int.
int TruncateToInt(double value);
