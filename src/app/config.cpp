#include "app/config.h"

#include "app/lua_globals.h"

#include <cstdio>

void ReadConfig(const std::string& path, Config& config) {
    LuaGlobals lua;
    std::string error;
    if (lua.RunFile(path, error) != LuaGlobals::Result::Ran) {
        // The game runs with its defaults; the file is optional.
        std::fprintf(stderr, "%s: not used, keeping the default window (%s)\n", path.c_str(),
                     error.c_str());
        return;
    }
    const auto read = [&](const char* key) {
        auto value = lua.Number(key);
        if (!value) {
            std::fprintf(stderr, "%s: no number `%s`; using 0\n", path.c_str(), key);
        }
        return TruncateToInt(value.value_or(0));
    };
    config.width = read("screenwidth");
    config.height = read("screenheight");
    config.fps = read("app_fps");
}

std::string ReadTitle(const std::string& path) {
    LuaGlobals lua;
    std::string error;
    if (lua.RunFile(path, error) != LuaGlobals::Result::Ran) {
        return kDefaultTitle;
    }
    auto title = lua.String("app_title");
    if (!title) {
        std::fprintf(stderr, "%s: no string `app_title`; using \"%s\"\n", path.c_str(),
                     kDefaultTitle);
        return kDefaultTitle;
    }
    return *title;
}
