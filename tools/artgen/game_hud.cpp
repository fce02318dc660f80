// The HUD pictures: the digits 0 to 9 in two sizes (the HUD's and the larger
// ones of the pass and fail screens) and the pause picture.
#include "artgen/game_art.h"
#include "artgen/game_layout.h"
#include "artgen/game_paint.h"

#include <string>

namespace artgen::game {

namespace {

// One digit centred in its cell: cream to honey letters with a brown rim.
void Digit(cairo_t* cr, int d, double x, double y, double w, double h) {
    const std::string text(1, static_cast<char>('0' + d));
    const double size = h * 0.92, cx = x + w / 2, cy = y + h / 2;
    TextStyle shadow;
    shadow.size = size;
    shadow.fill = Rgba{0, 0, 0, 0.5};
    shadow.outline = Rgba{0, 0, 0, 0.5};
    shadow.outlineWidth = size * 0.07;
    DrawTextCentred(cr, text, cx + 1, cy + size * 0.06, shadow);
    TextStyle rim;
    rim.size = size;
    rim.fill = kBrown;
    rim.outline = Darker(kBrown, 0.3);
    rim.outlineWidth = size * 0.07;
    DrawTextCentred(cr, text, cx, cy, rim);
    cairo_push_group(cr);
    TextStyle mask;
    mask.size = size;
    mask.fill = Rgba{1, 1, 1, 1};
    DrawTextCentred(cr, text, cx, cy, mask);
    cairo_pattern_t* letters = cairo_pop_group(cr);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, cy - size * 0.38, 0, cy + size * 0.38);
    cairo_pattern_add_color_stop_rgb(fill, 0, 1, 0.99, 0.93);
    cairo_pattern_add_color_stop_rgb(fill, 0.5, kCream.r, kCream.g, kCream.b);
    cairo_pattern_add_color_stop_rgb(fill, 0.56, kHoneyLight.r, kHoneyLight.g, kHoneyLight.b);
    cairo_pattern_add_color_stop_rgb(fill, 1, kHoney.r, kHoney.g, kHoney.b);
    cairo_set_source(cr, fill);
    cairo_mask(cr, letters);
    cairo_pattern_destroy(fill);
    cairo_pattern_destroy(letters);
}

void DrawDigits(const std::string& dir) {
    // Row 0: the HUD digits; row 1: the big digits. Each row is one
    // ten-frame animation starting at the left edge.
    Canvas canvas(10 * kBigDigitW, kDigitH + kBigDigitH);
    cairo_t* cr = canvas.cr();
    for (int d = 0; d < 10; ++d) {
        Digit(cr, d, d * kDigitW, 0, kDigitW, kDigitH);
        Digit(cr, d, d * kBigDigitW, kDigitH, kBigDigitW, kBigDigitH);
    }
    canvas.Save(dir, "gameback_digits");
}

void DrawPause(const std::string& dir) {
    Canvas canvas(kPauseW, kPauseH);
    cairo_t* cr = canvas.cr();
    const double pad = 6, w = kPauseW - 2 * pad, h = kPauseH - 2 * pad;
    RoundedRect(cr, pad + 2, pad + 4, w, h, 22);
    SetColor(cr, Rgba{0, 0, 0, 0.35});
    cairo_fill(cr);
    RoundedRect(cr, pad, pad, w, h, 22);
    cairo_pattern_t* glass = cairo_pattern_create_linear(0, pad, 0, pad + h);
    cairo_pattern_add_color_stop_rgba(glass, 0, 0.16, 0.18, 0.4, 0.9);
    cairo_pattern_add_color_stop_rgba(glass, 1, 0.06, 0.07, 0.18, 0.9);
    cairo_set_source(cr, glass);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(glass);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, pad, 0, pad + h);
    cairo_pattern_add_color_stop_rgb(rim, 0, kHoneyLight.r, kHoneyLight.g, kHoneyLight.b);
    cairo_pattern_add_color_stop_rgb(rim, 1, kHoneyDark.r, kHoneyDark.g, kHoneyDark.b);
    cairo_set_source(cr, rim);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_save(cr);
    RoundedRect(cr, pad + 2, pad + 2, w - 4, h - 4, 20);
    cairo_clip(cr);
    HoneycombLines(cr, pad, pad, w, h, 14, Rgba{1, 0.85, 0.45, 0.07}, 1);
    cairo_restore(cr);

    // A pause sign beside the title.
    const double cx = kPauseW / 2.0;
    const double titleY = 58;
    double titleW = 150;
    double sx = cx - titleW / 2 - 34;
    for (double bx : {sx, sx + 13}) {
        RoundedRect(cr, bx, titleY - 17, 9, 34, 3);
        SetColor(cr, kHoney);
        cairo_fill_preserve(cr);
        SetColor(cr, kBrown);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    GoldText(cr, "Paused", cx + 12, titleY, 42);
    LabelText(cr, "press Space or click to go on", cx, 108, 18, kCream);
    canvas.Save(dir, "gameback_pause");
}

}  // namespace

void DrawHud(const std::string& dir) {
    DrawDigits(dir);
    DrawPause(dir);
}

}  // namespace artgen::game
