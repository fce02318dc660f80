// Code page 936 conversions: Chinese names both ways, "?" for what the code
// page cannot hold, U+FFFD for bytes that are not code page 936, and cuts
// that never split a double-byte character.
#include "engine/codepage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "禾岚珠霁星" and "禾岚小游戏9" in code page 936.
const std::string kNameCp936 = "\xBA\xCC\xE1\xB0\xD6\xE9\xF6\xAB\xD0\xC7";
const std::string kDefaultCp936 =
    "\xBA\xCC\xE1\xB0\xD0\xA1\xD3\xCE\xCF\xB7"
    "9";

struct ToCp936Case {
    const char* name;
    std::string utf8;
    std::string cp936;
};

class ToCp936Test : public testing::TestWithParam<ToCp936Case> {};

TEST_P(ToCp936Test, ConvertsUtf8) {
    const ToCp936Case& c = GetParam();
    EXPECT_EQ(Utf8ToCp936(c.utf8), c.cp936);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToCp936Test,
    testing::Values(ToCp936Case{"Empty", "", ""}, ToCp936Case{"Ascii", "Bee 42!", "Bee 42!"},
                    ToCp936Case{"ChineseName", "禾岚珠霁星", kNameCp936},
                    ToCp936Case{"DefaultName", "禾岚小游戏9", kDefaultCp936},
                    ToCp936Case{"Euro", "€", "\x80"},
                    ToCp936Case{"EmojiBecomesOneQuestionMark", "a😀b", "a?b"},
                    ToCp936Case{"HangulNotInTheCodePage", "한", "?"},
                    ToCp936Case{"InvalidByte",
                                "a\xFF"
                                "b",
                                "a?b"},
                    ToCp936Case{"TruncatedAtEnd", "ab\xE4\xB8", "ab?"},
                    ToCp936Case{"TruncatedInMiddle",
                                "\xE4\xB8"
                                "x",
                                "?x"},
                    ToCp936Case{"EncodedSurrogate",
                                "\xED\xA0\x80"
                                "x",
                                "???x"},
                    ToCp936Case{"NulKept", std::string("a\0b", 3), std::string("a\0b", 3)}),
    [](const auto& info) { return std::string(info.param.name); });

struct FromCp936Case {
    const char* name;
    std::string cp936;
    std::string utf8;
};

class FromCp936Test : public testing::TestWithParam<FromCp936Case> {};

TEST_P(FromCp936Test, GivesUtf8) {
    const FromCp936Case& c = GetParam();
    EXPECT_EQ(Cp936ToUtf8(c.cp936), c.utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FromCp936Test,
    testing::Values(FromCp936Case{"Empty", "", ""}, FromCp936Case{"Ascii", "Bee 42!", "Bee 42!"},
                    FromCp936Case{"ChineseName", kNameCp936, "禾岚珠霁星"},
                    FromCp936Case{"Euro", "\x80", "€"},
                    FromCp936Case{"InvalidByte",
                                  "a\xFF"
                                  "b",
                                  "a\uFFFD"
                                  "b"},
                    // A lead byte with no trail byte after it, at the end or
                    // before a byte that cannot follow it: the next byte stays.
                    FromCp936Case{"TruncatedAtEnd", "ab\xBA", "ab\uFFFD"},
                    FromCp936Case{"LeadBeforeSpace", "\xBA b", "\uFFFD b"},
                    // A well-formed but unassigned pair is one character.
                    FromCp936Case{"UnassignedPair",
                                  "\xFE\xFE"
                                  "A",
                                  "\uFFFD"
                                  "A"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CodePageUtf16, RoundTripsAndReplacesLikeUtf8) {
    EXPECT_EQ(Utf16ToCp936(u"禾岚珠霁星"), kNameCp936);
    EXPECT_EQ(Cp936ToUtf16(kNameCp936), u"禾岚珠霁星");
    EXPECT_EQ(Utf16ToCp936(u""), "");
    EXPECT_EQ(Cp936ToUtf16(""), u"");
    EXPECT_EQ(Utf16ToCp936(u"a😀b"), "a?b");  // a surrogate pair is one "?"
    const char16_t loneHigh[] = {u'a', 0xD83D, u'b', 0};
    EXPECT_EQ(Utf16ToCp936(loneHigh), "a?b");
    const char16_t loneAtEnd[] = {u'a', 0xD83D, 0};
    EXPECT_EQ(Utf16ToCp936(loneAtEnd), "a?");
    EXPECT_EQ(Cp936ToUtf16("x\xFF\xBA"), u"x\uFFFD\uFFFD");
}

TEST(CodePageCut, NeverSplitsADoubleByteCharacter) {
    // "ab" then "禾" (two bytes) then "c".
    const std::string text =
        "ab\xBA\xCC"
        "c";
    EXPECT_EQ(Cp936WholeLength(text, 0), 0u);
    EXPECT_EQ(Cp936WholeLength(text, 2), 2u);
    EXPECT_EQ(Cp936WholeLength(text, 3), 2u);  // would split 禾
    EXPECT_EQ(Cp936WholeLength(text, 4), 4u);
    EXPECT_EQ(Cp936WholeLength(text, 100), 5u);
    // A lead byte that is not followed by a trail byte is a character of its own.
    EXPECT_EQ(Cp936WholeLength("a\xBA", 2), 2u);
    EXPECT_EQ(Cp936WholeLength(kDefaultCp936, 10), 10u);
    EXPECT_EQ(Cp936WholeLength(kDefaultCp936, 9), 8u);
}

}  // namespace
