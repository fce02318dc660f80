// The ceiling that comes down with the board once no new rows are pushed in:
// a block of honey-filled comb the width of the field, ending in a thick wax
// rim with drips just above the top row. It is as tall as the field, so the
// field above the board stays covered however far it has come down.
#include "artgen/game_art.h"
#include "artgen/game_layout.h"
#include "artgen/game_paint.h"

#include <cmath>

namespace artgen::game {

namespace {

constexpr int kWidth = kFieldW;
constexpr int kHeight = kFieldH;
constexpr double kRim = 22;  // height of the wax rim at the bottom

void HoneyCell(cairo_t* cr, double cx, double cy, double r, double fill, double shade) {
    HexagonPath(cr, cx, cy, r);
    cairo_pattern_t* wax = cairo_pattern_create_linear(cx, cy - r, cx, cy + r);
    cairo_pattern_add_color_stop_rgb(wax, 0, 0.55 * shade, 0.33 * shade, 0.05 * shade);
    cairo_pattern_add_color_stop_rgb(wax, 1, 0.35 * shade, 0.2 * shade, 0.03 * shade);
    cairo_set_source(cr, wax);
    cairo_fill(cr);
    // Honey inside, glowing more at the bottom of the comb.
    HexagonPath(cr, cx, cy, r - 2.2);
    cairo_pattern_t* honey =
        cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.35, 0, cx, cy, r * 1.1);
    cairo_pattern_add_color_stop_rgba(honey, 0, 1, 0.9 * shade + 0.05, 0.45 * shade, fill);
    cairo_pattern_add_color_stop_rgba(honey, 0.6, 0.95 * shade, 0.65 * shade, 0.1 * shade, fill);
    cairo_pattern_add_color_stop_rgba(honey, 1, 0.6 * shade, 0.35 * shade, 0.04 * shade, fill);
    cairo_set_source(cr, honey);
    cairo_fill(cr);
    cairo_pattern_destroy(honey);
    cairo_pattern_destroy(wax);
    cairo_arc(cr, cx - r * 0.35, cy - r * 0.35, r * 0.16, 0, 2 * M_PI);
    SetColor(cr, Rgba{1, 1, 0.9, 0.5 * fill * shade});
    cairo_fill(cr);
}

}  // namespace

void DrawCeiling(const std::string& dir) {
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    const double rimTop = kHeight - kRim - 8;

    // The comb, darker the further up it reaches.
    cairo_rectangle(cr, 0, 0, kWidth, rimTop + 6);
    SetColor(cr, Hex(0x2A1804));
    cairo_fill(cr);
    const double r = 15, dx = r * std::sqrt(3.0), dy = r * 1.5;
    Noise n(3);
    int row = 0;
    for (double cy = rimTop + 4; cy > -r; cy -= dy, ++row) {
        double shade = 0.4 + 0.45 * std::pow(cy / rimTop, 1.5);
        if (shade < 0.4) {
            shade = 0.4;
        }
        for (double cx = (row % 2) ? dx / 2 : 0; cx < kWidth + dx; cx += dx) {
            double fill = n.Next() < 0.15 ? 0.35 : 1.0;  // a few cells not yet full
            HoneyCell(cr, cx, cy, r, fill, shade);
        }
    }

    // The wax rim with its scalloped, dripping lower edge.
    cairo_move_to(cr, 0, rimTop);
    cairo_line_to(cr, kWidth, rimTop);
    double edge = kHeight - 10;
    cairo_line_to(cr, kWidth, edge);
    Noise drips(9);
    for (double x = kWidth; x > 0; x -= 18) {
        double x0 = x - 18;
        bool drip = drips.Next() < 0.35;
        double depth = drip ? drips.Range(6, 9.5) : drips.Range(1, 3);
        if (drip) {
            double m = (x + x0) / 2;
            cairo_curve_to(cr, x - 2, edge, m + 3, edge, m + 2.5, edge + depth - 2);
            cairo_curve_to(cr, m + 2.5, edge + depth + 1, m - 2.5, edge + depth + 1, m - 2.5,
                           edge + depth - 2);
            cairo_curve_to(cr, m - 3, edge, x0 + 2, edge, x0, edge);
        } else {
            cairo_curve_to(cr, x - 5, edge + depth, x0 + 5, edge + depth, x0, edge);
        }
    }
    cairo_close_path(cr);
    cairo_pattern_t* wax = cairo_pattern_create_linear(0, rimTop, 0, kHeight);
    cairo_pattern_add_color_stop_rgb(wax, 0, 1, 0.93, 0.6);
    cairo_pattern_add_color_stop_rgb(wax, 0.35, kHoney.r, kHoney.g, kHoney.b);
    cairo_pattern_add_color_stop_rgb(wax, 1, kHoneyDark.r, kHoneyDark.g, kHoneyDark.b);
    cairo_set_source(cr, wax);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(wax);
    SetColor(cr, kBrown);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Shine along the rim and a row of pressed hexagons.
    cairo_move_to(cr, 4, rimTop + 3);
    cairo_line_to(cr, kWidth - 4, rimTop + 3);
    SetColor(cr, Rgba{1, 1, 0.9, 0.7});
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (double x = 15; x < kWidth; x += 30) {
        HexagonPath(cr, x, rimTop + 12, 5);
    }
    SetColor(cr, Rgba{0.45, 0.27, 0.04, 0.45});
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    canvas.Save(dir, "gameback_ceiling");
}

}  // namespace artgen::game
