// A GfxFont that records what it is asked to draw in place of drawing it:
// where each text goes and its UTF-16 code units.
#pragma once

#include "text/gfx_font.h"

#include <string>
#include <vector>

struct DrawnText {
    float x = 0;
    float y = 0;
    std::u16string text;
    bool operator==(const DrawnText&) const = default;
};

class RecordingFont : public GfxFont {
public:
    RecordingFont() : GfxFont(16) {}
    void RenderText(float x, float y, const char16_t* text) override {
        drawn.push_back({x, y, text});
    }
    std::vector<DrawnText> drawn;
};

// Hands the screen's font slot a recording font and returns it.
template <typename Screen>
RecordingFont& Record(Screen& screen) {
    auto font = std::make_unique<RecordingFont>();
    RecordingFont& recorder = *font;
    screen.font = std::move(font);
    return recorder;
}
