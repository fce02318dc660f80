// DrawNumber: every number of the game screens, most significant digit
// first, one advance apart; 0 is one digit.
#include "game/digit_strip.h"
#include "digit_fixture.h"

#include <gtest/gtest.h>

namespace {

class DigitStripTest : public WithDigits<OffscreenEngineTest> {};

TEST_F(DigitStripTest, DrawsEachDigitOneAdvanceToTheRight) {
    DigitStrip strip;
    InitDigitStrip(strip, DigitAnimation());
    ASSERT_EQ(strip.advance, kDigitWidth);
    struct Case {
        int value;
        const char* shown;
    };
    for (const Case& c :
         {Case{0, "0"}, Case{12, "12"}, Case{105, "105"}, Case{9, "9"}, Case{1000000, "1000000"}}) {
        BeginFrame();
        DrawNumber(c.value, strip, 2, 5);
        EXPECT_EQ(ReadDigits(2, 5), c.shown) << c.value;
        EXPECT_EQ(ReadDigits(2, 6), c.shown) << "every digit at the same y";
        EXPECT_EQ(Pixel(1, 5), kBackground) << "nothing left of x";
        EXPECT_EQ(Pixel(2, 7), kBackground) << "nothing below the digits";
    }
}

TEST_F(DigitStripTest, AStripWithoutAnimationDrawsNothing) {
    DigitStrip strip;
    BeginFrame();
    DrawNumber(105, strip, 2, 5);
    EXPECT_EQ(ReadDigits(2, 5), "");
}

}  // namespace
