// The name box and its keyboard routing, and the name input screen, played
// through replays of the real game: typed text, keys, the clipboard and the
// mouse, checked in the dump.
#include "replay/replay_script.h"
#include "replay/runner.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Steps = std::vector<std::string>;

// The box's text area is at (320, 277), 160 by 20; the font is 20 pixels
// high, so Latin letters advance 10 and Chinese characters 20.
// A click right of the text: the box takes the focus, the caret goes to the end.
const Steps kFocus = {"mouse 470 285", "press", "release"};
// Ctrl+A, then Backspace.
const Steps kClear = {"key CTRL down", "key A down",         "key A up",
                      "key CTRL up",   "key BACKSPACE down", "key BACKSPACE up"};
// In a box holding ABCDE: press between A and B, drag right of C, one code
// unit a frame, and let go: anchor 1, end and caret 3.
const Steps kSelectBC = {"mouse 330 285", "press", "mouse 350 285", "", "", "release"};

Steps Key(const std::string& name) {
    return {"key " + name + " down", "key " + name + " up"};
}

Steps Ctrl(const std::string& letter) {
    return {"key CTRL down", "key " + letter + " down", "key " + letter + " up", "key CTRL up"};
}

Steps Join(std::initializer_list<Steps> parts) {
    Steps all;
    for (const Steps& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The raw JSON text of a value: a top-level one, or one inside a top-level
// object when section is given. Strings keep their quotes.
std::string Value(const std::string& dump, const std::string& section, const std::string& key) {
    size_t from = 0;
    std::string prefix = "\n  \"" + key + "\": ";
    if (!section.empty()) {
        from = dump.find("\n  \"" + section + "\": ");
        if (from == std::string::npos) {
            return "<" + section + " missing>";
        }
        prefix = "\n    \"" + key + "\": ";
    }
    const size_t start = dump.find(prefix, from);
    if (start == std::string::npos) {
        return "<" + key + " missing>";
    }
    const size_t valueStart = start + prefix.size();
    const size_t valueEnd = dump.find('\n', valueStart);
    std::string value = dump.substr(valueStart, valueEnd - valueStart);
    if (!value.empty() && value.back() == ',') {
        value.pop_back();
    }
    return value;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// Opens the name input screen at frame 2, runs one step a frame from frame
// 3 on (an empty step leaves its frame without input) and returns the dump
// of the frame after the last step.
std::string RunSteps(const Steps& steps) {
    TempFolder out;
    std::string script = "at 2 menu nameInput\n";
    int frame = 3;
    for (const std::string& step : steps) {
        if (!step.empty()) {
            script += "at " + std::to_string(frame) + " " + step + "\n";
        }
        ++frame;
    }
    const std::string dumpPath = out / "box.json";
    script += "at " + std::to_string(frame) + " dump \"" + dumpPath + "\"\n";
    std::vector<std::string> errors;
    const ReplayScript parsed = ParseReplayScript(script, "box.replay", errors);
    EXPECT_TRUE(errors.empty()) << errors[0];
    ReplayOptions options;
    options.gameDir = BUBBLEHIVE_GAME_DIR;
    options.fps = 30;
    EXPECT_EQ(RunReplay(parsed, options), 0);
    return ReadFile(dumpPath);
}

struct BoxCase {
    const char* name;
    Steps steps;
    std::string text;
    int caret;
    int anchor;
    int end;
    std::string clipboard;  // raw JSON: null or a quoted text
};

class NameBoxReplayTest : public testing::TestWithParam<BoxCase> {};

TEST_P(NameBoxReplayTest, BoxEndsAsExpected) {
    const BoxCase& c = GetParam();
    const std::string dump = RunSteps(c.steps);
    EXPECT_EQ(Value(dump, "textBox", "text"), Quoted(c.text));
    EXPECT_EQ(Value(dump, "textBox", "caret"), std::to_string(c.caret));
    EXPECT_EQ(Value(dump, "textBox", "anchor"), std::to_string(c.anchor));
    EXPECT_EQ(Value(dump, "textBox", "end"), std::to_string(c.end));
    EXPECT_EQ(Value(dump, "", "clipboard"), c.clipboard);
    EXPECT_EQ(Value(dump, "", "menuState"), "1") << "still on the name screen";
}

const std::string kInitial = "禾岚珠霁星";

INSTANTIATE_TEST_SUITE_P(
    Cases, NameBoxReplayTest,
    testing::Values(
        BoxCase{"TypingWithoutTheFocusChangesNothing", {"text \"AB\""}, kInitial, 5, 0, 0, "null"},
        BoxCase{"TheEleventhCharacterIsDropped", Join({kFocus, {"text \"ABCDEF\""}}),
                kInitial + "ABCDE", 10, 10, 10, "null"},
        BoxCase{"TwelvePastedLettersKeepTheFirstTen",
                Join({kFocus, kClear, {"clipboard \"ABCDEFGHIJKL\""}, Ctrl("V")}), "ABCDEFGHIJ", 10,
                10, 10, Quoted("ABCDEFGHIJKL")},
        BoxCase{"TabInAnEmptyBoxInsertsFourSpaces", Join({kFocus, kClear, Key("TAB")}), "    ", 4,
                4, 4, "null"},
        BoxCase{"TabInABoxOfEightInsertsTwo",
                Join({kFocus, kClear, {"text \"ABCDEFGH\""}, Key("TAB")}), "ABCDEFGH  ", 10, 10, 10,
                "null"},
        BoxCase{"BackspaceRemovesTheSelection",
                Join({kFocus, kClear, {"text \"ABCDE\""}, kSelectBC, Key("BACKSPACE")}), "ADE", 1,
                1, 1, "null"},
        BoxCase{"DeleteRemovesOnlyTheUnitAtTheCaret",
                Join({kFocus, kClear, {"text \"ABCDE\""}, kSelectBC, Key("DELETE")}), "ABCE", 3, 3,
                3, "null"},
        BoxCase{"BackspaceWithoutASelectionRemovesTheUnitBeforeTheCaret",
                Join({kFocus, Key("BACKSPACE")}), "禾岚珠霁", 4, 4, 4, "null"},
        BoxCase{"CutPutsTheSelectionOnTheClipboard",
                Join({kFocus, kClear, {"text \"ABCDE\""}, kSelectBC, Ctrl("X")}), "ADE", 1, 1, 1,
                Quoted("BC")},
        BoxCase{"PasteAfterACutEmptiesTheClipboard",
                Join({kFocus, kClear, {"text \"ABCDE\""}, kSelectBC, Ctrl("X"), Ctrl("V")}),
                "ABCDE", 3, 3, 3, "null"},
        BoxCase{
            "ASecondPasteAfterACutInsertsNothing",
            Join({kFocus, kClear, {"text \"ABCDE\""}, kSelectBC, Ctrl("X"), Ctrl("V"), Ctrl("V")}),
            "ABCDE", 3, 3, 3, "null"},
        BoxCase{"CopyWithNothingSelectedLeavesTheClipboard",
                Join({kFocus, {"clipboard \"keep\""}, Ctrl("C")}), kInitial, 5, 5, 5,
                Quoted("keep")},
        BoxCase{"CopyCollapsesTheSelection",
                Join({kFocus, kClear, {"text \"ABCDE\""}, kSelectBC, Ctrl("C")}), "ABCDE", 3, 3, 3,
                Quoted("BC")},
        BoxCase{"AClickRightOfTheTextPutsTheCaretAtTheEnd", Join({kFocus, Key("HOME"), kFocus}),
                kInitial, 5, 5, 5, "null"},
        BoxCase{"AClickLeftOfTheFirstMiddlePutsTheCaretAtTheStart",
                Join({kFocus, {"mouse 328 285", "press", "release"}}), kInitial, 0, 0, 0, "null"},
        BoxCase{"SpaceAndEnterInsertNothing",
                Join({kFocus, kClear, {"text \"A\""}, Key("SPACE"), {"text \" \""}, Key("ENTER")}),
                "A", 1, 1, 1, "null"},
        BoxCase{"EscapeIsSwallowed", Join({kFocus, Key("ESCAPE")}), kInitial, 5, 5, 5, "null"},
        BoxCase{"AChineseNameTypedThroughTextInput", Join({kFocus, kClear, {"text \"张三丰\""}}),
                "张三丰", 3, 3, 3, "null"},
        BoxCase{"ArrowsHomeAndEndMoveTheCaretWhereTypingGoes",
                Join({kFocus,
                      Key("HOME"),
                      Key("RIGHT"),
                      Key("RIGHT"),
                      Key("LEFT"),
                      {"text \"x\""},
                      Key("END"),
                      {"text \"y\""}}),
                "禾x岚珠霁星y", 7, 7, 7, "null"},
        BoxCase{"SelectAllThenTypingReplacesEverything", Join({kFocus, Ctrl("A"), {"text \"Z\""}}),
                "Z", 1, 1, 1, "null"},
        BoxCase{
            // The pointer jumps far right of the text: two frames later the
            // end has moved two code units.
            "AFastDragMovesTheEndOneUnitAFrame",
            Join({kFocus, kClear, {"text \"ABCDE\""}, {"mouse 322 285", "press", "mouse 470 285"}}),
            "ABCDE", 2, 0, 2, "null"}),
    [](const testing::TestParamInfo<BoxCase>& info) { return info.param.name; });

// The OK button is at (240, 341) to (390, 391), Cancel at (410, 341) to (560, 391).
const Steps kClickOk = {"mouse 300 366", "press", "release"};
const Steps kClickCancel = {"mouse 480 366", "press", "release"};

TEST(NameInputReplayTest, OkWithTheInitialTextStartsAGameUnderThatName) {
    const std::string dump = RunSteps(kClickOk);
    EXPECT_EQ(Value(dump, "", "appState"), "2");
    EXPECT_EQ(Value(dump, "", "menuState"), "0");
    EXPECT_EQ(Value(dump, "save", "playerName"), Quoted(kInitial));
    EXPECT_EQ(Value(dump, "level", "current"), "1");
    EXPECT_EQ(Value(dump, "score", "total"), "0");
}

TEST(NameInputReplayTest, OkWithATypedChineseNameStartsAGameUnderIt) {
    const std::string dump = RunSteps(Join({kFocus, kClear, {"text \"张三丰\""}, kClickOk}));
    EXPECT_EQ(Value(dump, "", "appState"), "2");
    EXPECT_EQ(Value(dump, "save", "playerName"), Quoted("张三丰"));
}

TEST(NameInputReplayTest, OkOnAnEmptiedBoxOnlyReturnsToTheMenu) {
    const std::string dump = RunSteps(Join({kFocus, kClear, kClickOk}));
    EXPECT_EQ(Value(dump, "", "appState"), "1");
    EXPECT_EQ(Value(dump, "", "menuState"), "0");
    EXPECT_EQ(Value(dump, "save", "playerName"), Quoted(""));
    EXPECT_EQ(Value(dump, "level", "current"), "0");
}

TEST(NameInputReplayTest, CancelReturnsToTheMenuWithNoSlot) {
    const std::string dump = RunSteps(kClickCancel);
    EXPECT_EQ(Value(dump, "", "appState"), "1");
    EXPECT_EQ(Value(dump, "", "menuState"), "0");
    EXPECT_EQ(Value(dump, "save", "currentSlot"), "-1");
}

TEST(NameInputReplayTest, PressingOkAndReleasingElsewhereDoesNothing) {
    const std::string dump = RunSteps({"mouse 300 366", "press", "mouse 300 450", "release"});
    EXPECT_EQ(Value(dump, "", "appState"), "1");
    EXPECT_EQ(Value(dump, "", "menuState"), "1");
    const size_t ok = dump.find("\"nameInput.ok\": {");
    ASSERT_NE(ok, std::string::npos);
    const std::string button = dump.substr(ok, dump.find('}', ok) - ok);
    EXPECT_NE(button.find("\"state\": 0,"), std::string::npos) << button;
    EXPECT_NE(button.find("\"pressed\": false,"), std::string::npos) << button;
}

}  // namespace
