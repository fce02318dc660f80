#include "game/digit_strip.h"

void InitDigitStrip(DigitStrip& strip, const hgeAnimation& animation) {
    strip.animation = std::make_unique<hgeAnimation>(animation);
    strip.advance = static_cast<int>(strip.animation->GetWidth());
}

void DrawNumber(int value, DigitStrip& strip, int x, int y) {
    if (!strip.animation) {
        return;
    }
    hgeAnimation& digit = *strip.animation;
    if (value <= 0) {
        // The game never has a negative number; one would show as 0.
        digit.SetFrame(0);
        digit.Render(static_cast<float>(x), static_cast<float>(y));
        return;
    }
    strip.digits.fill(-1);
    int count = 0;
    for (int rest = value; rest > 0 && count < static_cast<int>(strip.digits.size()); rest /= 10) {
        strip.digits[count++] = rest % 10;
    }
    for (int i = count - 1; i >= 0; --i) {
        digit.SetFrame(strip.digits[i]);
        digit.Render(static_cast<float>(x), static_cast<float>(y));
        x += strip.advance;
    }
}
