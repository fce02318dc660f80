// The high-score screen: ten striped lines with a medal or rank each; the
// game writes every line's name and score into the stripes. OK below.
#include "artgen/button.h"
#include "artgen/menu_icons.h"
#include "artgen/menu_layout.h"
#include "artgen/menu_look.h"
#include "artgen/menu_screens.h"

#include <cmath>

namespace artgen {

using namespace menu_colors;
namespace layout = menu_layout::top;

namespace {

// A medal for the first three places: a glossy disc with a ribbon notch.
void Medal(cairo_t* cr, double cx, double cy, double r, unsigned color, int place) {
    Rgba c = Hex(color);
    // Ribbon tails.
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, cx + side * r * 0.2, cy);
        cairo_line_to(cr, cx + side * r * 0.9, cy + r * 1.15);
        cairo_line_to(cr, cx + side * r * 0.45, cy + r * 1.0);
        cairo_line_to(cr, cx + side * r * 0.3, cy + r * 1.3);
        cairo_close_path(cr);
        SetColor(cr, place == 1 ? kRose : (place == 2 ? Hex(0x5B8CFF) : kTeal));
        cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    SetColor(cr, Darker(c, 0.45));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r - 1.5, 0, 2 * M_PI);
    cairo_pattern_t* body = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.35, 1, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(body, 0, Lighter(c, 0.7).r, Lighter(c, 0.7).g,
                                     Lighter(c, 0.7).b);
    cairo_pattern_add_color_stop_rgb(body, 0.6, c.r, c.g, c.b);
    cairo_pattern_add_color_stop_rgb(body, 1, Darker(c, 0.25).r, Darker(c, 0.25).g,
                                     Darker(c, 0.25).b);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    TextStyle number;
    number.size = r * 1.15;
    number.fill = Darker(c, 0.6);
    DrawTextCentred(cr, std::to_string(place), cx, cy, number);
}

}  // namespace

void DrawTopScreen(const std::string& dir) {
    {
        Canvas canvas(menu_layout::kScreenW, menu_layout::kScreenH);
        cairo_t* cr = canvas.cr();
        Veil(cr, canvas.width(), canvas.height(), 0.5);
        Panel(cr, layout::kPanelX, layout::kPanelY, layout::kPanelW, layout::kPanelH,
              "High Scores");
        const double left = layout::kPanelX + 20, right = layout::kPanelX + layout::kPanelW - 20;
        const double scoreRight = layout::kScoreX + layout::kScoreFieldW;

        // Column heads and a divider.
        TextStyle head;
        head.size = 14;
        head.fill = Hex(0xFFE38A, 0.9);
        DrawText(cr, "PLAYER", layout::kNameX, layout::kHeaderY + 18, head);
        DrawText(cr, "SCORE", scoreRight - TextWidth(cr, "SCORE", head), layout::kHeaderY + 18,
                 head);
        cairo_move_to(cr, left + 6, layout::kHeaderY + 27.5);
        cairo_line_to(cr, right - 6, layout::kHeaderY + 27.5);
        SetColor(cr, Hex(0xFFE38A, 0.35));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);

        for (int i = 0; i < 10; ++i) {
            double y = layout::kFirstLineY + i * layout::kLineStep;
            RoundedRect(cr, left, y, right - left, layout::kLineH, 9);
            if (i < 3) {
                // The podium lines glow faintly gold.
                cairo_set_source_rgba(cr, 1, 0.85, 0.4, 0.13 - i * 0.025);
            } else {
                cairo_set_source_rgba(cr, 0.6, 0.65, 1, i % 2 ? 0.05 : 0.1);
            }
            cairo_fill(cr);
            double cy = y + layout::kLineH / 2.0;
            double cx = layout::kPanelX + 44;
            if (i == 0) {
                Medal(cr, cx, cy - 1, 11, 0xF6C431, 1);
            } else if (i == 1) {
                Medal(cr, cx, cy - 1, 11, 0xC9D3E0, 2);
            } else if (i == 2) {
                Medal(cr, cx, cy - 1, 11, 0xD88A4A, 3);
            } else {
                TextStyle rank;
                rank.size = 15;
                rank.fill = Hex(0xFFF6DC, 0.7);
                DrawTextCentred(cr, std::to_string(i + 1), cx, cy, rank);
            }
        }
        canvas.Save(dir, "top_back");
    }
    {
        Canvas canvas(3 * layout::kButtonW, layout::kButtonH);
        ButtonStyle ok;
        ok.labelSize = 21;
        ok.icon = SymbolIcon(Symbol::Check, 18);
        DrawButtonStrip(canvas.cr(), 0, 0, layout::kButtonW, layout::kButtonH, "OK", ok);
        canvas.Save(dir, "top_buttons");
    }
}

}  // namespace artgen
