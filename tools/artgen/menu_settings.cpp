// The settings screen: music and effects sliders, each a groove that a
// honey-cell knob slides along, and OK.
#include "artgen/button.h"
#include "artgen/menu_icons.h"
#include "artgen/menu_layout.h"
#include "artgen/menu_look.h"
#include "artgen/menu_screens.h"

#include <cmath>

namespace artgen {

using namespace menu_colors;
namespace layout = menu_layout::settings;

namespace {

void SliderRow(cairo_t* cr, double centreY, Symbol symbol, const std::string& label) {
    DrawSymbol(cr, symbol, layout::kPanelX + 44, centreY + 1, 22, Hex(0x000000, 0.4));
    DrawSymbol(cr, symbol, layout::kPanelX + 44, centreY, 22, kHoneyLight);
    TextStyle text;
    text.size = 20;
    text.fill = kCream;
    TextStyle shadow = text;
    shadow.fill = Hex(0x000000, 0.4);
    DrawText(cr, label, layout::kPanelX + 66 + 1, centreY + 7 + 2, shadow);
    DrawText(cr, label, layout::kPanelX + 66, centreY + 7, text);

    // The groove spans the knob's centre from its leftmost to its rightmost place.
    double x0 = layout::kTrackLeft + layout::kKnobW / 2.0 - 8;
    double x1 = layout::kTrackRight + layout::kKnobW / 2.0 + 8;
    const double h = 12;
    RoundedRect(cr, x0, centreY - h / 2 + 1, x1 - x0, h, h / 2);
    cairo_set_source_rgba(cr, 1, 0.9, 0.6, 0.25);
    cairo_fill(cr);
    RoundedRect(cr, x0, centreY - h / 2, x1 - x0, h, h / 2);
    cairo_pattern_t* groove = cairo_pattern_create_linear(0, centreY - h / 2, 0, centreY + h / 2);
    cairo_pattern_add_color_stop_rgb(groove, 0, 0.02, 0.02, 0.07);
    cairo_pattern_add_color_stop_rgb(groove, 1, 0.12, 0.12, 0.25);
    cairo_set_source(cr, groove);
    cairo_fill(cr);
    cairo_pattern_destroy(groove);
    // A honey ramp inside the groove hints that the right end is loud.
    cairo_move_to(cr, x0 + 6, centreY + 1);
    cairo_line_to(cr, x1 - 6, centreY - 3);
    cairo_line_to(cr, x1 - 6, centreY + 3);
    cairo_close_path(cr);
    cairo_pattern_t* ramp = cairo_pattern_create_linear(x0, 0, x1, 0);
    cairo_pattern_add_color_stop_rgba(ramp, 0, kHoney.r, kHoney.g, kHoney.b, 0.1);
    cairo_pattern_add_color_stop_rgba(ramp, 1, kHoney.r, kHoney.g, kHoney.b, 0.75);
    cairo_set_source(cr, ramp);
    cairo_fill(cr);
    cairo_pattern_destroy(ramp);
    // Ticks under the groove, at every quarter.
    for (int i = 0; i <= 4; ++i) {
        double x = layout::kTrackLeft + layout::kKnobW / 2.0 +
                   (layout::kTrackRight - layout::kTrackLeft) * i / 4.0;
        cairo_move_to(cr, std::round(x) + 0.5, centreY + h / 2 + 6);
        cairo_line_to(cr, std::round(x) + 0.5, centreY + h / 2 + (i % 2 ? 10 : 13));
    }
    cairo_set_source_rgba(cr, 1, 0.9, 0.6, 0.5);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// The knob: a honey cell standing on the groove.
void Knob(cairo_t* cr, double x, double y, ButtonLook look) {
    double cx = x + layout::kKnobW / 2.0, cy = y + layout::kKnobH / 2.0 - 1;
    double r = 15;
    if (look == ButtonLook::Pressed) {
        cy += 1;
    }
    if (look == ButtonLook::Hover) {
        for (int i = 4; i >= 1; --i) {
            HexPath(cr, cx, cy, r + i);
            cairo_set_source_rgba(cr, 1, 0.93, 0.6, 0.14);
            cairo_fill(cr);
        }
    }
    HexPath(cr, cx + 1, cy + 2.5, r);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
    cairo_fill(cr);
    HoneyCell(cr, cx, cy, r);
    if (look == ButtonLook::Pressed) {
        HexPath(cr, cx, cy, r);
        cairo_set_source_rgba(cr, 0.3, 0.15, 0, 0.25);
        cairo_fill(cr);
    } else if (look == ButtonLook::Hover) {
        HexPath(cr, cx, cy, r);
        cairo_set_source_rgba(cr, 1, 1, 0.9, 0.15);
        cairo_fill(cr);
    }
    // Grip lines.
    for (int i = -1; i <= 1; ++i) {
        cairo_move_to(cr, cx + i * 4.5, cy - 5);
        cairo_line_to(cr, cx + i * 4.5, cy + 5);
    }
    SetColor(cr, Hex(0x5A3A12, 0.6));
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

}  // namespace

void DrawSettingsScreen(const std::string& dir) {
    {
        Canvas canvas(menu_layout::kScreenW, menu_layout::kScreenH);
        cairo_t* cr = canvas.cr();
        Veil(cr, canvas.width(), canvas.height(), 0.5);
        Panel(cr, layout::kPanelX, layout::kPanelY, layout::kPanelW, layout::kPanelH, "Settings");
        SliderRow(cr, layout::kMusicRowY, Symbol::Note, "Music");
        SliderRow(cr, layout::kEffectsRowY, Symbol::Speaker, "Effects");
        canvas.Save(dir, "set_back");
    }
    {
        // Row 0: OK; row 1: the knob's three looks.
        Canvas canvas(3 * layout::kButtonW, layout::kButtonH + layout::kKnobH);
        ButtonStyle ok;
        ok.labelSize = 21;
        ok.icon = SymbolIcon(Symbol::Check, 18);
        DrawButtonStrip(canvas.cr(), 0, 0, layout::kButtonW, layout::kButtonH, "OK", ok);
        Knob(canvas.cr(), 0, layout::kButtonH, ButtonLook::Normal);
        Knob(canvas.cr(), layout::kKnobW, layout::kButtonH, ButtonLook::Hover);
        Knob(canvas.cr(), 2 * layout::kKnobW, layout::kButtonH, ButtonLook::Pressed);
        canvas.Save(dir, "set_parts");
    }
}

}  // namespace artgen
