// The launcher, a honey-gold bee's stinger on a collar that holds the
// current block, and the dotted aim line. Both point straight up; the game
// turns them about their pivots.
#include "artgen/game_art.h"
#include "artgen/game_paint.h"

#include <cmath>

namespace artgen::game {

namespace {

// Launcher frame and its pivot (data/res/block_shoot.pak names the same).
constexpr int kLauncherW = 72;
constexpr int kLauncherH = 120;
constexpr double kPivotX = 36;
constexpr double kPivotY = 86;
// Aim line frame; its hotspot is the bottom centre.
constexpr int kAimW = 16;
constexpr int kAimH = 516;

void Wing(cairo_t* cr, double x, double y, double dir) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, dir * 0.78, 0.78);
    cairo_rotate(cr, -0.35);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, 6, -10, 20, -12, 22, -4);
    cairo_curve_to(cr, 23, 3, 10, 6, 0, 2);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, -10, 0, 6);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.95, 0.98, 1, 0.85);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.7, 0.85, 1, 0.45);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetColor(cr, Rgba{0.3, 0.35, 0.55, 0.8});
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_move_to(cr, 2, 0);
    cairo_curve_to(cr, 8, -5, 14, -6, 19, -4);
    SetColor(cr, Rgba{0.4, 0.45, 0.65, 0.5});
    cairo_stroke(cr);
    cairo_restore(cr);
}

void DrawLauncher(const std::string& dir) {
    Canvas canvas(kLauncherW, kLauncherH);
    cairo_t* cr = canvas.cr();
    const double cx = kPivotX, cy = kPivotY;

    // Little bee wings on the collar's shoulders.
    Wing(cr, cx - 17, cy - 12, -1);
    Wing(cr, cx + 17, cy - 12, 1);

    // The stinger: a tapered barrel with bee stripes and a dark point.
    const double baseY = cy - 18, tipY = 12, baseW = 13;
    auto barrel = [&](double inset) {
        cairo_move_to(cr, cx - baseW + inset, baseY + 4);
        cairo_curve_to(cr, cx - baseW + inset, baseY - 20, cx - 3, tipY + 18, cx, tipY + inset);
        cairo_curve_to(cr, cx + 3, tipY + 18, cx + baseW - inset, baseY - 20, cx + baseW - inset,
                       baseY + 4);
        cairo_close_path(cr);
    };
    barrel(0);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_pattern_t* gold = cairo_pattern_create_linear(cx - baseW, 0, cx + baseW, 0);
    cairo_pattern_add_color_stop_rgb(gold, 0, kHoneyDark.r, kHoneyDark.g, kHoneyDark.b);
    cairo_pattern_add_color_stop_rgb(gold, 0.3, kHoneyLight.r, kHoneyLight.g, kHoneyLight.b);
    cairo_pattern_add_color_stop_rgb(gold, 0.55, kHoney.r, kHoney.g, kHoney.b);
    cairo_pattern_add_color_stop_rgb(gold, 1, 0.55, 0.33, 0.04);
    cairo_set_source(cr, gold);
    cairo_fill(cr);
    cairo_pattern_destroy(gold);
    // Stripes, curved like rings around the barrel.
    for (double y : {baseY - 8.0, baseY - 24.0}) {
        cairo_move_to(cr, cx - 16, y);
        cairo_curve_to(cr, cx - 6, y + 3, cx + 6, y + 3, cx + 16, y);
        cairo_line_to(cr, cx + 16, y - 8);
        cairo_curve_to(cr, cx + 6, y - 5, cx - 6, y - 5, cx - 16, y - 8);
        cairo_close_path(cr);
    }
    cairo_rectangle(cr, 0, 0, kLauncherW, baseY - 38);
    cairo_pattern_t* brown = cairo_pattern_create_linear(cx - baseW, 0, cx + baseW, 0);
    cairo_pattern_add_color_stop_rgb(brown, 0, 0.2, 0.12, 0.04);
    cairo_pattern_add_color_stop_rgb(brown, 0.3, 0.5, 0.33, 0.14);
    cairo_pattern_add_color_stop_rgb(brown, 1, 0.14, 0.08, 0.02);
    cairo_set_source(cr, brown);
    cairo_fill(cr);
    cairo_pattern_destroy(brown);
    // Shine down the left side.
    cairo_move_to(cr, cx - 7, baseY);
    cairo_curve_to(cr, cx - 7, baseY - 22, cx - 3, tipY + 22, cx - 1.2, tipY + 10);
    SetColor(cr, Rgba{1, 1, 1, 0.45});
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
    barrel(0);
    SetColor(cr, Hex(0x2E1C06));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);

    // The collar the current block sits in.
    cairo_arc(cr, cx, cy + 1.5, 26, 0, 2 * M_PI);
    SetColor(cr, Rgba{0, 0, 0, 0.35});
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_arc(cr, cx, cy, 25, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, 18.5, 0, 2 * M_PI);
    cairo_pattern_t* ring = cairo_pattern_create_linear(cx - 20, cy - 25, cx + 12, cy + 25);
    cairo_pattern_add_color_stop_rgb(ring, 0, kHoneyLight.r, kHoneyLight.g, kHoneyLight.b);
    cairo_pattern_add_color_stop_rgb(ring, 0.45, kHoney.r, kHoney.g, kHoney.b);
    cairo_pattern_add_color_stop_rgb(ring, 1, kHoneyDark.r, kHoneyDark.g, kHoneyDark.b);
    cairo_set_source(cr, ring);
    cairo_fill(cr);
    cairo_pattern_destroy(ring);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_arc(cr, cx, cy, 18.5, 0, 2 * M_PI);
    SetColor(cr, Hex(0x2A1A05));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 24.5, 0, 2 * M_PI);
    SetColor(cr, Hex(0x4A2E08));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, 23, M_PI * 1.05, M_PI * 1.75);
    SetColor(cr, Rgba{1, 1, 0.9, 0.7});
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    // Rivets around the collar.
    for (int k = 0; k < 6; ++k) {
        double a = M_PI / 6 + k * M_PI / 3;
        double rx = cx + std::cos(a) * 21.8, ry = cy + std::sin(a) * 21.8;
        cairo_arc(cr, rx, ry, 1.6, 0, 2 * M_PI);
        SetColor(cr, Hex(0x7A4A0A));
        cairo_fill(cr);
        cairo_arc(cr, rx - 0.4, ry - 0.4, 0.7, 0, 2 * M_PI);
        SetColor(cr, Hex(0xFFF1B8));
        cairo_fill(cr);
    }
    canvas.Save(dir, "shoot_launcher");
}

void DrawAimLine(const std::string& dir) {
    Canvas canvas(kAimW, kAimH);
    cairo_t* cr = canvas.cr();
    const double cx = kAimW / 2.0;
    // Dots from just above the stinger's point, fading with distance.
    for (double y = kAimH - 84; y > 6; y -= 20) {
        double t = (kAimH - y) / kAimH;
        double alpha = 0.95 - 0.8 * t;
        cairo_pattern_t* glow = cairo_pattern_create_radial(cx, y, 0, cx, y, 7);
        cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.85, 0.35, 0.6 * alpha);
        cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.75, 0.2, 0);
        cairo_set_source(cr, glow);
        cairo_arc(cr, cx, y, 7, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
        cairo_arc(cr, cx, y, 3, 0, 2 * M_PI);
        SetColor(cr, Rgba{1, 0.98, 0.88, alpha});
        cairo_fill(cr);
    }
    canvas.Save(dir, "aim_line");
}

}  // namespace

void DrawShooter(const std::string& dir) {
    DrawLauncher(dir);
    DrawAimLine(dir);
}

}  // namespace artgen::game
