// The four little animals of the HUD's garden, each a short looping
// animation: two bees hovering with buzzing wings, a butterfly fanning its
// wings and a ladybug that lifts its wing cases.
#include "artgen/game_art.h"
#include "artgen/game_paint.h"

#include <cmath>
#include <tuple>

namespace artgen::game {

namespace {

// Frame sizes and rows in the texture (data/res/game_back.pak reads the same).
constexpr int kBeeW = 48, kBeeH = 40, kBeeFrames = 6;
constexpr int kSmallBeeW = 40, kSmallBeeH = 34;
constexpr int kFlyW = 44, kFlyH = 40, kFlyFrames = 8;
constexpr int kBugW = 48, kBugH = 28, kBugFrames = 8;
constexpr int kTextureW = kBugW * kBugFrames;

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, double angle) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

// A round bee facing right, body length about 2.2 * s; flap 0..1 lifts the
// wings from low to high.
void Bee(cairo_t* cr, double cx, double cy, double s, double flap, bool faceLeft) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    if (faceLeft) {
        cairo_scale(cr, -1, 1);
    }
    // Far wing behind the body.
    double wingAngle = -0.3 - 1.0 * flap;
    Ellipse(cr, -0.15 * s, -0.55 * s, 0.62 * s, 0.32 * s, wingAngle - 0.35);
    SetColor(cr, Rgba{0.8, 0.9, 1, 0.45});
    cairo_fill(cr);
    // Stinger.
    cairo_move_to(cr, -1.0 * s, 0.05 * s);
    cairo_line_to(cr, -1.32 * s, 0.12 * s);
    cairo_line_to(cr, -0.98 * s, 0.28 * s);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x2A1A06));
    cairo_fill(cr);
    // Body with stripes.
    Ellipse(cr, -0.1 * s, 0.12 * s, 0.95 * s, 0.7 * s, 0);
    cairo_pattern_t* body =
        cairo_pattern_create_radial(-0.3 * s, -0.25 * s, 0, -0.1 * s, 0.1 * s, s);
    cairo_pattern_add_color_stop_rgb(body, 0, 1, 0.93, 0.55);
    cairo_pattern_add_color_stop_rgb(body, 0.6, 0.98, 0.75, 0.12);
    cairo_pattern_add_color_stop_rgb(body, 1, 0.75, 0.45, 0.04);
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    cairo_save(cr);
    cairo_clip(cr);
    for (double sx : {-0.62 * s, -0.2 * s}) {
        cairo_rectangle(cr, sx, -s, 0.2 * s, 2 * s);
    }
    SetColor(cr, Hex(0x2A1A06));
    cairo_fill(cr);
    cairo_restore(cr);
    Ellipse(cr, -0.1 * s, 0.12 * s, 0.95 * s, 0.7 * s, 0);
    SetColor(cr, Hex(0x2A1A06));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // Head, eye and smile.
    cairo_arc(cr, 0.85 * s, 0.0, 0.45 * s, 0, 2 * M_PI);
    SetColor(cr, Hex(0x2E2010));
    cairo_fill(cr);
    cairo_arc(cr, 0.98 * s, -0.08 * s, 0.15 * s, 0, 2 * M_PI);
    SetColor(cr, Hex(0xFFFFFF));
    cairo_fill(cr);
    cairo_arc(cr, 1.02 * s, -0.08 * s, 0.07 * s, 0, 2 * M_PI);
    SetColor(cr, Hex(0x000000));
    cairo_fill(cr);
    cairo_arc(cr, 0.76 * s, 0.16 * s, 0.1 * s, 0, 2 * M_PI);
    SetColor(cr, Rgba{0.95, 0.45, 0.5, 0.7});
    cairo_fill(cr);
    // Antennae.
    cairo_move_to(cr, 0.8 * s, -0.4 * s);
    cairo_curve_to(cr, 0.8 * s, -0.75 * s, 1.0 * s, -0.85 * s, 1.15 * s, -0.8 * s);
    SetColor(cr, Hex(0x2E2010));
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    cairo_arc(cr, 1.15 * s, -0.8 * s, 0.09 * s, 0, 2 * M_PI);
    cairo_fill(cr);
    // Near wing in front.
    Ellipse(cr, 0.05 * s, -0.6 * s, 0.62 * s, 0.32 * s, wingAngle);
    SetColor(cr, Rgba{0.92, 0.97, 1, 0.7});
    cairo_fill_preserve(cr);
    SetColor(cr, Rgba{0.45, 0.55, 0.75, 0.8});
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void DrawBees(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    for (int i = 0; i < kBeeFrames; ++i) {
        // The wings beat twice per loop; the body bobs once.
        double flap = 0.5 + 0.5 * std::cos(i * 4 * M_PI / kBeeFrames);
        double bob = 2.0 * std::sin(i * 2 * M_PI / kBeeFrames);
        Bee(cr, i * kBeeW + kBeeW / 2.0 - 2, kBeeH / 2.0 + 4 + bob, 12.5, flap, false);
        Bee(cr, i * kSmallBeeW + kSmallBeeW / 2.0 + 1, kBeeH + kSmallBeeH / 2.0 + 3 - bob, 9.5,
            1 - flap, true);
    }
}

// A butterfly seen from above; open 0..1 spreads its wings.
void Butterfly(cairo_t* cr, double cx, double cy, double open) {
    const double spread = 0.2 + 0.8 * open;
    for (int side : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, side * spread, 1);
        // Upper and lower wing.
        cairo_move_to(cr, 0, -2);
        cairo_curve_to(cr, 8, -18, 22, -16, 19, -4);
        cairo_curve_to(cr, 17, 2, 8, 2, 0, 1);
        cairo_close_path(cr);
        cairo_move_to(cr, 0, 1);
        cairo_curve_to(cr, 10, 2, 16, 8, 12, 13);
        cairo_curve_to(cr, 8, 17, 2, 12, 0, 5);
        cairo_close_path(cr);
        cairo_pattern_t* wing = cairo_pattern_create_radial(4, 0, 0, 4, 0, 20);
        cairo_pattern_add_color_stop_rgb(wing, 0, 1, 0.85, 0.9);
        cairo_pattern_add_color_stop_rgb(wing, 0.45, kRose.r, kRose.g, kRose.b);
        cairo_pattern_add_color_stop_rgb(wing, 1, 0.55, 0.2, 0.6);
        cairo_set_source(cr, wing);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(wing);
        SetColor(cr, Hex(0x3A1530));
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        cairo_arc(cr, 13, -8, 2.6, 0, 2 * M_PI);
        SetColor(cr, kCream);
        cairo_fill(cr);
        cairo_arc(cr, 9, 9, 1.8, 0, 2 * M_PI);
        SetColor(cr, kHoneyLight);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    // Body and feelers.
    Ellipse(cr, cx, cy + 1, 2, 9, 0);
    SetColor(cr, Hex(0x2A1426));
    cairo_fill(cr);
    cairo_move_to(cr, cx - 1, cy - 7);
    cairo_curve_to(cr, cx - 3, cy - 12, cx - 5, cy - 14, cx - 6, cy - 15);
    cairo_move_to(cr, cx + 1, cy - 7);
    cairo_curve_to(cr, cx + 3, cy - 12, cx + 5, cy - 14, cx + 6, cy - 15);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void DrawButterflies(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const double top = kBeeH + kSmallBeeH;
    for (int i = 0; i < kFlyFrames; ++i) {
        double open = 0.5 + 0.5 * std::cos(i * 2 * M_PI / kFlyFrames);
        double bob = 1.5 * std::sin(i * 2 * M_PI / kFlyFrames);
        Butterfly(cr, i * kFlyW + kFlyW / 2.0, top + kFlyH / 2.0 + 2 + bob, open);
    }
}

// A ladybug from the side, facing right; lift 0..1 opens its wing cases.
void Ladybug(cairo_t* cr, double cx, double cy, double lift, int step) {
    // Legs, stepping.
    SetColor(cr, Hex(0x1A1010));
    cairo_set_line_width(cr, 1.3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int k = 0; k < 3; ++k) {
        double lx = cx - 6 + k * 6;
        double swing = ((k + step) % 2) ? 1.5 : -1.5;
        cairo_move_to(cr, lx, cy + 3);
        cairo_line_to(cr, lx + swing, cy + 9);
    }
    cairo_stroke(cr);
    // Head and feelers.
    cairo_arc(cr, cx + 11, cy + 2, 4.5, 0, 2 * M_PI);
    SetColor(cr, Hex(0x1A1010));
    cairo_fill(cr);
    cairo_arc(cr, cx + 12.5, cy + 0.5, 1.2, 0, 2 * M_PI);
    SetColor(cr, Hex(0xFFFFFF));
    cairo_fill(cr);
    cairo_move_to(cr, cx + 13, cy - 1.5);
    cairo_line_to(cr, cx + 17, cy - 5.5 + (step % 2));
    SetColor(cr, Hex(0x1A1010));
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    // Thin wings under the cases, seen only when lifted.
    if (lift > 0) {
        Ellipse(cr, cx - 4, cy - 6 - 3 * lift, 11, 3.5, -0.35 * lift);
        SetColor(cr, Rgba{0.85, 0.92, 1, 0.55 * lift});
        cairo_fill(cr);
    }
    // The red dome, its rear edge lifting.
    cairo_save(cr);
    cairo_translate(cr, cx + 6, cy + 3);
    cairo_rotate(cr, -0.45 * lift);
    cairo_translate(cr, -6, -3);
    cairo_move_to(cr, -12, 3);
    cairo_curve_to(cr, -12, -10, 8, -12, 8, 3);
    cairo_close_path(cr);
    cairo_pattern_t* shell = cairo_pattern_create_radial(-4, -5, 0, -2, -1, 13);
    cairo_pattern_add_color_stop_rgb(shell, 0, 1, 0.6, 0.55);
    cairo_pattern_add_color_stop_rgb(shell, 0.5, 0.9, 0.12, 0.12);
    cairo_pattern_add_color_stop_rgb(shell, 1, 0.55, 0.04, 0.06);
    cairo_set_source(cr, shell);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shell);
    SetColor(cr, Hex(0x3A0808));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    SetColor(cr, Hex(0x140808));
    for (auto [sx, sy, sr] : {std::tuple{-6.0, -3.0, 2.2}, std::tuple{1.0, -5.0, 2.0},
                              std::tuple{-1.5, 0.5, 1.6}, std::tuple{4.5, -0.5, 1.4}}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, sx, sy, sr, 0, 2 * M_PI);
    }
    cairo_fill(cr);
    Ellipse(cr, -4, -6, 3.5, 1.6, -0.4);
    SetColor(cr, Rgba{1, 1, 1, 0.5});
    cairo_fill(cr);
    cairo_restore(cr);
}

void DrawLadybugs(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const double top = kBeeH + kSmallBeeH + kFlyH;
    const double lifts[kBugFrames] = {0, 0, 0.4, 0.9, 1, 0.6, 0.2, 0};
    for (int i = 0; i < kBugFrames; ++i) {
        Ladybug(cr, i * kBugW + kBugW / 2.0 - 2, top + kBugH / 2.0 + 1, lifts[i], i);
    }
}

}  // namespace

void DrawAnimals(const std::string& dir) {
    Canvas canvas(kTextureW, kBeeH + kSmallBeeH + kFlyH + kBugH);
    DrawBees(canvas);
    DrawButterflies(canvas);
    DrawLadybugs(canvas);
    canvas.Save(dir, "gameback_animals");
}

}  // namespace artgen::game
