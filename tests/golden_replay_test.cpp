// Golden replays: every script of tests/replays runs through the replay tool
// and each dump it writes must match the expected dump kept beside it, field
// by field. A failure names the first differing field of each dump.
//
// How a script runs (scripts/rebless does the same): the files of
// tests/replays are copied into a fresh run folder, and from inside it
//   SDL_AUDIODRIVER=dummy bubblehive-replay --fps 30 --save-dir saves NAME.replay
// so the script's relative names (its boards, its dumps) stay in that folder
// and the sounds load the same on every machine. Every *.json left there is
// compared with tests/replays/NAME/*.json.
#include "json_value.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kReplays = fs::path(BUBBLEHIVE_SOURCE_DIR) / "tests" / "replays";

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The names of the scripts in tests/replays, without ".replay", sorted.
std::vector<std::string> FindScripts() {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(kReplays, ec)) {
        if (entry.is_regular_file() && entry.path().extension() == ".replay") {
            names.push_back(entry.path().stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The names of the *.json files directly inside a folder, sorted.
std::set<std::string> JsonFilesIn(const fs::path& folder) {
    std::set<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (entry.is_regular_file() && entry.path().extension() == ".json") {
            names.insert(entry.path().filename().string());
        }
    }
    return names;
}

// A word for the shell, in single quotes.
std::string Quoted(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// A value as a failure message shows it: containers by their size only.
std::string Show(const JsonValue& value) {
    switch (value.kind()) {
        case JsonValue::Kind::Null:
            return "null";
        case JsonValue::Kind::Bool:
            return value.Bool() ? "true" : "false";
        case JsonValue::Kind::Number: {
            char text[32];
            std::snprintf(text, sizeof text, "%.9g", value.Number());
            return text;
        }
        case JsonValue::Kind::String:
            return "\"" + value.String() + "\"";
        case JsonValue::Kind::Array:
            return "an array of " + std::to_string(value.Size());
        case JsonValue::Kind::Object:
            return "an object of " + std::to_string(value.Size()) + " keys";
    }
    return "?";
}

// The path of a member: .key, or ["key"] when the key is no plain name (the
// button keys hold a dot).
std::string MemberPath(const std::string& path, const std::string& key) {
    const bool plain = !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    });
    if (plain) {
        return path.empty() ? key : path + "." + key;
    }
    return path + "[\"" + key + "\"]";
}

// The first field where actual differs from expected, as
// "PATH: expected X, got Y"; empty when they are the same.
std::string FirstDifference(const JsonValue& expected, const JsonValue& actual,
                            const std::string& path) {
    const std::string where = path.empty() ? "(the whole dump)" : path;
    if (expected.kind() != actual.kind()) {
        return where + ": expected " + Show(expected) + ", got " + Show(actual);
    }
    switch (expected.kind()) {
        case JsonValue::Kind::Null:
            return "";
        case JsonValue::Kind::Bool:
        case JsonValue::Kind::Number:
        case JsonValue::Kind::String:
            if (Show(expected) == Show(actual) && expected.Number() == actual.Number()) {
                return "";
            }
            return where + ": expected " + Show(expected) + ", got " + Show(actual);
        case JsonValue::Kind::Array: {
            const auto& want = expected.Items();
            const auto& got = actual.Items();
            for (size_t i = 0; i < std::min(want.size(), got.size()); ++i) {
                std::string difference =
                    FirstDifference(want[i], got[i], path + "[" + std::to_string(i) + "]");
                if (!difference.empty()) {
                    return difference;
                }
            }
            if (want.size() != got.size()) {
                return where + ": expected " + Show(expected) + ", got " + Show(actual);
            }
            return "";
        }
        case JsonValue::Kind::Object: {
            for (const auto& [key, value] : expected.Members()) {
                if (!actual.Has(key)) {
                    return MemberPath(path, key) + ": expected " + Show(value) + ", got nothing";
                }
                std::string difference = FirstDifference(value, actual[key], MemberPath(path, key));
                if (!difference.empty()) {
                    return difference;
                }
            }
            for (const auto& [key, value] : actual.Members()) {
                if (!expected.Has(key)) {
                    return MemberPath(path, key) + ": expected nothing, got " + Show(value);
                }
            }
            return "";
        }
    }
    return "";
}

TEST(GoldenReplayDifferenceTest, NamesTheFirstDifferingFieldWithBothValues) {
    const JsonValue expected = JsonValue::Parse(
        R"({"board": {"colour": [[1, 2], [3, 4]]}, "buttons": {"a.b": {"state": 0}},
            "name": "张三", "flying": null, "list": [1, 2]})");
    struct Case {
        const char* actual;
        const char* difference;
    };
    const Case cases[] = {
        {R"({"board": {"colour": [[1, 2], [3, 4]]}, "buttons": {"a.b": {"state": 0}},
             "name": "张三", "flying": null, "list": [1, 2]})",
         ""},
        {R"({"board": {"colour": [[1, 2], [3, 5]]}, "buttons": {"a.b": {"state": 0}},
             "name": "张三", "flying": null, "list": [1, 2]})",
         "board.colour[1][1]: expected 4, got 5"},
        {R"({"board": {"colour": [[1, 2], [3, 4]]}, "buttons": {"a.b": {"state": 1}},
             "name": "张", "flying": null, "list": [1, 2]})",
         "buttons[\"a.b\"].state: expected 0, got 1"},
        {R"({"board": {"colour": [[1, 2], [3, 4]]}, "buttons": {"a.b": {"state": 0}},
             "name": "张", "flying": {"x": 1}, "list": [1, 2]})",
         "flying: expected null, got an object of 1 keys"},
        {R"({"board": {"colour": [[1, 2], [3, 4]]}, "buttons": {"a.b": {"state": 0}},
             "name": "张三", "flying": null, "list": [1, 2, 3]})",
         "list: expected an array of 2, got an array of 3"},
        {R"({"board": {"colour": [[1, 2], [3, 4]]}, "buttons": {"a.b": {"state": 0}},
             "name": "张三", "flying": null, "list": [1, 2], "extra": true})",
         "extra: expected nothing, got true"},
        {R"({"board": {"colour": [[1, 2], [3, 4]]}, "buttons": {"a.b": {"state": 0}},
             "flying": null, "list": [1, 2]})",
         "name: expected \"张三\", got nothing"},
    };
    for (const Case& c : cases) {
        std::string error;
        const JsonValue actual = JsonValue::Parse(c.actual, &error);
        ASSERT_TRUE(error.empty()) << error;
        EXPECT_EQ(FirstDifference(expected, actual, ""), c.difference) << c.actual;
    }
}

class GoldenReplayTest : public testing::TestWithParam<std::string> {};

TEST_P(GoldenReplayTest, DumpsMatchTheExpectedOnes) {
    const std::string name = GetParam();
    TempFolder folder;
    const fs::path run = folder.Path() / "run";
    fs::create_directories(run);
    for (const auto& entry : fs::directory_iterator(kReplays)) {
        if (entry.is_regular_file()) {
            fs::copy_file(entry.path(), run / entry.path().filename());
        }
    }
    const std::string replay = (fs::path(BUBBLEHIVE_GAME_DIR) / "bubblehive-replay").string();
    const std::string errors = folder / "stderr.txt";
    const std::string command = "cd " + Quoted(run.string()) + " && SDL_AUDIODRIVER=dummy " +
                                Quoted(replay) + " --fps 30 --save-dir saves " +
                                Quoted(name + ".replay") + " 2>" + Quoted(errors);
    ASSERT_EQ(std::system(command.c_str()), 0) << command << "\n" << ReadText(errors);

    const fs::path expectedFolder = kReplays / name;
    const std::set<std::string> expected = JsonFilesIn(expectedFolder);
    const std::set<std::string> actual = JsonFilesIn(run);
    ASSERT_FALSE(expected.empty())
        << "no expected dumps in " << expectedFolder.string() << ": run scripts/rebless " << name;
    for (const std::string& file : expected) {
        if (!actual.count(file)) {
            ADD_FAILURE() << name << "/" << file << ": expected, but the run wrote no such dump";
            continue;
        }
        std::string error;
        const JsonValue want = JsonValue::Parse(ReadText(expectedFolder / file), &error);
        ASSERT_TRUE(error.empty()) << name << "/" << file << " (expected): " << error;
        const JsonValue got = JsonValue::Parse(ReadText(run / file), &error);
        ASSERT_TRUE(error.empty()) << name << "/" << file << " (written): " << error;
        const std::string difference = FirstDifference(want, got, "");
        if (!difference.empty()) {
            ADD_FAILURE() << name << "/" << file << ": " << difference;
        }
    }
    for (const std::string& file : actual) {
        if (!expected.count(file)) {
            ADD_FAILURE() << name << "/" << file
                          << ": written, but not expected (run scripts/rebless " << name
                          << " if the script now asks for it)";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, GoldenReplayTest, testing::ValuesIn(FindScripts()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

}  // namespace
