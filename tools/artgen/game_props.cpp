// The prop icons: six round badges drawn over a bubble (fast, slow, aim,
// bomb, infection, star), and the armed bomb drawn over the launcher's block.
#include "artgen/game_art.h"
#include "artgen/game_paint.h"

#include <cmath>

namespace artgen::game {

namespace {

constexpr int kIcon = 28;  // badge frames; the badge itself is about 24 pixels across
constexpr double kBadge = 10;
constexpr int kArmed = 48;

// A dark disc with a coloured ring and a thin dark edge that keeps it apart
// from light and dark bubbles alike.
void Badge(cairo_t* cr, double cx, double cy, const Rgba& ring) {
    cairo_arc(cr, cx, cy + 1, kBadge + 2.2, 0, 2 * M_PI);
    SetColor(cr, Rgba{0, 0, 0, 0.35});
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, kBadge + 1.6, 0, 2 * M_PI);
    SetColor(cr, Hex(0x0B0C1C));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, kBadge + 0.8, 0, 2 * M_PI);
    SetColor(cr, ring);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, kBadge - 0.8, 0, 2 * M_PI);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - 3, cy - 4, 0, cx, cy, kBadge);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.22, 0.25, 0.5);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.06, 0.07, 0.17);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// The badge's gloss, laid over the glyph.
void BadgeGloss(cairo_t* cr, double cx, double cy) {
    cairo_save(cr);
    cairo_arc(cr, cx, cy, kBadge - 0.8, 0, 2 * M_PI);
    cairo_clip(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy - kBadge * 0.55);
    cairo_scale(cr, kBadge * 0.85, kBadge * 0.5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, cy - kBadge, 0, cy);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.35);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void Fast(cairo_t* cr, double cx, double cy) {
    Badge(cr, cx, cy, Hex(0xFFC928));
    // A lightning bolt.
    cairo_move_to(cr, cx + 1.8, cy - 8);
    cairo_line_to(cr, cx - 4.6, cy + 1.2);
    cairo_line_to(cr, cx - 0.4, cy + 1.2);
    cairo_line_to(cr, cx - 2.2, cy + 8);
    cairo_line_to(cr, cx + 4.8, cy - 1.8);
    cairo_line_to(cr, cx + 0.6, cy - 1.8);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, cy - 8, 0, cy + 8);
    cairo_pattern_add_color_stop_rgb(p, 0, 1, 0.98, 0.75);
    cairo_pattern_add_color_stop_rgb(p, 1, 1, 0.72, 0.1);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetColor(cr, Hex(0x7A4A05));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    BadgeGloss(cr, cx, cy);
}

void Slow(cairo_t* cr, double cx, double cy) {
    Badge(cr, cx, cy, kTeal);
    // A snail: body along the bottom, a spiral shell on its back.
    cairo_move_to(cr, cx - 7.5, cy + 5);
    cairo_curve_to(cr, cx - 2, cy + 6.5, cx + 5, cy + 6.2, cx + 7.2, cy + 3.2);
    cairo_line_to(cr, cx + 7.6, cy - 0.5);
    cairo_curve_to(cr, cx + 5.6, cy + 1.6, cx + 3, cy + 3, cx - 7.5, cy + 3);
    cairo_close_path(cr);
    SetColor(cr, Hex(0xBFF5EA));
    cairo_fill(cr);
    // Feelers.
    cairo_move_to(cr, cx + 6.6, cy + 0.5);
    cairo_line_to(cr, cx + 7.6, cy - 5);
    cairo_move_to(cr, cx + 5.6, cy + 1);
    cairo_line_to(cr, cx + 4.6, cy - 4.4);
    SetColor(cr, Hex(0xBFF5EA));
    cairo_set_line_width(cr, 1.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_arc(cr, cx + 7.6, cy - 5, 1.1, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx + 4.6, cy - 4.4, 1.1, 0, 2 * M_PI);
    cairo_fill(cr);
    // Shell.
    double sx = cx - 1.5, sy = cy - 0.8;
    cairo_arc(cr, sx, sy, 5.4, 0, 2 * M_PI);
    SetColor(cr, Hex(0x39C6B5));
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0xE9FFF9));
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    for (int k = 0; k <= 40; ++k) {
        double a = k * 0.3, r = 0.2 + k * 0.1;
        double x = sx + std::cos(a) * r, y = sy + std::sin(a) * r;
        if (k == 0) {
            cairo_move_to(cr, x, y);
        } else {
            cairo_line_to(cr, x, y);
        }
    }
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    BadgeGloss(cr, cx, cy);
}

void Aim(cairo_t* cr, double cx, double cy) {
    Badge(cr, cx, cy, kRose);
    // A cross-hair.
    SetColor(cr, Hex(0xFFE3EA));
    cairo_set_line_width(cr, 1.6);
    cairo_arc(cr, cx, cy, 5.2, 0, 2 * M_PI);
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int k = 0; k < 4; ++k) {
        double a = k * M_PI / 2;
        cairo_move_to(cr, cx + std::cos(a) * 3, cy + std::sin(a) * 3);
        cairo_line_to(cr, cx + std::cos(a) * 8.2, cy + std::sin(a) * 8.2);
    }
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, 1.5, 0, 2 * M_PI);
    SetColor(cr, Hex(0xFF6F91));
    cairo_fill(cr);
    BadgeGloss(cr, cx, cy);
}

void Bomb(cairo_t* cr, double cx, double cy) {
    // The bomb is its own badge: a light edge keeps it readable on the
    // dark bubbles, a dark one on the light bubbles.
    cairo_arc(cr, cx - 1, cy + 2.5, 10.2, 0, 2 * M_PI);
    SetColor(cr, Rgba{0, 0, 0, 0.35});
    cairo_fill(cr);
    cairo_arc(cr, cx - 1, cy + 2, 9.8, 0, 2 * M_PI);
    SetColor(cr, kCream);
    cairo_fill(cr);
    DrawBomb(cr, cx - 1, cy + 2, 8.3, 0.5);
}

void Infection(cairo_t* cr, double cx, double cy) {
    Badge(cr, cx, cy, Hex(0x9BE22B));
    // A germ: a knobbly green body with spots.
    SetColor(cr, Hex(0x9BE22B));
    cairo_set_line_width(cr, 1.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int k = 0; k < 8; ++k) {
        double a = k * M_PI / 4 + 0.2;
        cairo_move_to(cr, cx + std::cos(a) * 5, cy + std::sin(a) * 5);
        cairo_line_to(cr, cx + std::cos(a) * 7, cy + std::sin(a) * 7);
    }
    cairo_stroke(cr);
    for (int k = 0; k < 8; ++k) {
        double a = k * M_PI / 4 + 0.2;
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx + std::cos(a) * 7.3, cy + std::sin(a) * 7.3, 1.5, 0, 2 * M_PI);
    }
    cairo_fill(cr);
    for (int k = 0; k <= 16; ++k) {
        double a = k * M_PI / 8, r = (k % 2) ? 5.2 : 6.0;
        double x = cx + std::cos(a) * r, y = cy + std::sin(a) * r;
        if (k == 0) {
            cairo_move_to(cr, x, y);
        } else {
            cairo_line_to(cr, x, y);
        }
    }
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - 1.5, cy - 1.5, 0, cx, cy, 6);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.85, 1, 0.55);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.38, 0.7, 0.08);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    SetColor(cr, Hex(0x3E7A0C));
    cairo_arc(cr, cx + 1.4, cy + 0.8, 1.2, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx - 1.6, cy + 1.6, 0.8, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx - 0.4, cy - 2, 0.8, 0, 2 * M_PI);
    cairo_fill(cr);
    BadgeGloss(cr, cx, cy);
}

void Star(cairo_t* cr, double cx, double cy) {
    Badge(cr, cx, cy, Hex(0xFFF3B0));
    StarPath(cr, cx, cy + 0.6, 8.4, 3.6, 5);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, cy - 8, 0, cy + 8);
    cairo_pattern_add_color_stop_rgb(p, 0, 1, 0.97, 0.7);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 1, 0.82, 0.2);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.95, 0.55, 0.05);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetColor(cr, Hex(0x7A4A05));
    cairo_set_line_width(cr, 0.8);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    BadgeGloss(cr, cx, cy);
    Twinkle(cr, cx + 6.5, cy - 6.5, 3.5, 0.95);
}

// The armed bomb: a full-size bomb in a warm glow, over the next shot.
void ArmedBomb(cairo_t* cr, double cx, double cy) {
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 8, cx, cy, 23);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.6, 0.15, 0.7);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.4, 0.05, 0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, cx, cy, 23, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    cairo_arc(cr, cx, cy + 2, 15.4, 0, 2 * M_PI);
    SetColor(cr, kCream);
    cairo_fill(cr);
    DrawBomb(cr, cx, cy + 2, 14, 1);
}

}  // namespace

void DrawProps(const std::string& dir) {
    // One row of six badges in the order of the prop kinds, the armed bomb below.
    Canvas canvas(6 * kIcon, kIcon + kArmed);
    cairo_t* cr = canvas.cr();
    void (*icons[6])(cairo_t*, double, double) = {Fast, Slow, Aim, Bomb, Infection, Star};
    for (int k = 0; k < 6; ++k) {
        icons[k](cr, k * kIcon + kIcon / 2.0, kIcon / 2.0);
    }
    ArmedBomb(cr, kArmed / 2.0, kIcon + kArmed / 2.0);
    canvas.Save(dir, "props_icons");
}

}  // namespace artgen::game
