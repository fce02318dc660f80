// Replay scripts: what each command accepts and how a bad line is reported;
// and the JSON the dumps are written in.
#include "replay/replay_script.h"
#include "engine/hge.h"
#include "replay/commands.h"
#include "replay/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>

#include <string>
#include <vector>

namespace {

ReplayCommand ParseOne(const std::string& line) {
    std::vector<std::string> errors;
    ReplayScript script = ParseReplayScript(line, "s.txt", errors);
    EXPECT_TRUE(errors.empty()) << line << ": " << (errors.empty() ? "" : errors[0]);
    EXPECT_EQ(script.commands.size(), 1u) << line;
    return script.commands.empty() ? ReplayCommand{} : script.commands[0];
}

struct GoodLine {
    const char* line;
    const char* command;
    int frame;
    int number;
    bool flag;
    float x, y;
    const char* text;
};

TEST(ReplayScriptTest, ReadsEveryCommand) {
    const GoodLine cases[] = {
        {"at 1 key SPACE down", "key", 1, HGEK_SPACE, true, 0, 0, ""},
        {"at 2 key ESCAPE up", "key", 2, HGEK_ESCAPE, false, 0, 0, ""},
        {"at 3 key Q down", "key", 3, HGEK_A + 16, true, 0, 0, ""},
        {"at 3 key 65 down", "key", 3, 65, true, 0, 0, ""},
        {"at 3 key F12 down", "key", 3, HGEK_F1 + 11, true, 0, 0, ""},
        {"  at\t40  mouse 12.5 -3   # trailing comment", "mouse", 40, 0, false, 12.5f, -3, ""},
        {"at 5 press", "press", 5, 0, false, 0, 0, ""},
        {"at 5 release", "release", 5, 0, false, 0, 0, ""},
        {"at 6 text \"Hi \\\"you\\\" # not a comment \\\\\"", "text", 6, 0, false, 0, 0,
         "Hi \"you\" # not a comment \\"},
        {"at 6 text \"\xE8\x9C\x82\xE5\xB7\xA2\"", "text", 6, 0, false, 0, 0,
         "\xE8\x9C\x82\xE5\xB7\xA2"},
        {"at 7 focus lost", "focus", 7, 0, false, 0, 0, ""},
        {"at 8 focus gained", "focus", 8, 0, true, 0, 0, ""},
        {"at 9 shot out/a.png", "shot", 9, 0, false, 0, 0, "out/a.png"},
        {"at 9 dump \"with space.json\"", "dump", 9, 0, false, 0, 0, "with space.json"},
        {"at 100000 quit", "quit", 100000, 0, false, 0, 0, ""},
    };
    for (const GoodLine& c : cases) {
        SCOPED_TRACE(c.line);
        const ReplayCommand command = ParseOne(c.line);
        ASSERT_NE(command.kind, nullptr);
        EXPECT_STREQ(command.kind->name, c.command);
        EXPECT_EQ(command.frame, c.frame);
        EXPECT_EQ(command.line, 1);
        EXPECT_EQ(command.number, c.number);
        EXPECT_EQ(command.flag, c.flag);
        EXPECT_EQ(command.x, c.x);
        EXPECT_EQ(command.y, c.y);
        EXPECT_EQ(command.text, c.text);
    }
}

TEST(ReplayScriptTest, ReportsEachMalformedLineWithFileAndLine) {
    struct BadLine {
        const char* line;
        const char* message;  // a part of the expected message
    };
    const BadLine cases[] = {
        {"key SPACE down", "expected `at FRAME COMMAND"},
        {"at 5", "expected `at FRAME COMMAND"},
        {"at 0 press", "not a frame number"},
        {"at -2 press", "not a frame number"},
        {"at 1.5 press", "not a frame number"},
        {"at x press", "not a frame number"},
        {"at 1 jump", "unknown command `jump`"},
        {"at 1 key SPAC down", "unknown key `SPAC`"},
        {"at 1 key 0 down", "unknown key"},
        {"at 1 key 300 down", "unknown key"},
        {"at 1 key SPACE pressed", "expected down or up"},
        {"at 1 key SPACE", "expected a key name"},
        {"at 1 mouse 10", "expected two numbers"},
        {"at 1 mouse 10 abc", "expected two numbers"},
        {"at 1 press now", "takes no arguments"},
        {"at 1 text \"open", "unterminated"},
        {"at 1 text \"a\\qb\"", "unknown escape"},
        {"at 1 text \"a\"b", "followed by a space"},
        {"at 1 text one two", "expected one quoted text"},
        {"at 1 text \"\xFF\"", "not valid UTF-8"},
        {"at 1 focus away", "expected lost or gained"},
        {"at 1 shot picture.bmp", "ending in .png"},
        {"at 1 dump state.png", "ending in .json"},
        {"at 1 quit now", "takes no arguments"},
    };
    for (const BadLine& c : cases) {
        SCOPED_TRACE(c.line);
        std::vector<std::string> errors;
        const std::string text = "# header\n\nat 1 press\n" + std::string(c.line) + "\n";
        ReplayScript script = ParseReplayScript(text, "dir/run.txt", errors);
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors[0].rfind("dir/run.txt:4: ", 0), 0u) << errors[0];
        EXPECT_NE(errors[0].find(c.message), std::string::npos) << errors[0];
        EXPECT_EQ(script.commands.size(), 1u);
    }
}

TEST(ReplayScriptTest, KeepsWrittenOrderAndFindsLastFrame) {
    std::vector<std::string> errors;
    const ReplayScript script = ParseReplayScript(
        "at 9 dump a.json\n# comment only\n   \nat 3 key A down\nat 9 shot a.png\n", "s", errors);
    ASSERT_TRUE(errors.empty());
    ASSERT_EQ(script.commands.size(), 3u);
    EXPECT_STREQ(script.commands[0].kind->name, "dump");
    EXPECT_EQ(script.commands[1].line, 4);
    EXPECT_STREQ(script.commands[2].kind->name, "shot");
    EXPECT_EQ(script.LastFrame(), 9);
    EXPECT_EQ(ParseReplayScript("", "s", errors).LastFrame(), 0);
}

TEST(JsonWriterTest, WritesNestedValuesDeterministically) {
    JsonWriter json;
    json.BeginObject();
    json.Key("n");
    json.Int(-3);
    json.Key("f");
    json.Float(0.1f);
    json.Key("nan");
    json.Float(std::nan(""));
    json.Key("empty");
    json.BeginObject();
    json.EndObject();
    json.Key("list");
    json.BeginArray();
    json.Bool(true);
    json.String("a\"b\\c\n\x01\xE8\x9C\x82\xFF");
    json.EndArray();
    json.EndObject();
    EXPECT_EQ(json.Text(),
              "{\n"
              "  \"n\": -3,\n"
              "  \"f\": 0.100000001,\n"
              "  \"nan\": null,\n"
              "  \"empty\": {},\n"
              "  \"list\": [\n"
              "    true,\n"
              "    \"a\\\"b\\\\c\\n\\u0001\xE8\x9C\x82\xEF\xBF\xBD\"\n"
              "  ]\n"
              "}\n");
}

TEST(JsonWriterTest, ChecksUtf8) {
    EXPECT_TRUE(IsValidUtf8("plain \xE8\x9C\x82 \xF0\x9F\x90\x9D"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // a surrogate
    EXPECT_FALSE(IsValidUtf8("\xE8\x9C"));          // cut short
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
}

}  // namespace
