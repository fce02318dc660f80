// The pass and fail screens: a panel over the field with wells where the
// game draws the total score and the level's points in its big digits, and
// the button that goes on (next level, or try again).
#include "artgen/button.h"
#include "artgen/menu_icons.h"
#include "artgen/menu_layout.h"
#include "artgen/menu_look.h"
#include "artgen/menu_screens.h"

#include <cmath>

namespace artgen {

using namespace menu_colors;
namespace layout = menu_layout::result;

namespace {

void StarShape(cairo_t* cr, double cx, double cy, double r, double tilt) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < 10; ++i) {
        double a = tilt - M_PI / 2 + M_PI * i / 5;
        double rr = (i % 2 == 0) ? r : r * 0.45;
        cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    }
    cairo_close_path(cr);
}

void GoldStar(cairo_t* cr, double cx, double cy, double r, double tilt) {
    StarShape(cr, cx + 1, cy + 2, r, tilt);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_fill(cr);
    StarShape(cr, cx, cy, r, tilt);
    SetColor(cr, Darker(kHoneyDark, 0.3));
    cairo_set_line_width(cr, 2.5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, cy - r, 0, cy + r);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.97, 0.75);
    cairo_pattern_add_color_stop_rgb(g, 0.5, kHoney.r, kHoney.g, kHoney.b);
    cairo_pattern_add_color_stop_rgb(g, 1, kHoneyDark.r, kHoneyDark.g, kHoneyDark.b);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void Picture(const std::string& dir, const std::string& name, const std::string& title,
             const std::string& cheer, bool passed) {
    Canvas canvas(layout::kTexW, layout::kTexH);
    cairo_t* cr = canvas.cr();
    const double px = layout::kPanelDx, py = layout::kPanelDy;
    Panel(cr, px, py, layout::kPanelW, layout::kPanelH, title);
    TextStyle sub;
    sub.size = 17;
    sub.fill = passed ? kHoneyLight : Hex(0xFFB3C2);
    ShadowedTextCentred(cr, cheer, px + layout::kPanelW / 2.0, py + 46, sub);
    if (passed) {
        GoldStar(cr, px + 46, py + 44, 13, -0.2);
        GoldStar(cr, px + layout::kPanelW - 46, py + 44, 13, 0.2);
    } else {
        Bubble(cr, px + 44, py + 48, 12, kRose, 0.9);
        Bubble(cr, px + layout::kPanelW - 44, py + 48, 12, kRose, 0.9);
    }
    TextStyle label;
    label.size = 19;
    label.fill = kCream;
    struct Row {
        const char* text;
        int wellY;
    };
    const Row rows[] = {{"Total score", layout::kScoreWellY}, {"This level", layout::kLevelWellY}};
    for (const Row& row : rows) {
        double cy = row.wellY + layout::kWellH / 2.0;
        TextStyle shadow = label;
        shadow.fill = Hex(0x000000, 0.45);
        DrawText(cr, row.text, px + 24 + 1, cy + 7 + 2, shadow);
        DrawText(cr, row.text, px + 24, cy + 7, label);
        Well(cr, layout::kWellX, row.wellY, layout::kWellW, layout::kWellH, 12);
    }
    TextStyle hint;
    hint.font = "DejaVu Sans";
    hint.size = 14;
    hint.fill = Hex(0xFFE38A, 0.75);
    ShadowedTextCentred(cr, "click the button or press Space", px + layout::kPanelW / 2.0,
                        layout::kLevelWellY + layout::kWellH + 24, hint);
    canvas.Save(dir, name);
}

void Button(const std::string& dir, const std::string& name, const std::string& label,
            Symbol symbol, ButtonTint tint) {
    Canvas canvas(3 * layout::kButtonW, layout::kButtonH);
    ButtonStyle style;
    style.tint = tint;
    style.labelSize = 23;
    style.icon = SymbolIcon(symbol, 19);
    DrawButtonStrip(canvas.cr(), 0, 0, layout::kButtonW, layout::kButtonH, label, style);
    canvas.Save(dir, name);
}

}  // namespace

void DrawResultScreens(const std::string& dir) {
    Picture(dir, "pass_back", "Level passed!", "Great job, busy bee!", true);
    Button(dir, "pass_button", "Next level", Symbol::Next, ButtonTint::Gold);
    Picture(dir, "fail_back", "Level failed", "The hive got too low...", false);
    Button(dir, "fail_button", "Try again", Symbol::Retry, ButtonTint::Rose);
}

}  // namespace artgen
