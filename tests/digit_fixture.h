// A hand-made digit strip on a test's offscreen engine: frame d is a solid
// 3×2 block of kDigitPixel[d], so a drawn number can be read back pixel by
// pixel. Base is the test's engine fixture (OffscreenEngineTest or one
// derived from it).
#pragma once

#include "game/digit_strip.h"
#include "offscreen_engine.h"

#include <string>

template <typename Base>
class WithDigits : public Base {
protected:
    static constexpr int kDigitWidth = 3;
    static constexpr int kDigitHeight = 2;
    static constexpr DWORD kDigitPixel[10] = {0xFF102030, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF,
                                              0xFFFFFF00, 0xFF00FFFF, 0xFFFF00FF, 0xFF808080,
                                              0xFFFFFFFF, 0xFF804000};

    // A ten-frame digit animation over a fresh texture.
    hgeAnimation DigitAnimation() {
        HGE& hge = *this->hge;
        const HTEXTURE tex = hge.Texture_Create(10 * kDigitWidth, kDigitHeight);
        DWORD* pixels = hge.Texture_Lock(tex, false);
        for (int y = 0; y < kDigitHeight; ++y) {
            for (int x = 0; x < 10 * kDigitWidth; ++x) {
                pixels[y * 10 * kDigitWidth + x] = kDigitPixel[x / kDigitWidth];
            }
        }
        hge.Texture_Unlock(tex);
        return hgeAnimation(tex, 10, 1.0f, 0, 0, kDigitWidth, kDigitHeight);
    }

    // The digits drawn on row y from x on, read until the background: one
    // character per digit cell, '?' for a colour that is no digit.
    std::string ReadDigits(int x, int y) {
        std::string text;
        for (; x + kDigitWidth <= Base::kWidth; x += kDigitWidth) {
            const DWORD pixel = this->Pixel(x, y);
            if (pixel == Base::kBackground) {
                break;
            }
            char digit = '?';
            for (int d = 0; d < 10; ++d) {
                if (pixel == kDigitPixel[d]) {
                    digit = static_cast<char>('0' + d);
                }
            }
            text += digit;
        }
        return text;
    }
};
