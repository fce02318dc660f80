// The one number renderer of the game screens: a ten-frame animation whose
// frame d shows the digit d, drawn left to right one advance apart.
#pragma once

#include "engine/animation.h"

#include <array>
#include <memory>

struct DigitStrip {
    std::unique_ptr<hgeAnimation> animation;  // none: numbers are not drawn
    std::array<int, 32> digits{};             // the digits of the number being drawn
    int advance = 0;                          // the distance between two digits
};

// Takes a copy of the animation; the advance is its width, truncated.
void InitDigitStrip(DigitStrip& strip, const hgeAnimation& animation);
// Draws a non-negative number from (x, y) to the right, most significant
// digit first; 0 is one digit.
void DrawNumber(int value, DigitStrip& strip, int x, int y);
