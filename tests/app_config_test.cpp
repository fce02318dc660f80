// The window configuration: defaults without a script, numbers truncated,
// missing keys as 0, and the title's fallback.
#include "app/config.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// Compiles Lua source into a .luac the way the build does.
std::string CompileScript(const TempFolder& folder, const std::string& source) {
    folder.Write("config.lua", source);
    const std::string out = folder / "config.luac";
    const std::string command =
        std::string(BUBBLEHIVE_LUAC) + " -o '" + out + "' '" + (folder / "config.lua") + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return out;
}

struct ConfigCase {
    const char* name;
    const char* source;  // null: no script at all
    Config expected;
    bool compile = true;  // false: the source itself is the .luac, as loadfile accepts
};

class ConfigTest : public testing::TestWithParam<ConfigCase> {};

TEST_P(ConfigTest, ReadsWindowAndTitle) {
    const ConfigCase& c = GetParam();
    TempFolder folder;
    std::string path = folder / "script/config.luac";
    if (c.source && c.compile) {
        path = CompileScript(folder, c.source);
    } else if (c.source) {
        folder.Write("script/config.luac", c.source);
    }
    Config config;
    ReadConfig(path, config);
    config.title = ReadTitle(path);
    EXPECT_EQ(config.width, c.expected.width);
    EXPECT_EQ(config.height, c.expected.height);
    EXPECT_EQ(config.fps, c.expected.fps);
    EXPECT_EQ(config.title, c.expected.title);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ConfigTest,
    testing::Values(
        ConfigCase{"NoScript", nullptr, {800, 600, 30, "Bubblehive"}},
        ConfigCase{"Full",
                   "screenwidth = 1024 screenheight = 768 app_fps = 60 app_title = 'Hive'",
                   {1024, 768, 60, "Hive"}},
        ConfigCase{"NoFps",
                   "screenwidth = 800 screenheight = 600 app_title = 'Hive'",
                   {800, 600, 0, "Hive"}},
        ConfigCase{"Fractions",
                   "screenwidth = 800.9 screenheight = 600.2 app_fps = -30.7",
                   {800, 600, -30, "Bubblehive"}},
        ConfigCase{"NumericStrings",
                   "screenwidth = '640' screenheight = 'tall' app_title = 7",
                   {640, 0, 0, "7"}},
        // A script that fails while running keeps every default.
        ConfigCase{"RunError", "screenwidth = 1024 error('broken')", {800, 600, 30, "Bubblehive"}},
        ConfigCase{"SyntaxError", "screenwidth = = 3", {800, 600, 30, "Bubblehive"}, false},
        ConfigCase{"PlainSource",
                   "screenwidth = 320 screenheight = 240 app_fps = 25",
                   {320, 240, 25, "Bubblehive"},
                   false}),
    [](const testing::TestParamInfo<ConfigCase>& info) { return std::string(info.param.name); });

}  // namespace
