// The start menu: a night-blue hive scene with the title and bubbles
// floating up, and the five menu buttons.
#include "artgen/button.h"
#include "artgen/menu_icons.h"
#include "artgen/menu_layout.h"
#include "artgen/menu_look.h"
#include "artgen/menu_screens.h"

#include <cmath>
#include <vector>

namespace artgen {

using namespace menu_colors;
namespace layout = menu_layout::start;

namespace {

constexpr int kW = menu_layout::kScreenW, kH = menu_layout::kScreenH;

void Sky(cairo_t* cr) {
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, kH);
    cairo_pattern_add_color_stop_rgb(sky, 0, kNightTop.r, kNightTop.g, kNightTop.b);
    cairo_pattern_add_color_stop_rgb(sky, 1, kNightBottom.r, kNightBottom.g, kNightBottom.b);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    // A violet haze low on the screen.
    cairo_pattern_t* haze =
        cairo_pattern_create_radial(kW / 2, kH + 120, 50, kW / 2, kH + 120, 620);
    cairo_pattern_add_color_stop_rgba(haze, 0, 0.45, 0.3, 0.7, 0.35);
    cairo_pattern_add_color_stop_rgba(haze, 1, 0.45, 0.3, 0.7, 0);
    cairo_set_source(cr, haze);
    cairo_paint(cr);
    cairo_pattern_destroy(haze);
    // The warm glow of the title.
    cairo_pattern_t* glow = cairo_pattern_create_radial(kW / 2, 140, 20, kW / 2, 140, 330);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.78, 0.3, 0.3);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.78, 0.3, 0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
}

void Stars(cairo_t* cr) {
    Scatter rnd(7);
    for (int i = 0; i < 90; ++i) {
        double x = rnd.Range(0, kW), y = rnd.Range(0, 330);
        double r = rnd.Range(0.5, 1.5), a = rnd.Range(0.25, 0.85) * (1 - y / 420);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 1, 0.97, 0.85, a);
        cairo_fill(cr);
    }
    // A few bright twinkles.
    const double twinkles[][3] = {{112, 58, 7},  {690, 92, 6},  {590, 36, 4},
                                  {218, 150, 4}, {740, 250, 5}, {54, 230, 4}};
    for (const auto& t : twinkles) {
        double x = t[0], y = t[1], s = t[2];
        cairo_move_to(cr, x - s, y);
        cairo_line_to(cr, x + s, y);
        cairo_move_to(cr, x, y - s);
        cairo_line_to(cr, x, y + s);
        cairo_set_source_rgba(cr, 1, 0.95, 0.8, 0.7);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        cairo_arc(cr, x, y, s * 0.3, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

// An empty wax cell of the hive wall.
void EmptyCell(cairo_t* cr, double cx, double cy, double r) {
    HexPath(cr, cx, cy, r);
    SetColor(cr, Darker(kHoneyDark, 0.35));
    cairo_fill(cr);
    HexPath(cr, cx, cy, r * 0.84);
    cairo_pattern_t* inside = cairo_pattern_create_radial(cx, cy + r * 0.2, r * 0.1, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(inside, 0, 0.36, 0.2, 0.06);
    cairo_pattern_add_color_stop_rgb(inside, 1, 0.18, 0.09, 0.03);
    cairo_set_source(cr, inside);
    cairo_fill(cr);
    // Light catching the lower inner walls.
    cairo_new_path(cr);
    for (int i = 0; i <= 2; ++i) {
        double a = M_PI / 3 * i + M_PI / 6;
        cairo_line_to(cr, cx + r * 0.72 * std::cos(a), cy + r * 0.72 * std::sin(a));
    }
    cairo_set_source_rgba(cr, 1, 0.8, 0.4, 0.35);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

// A piece of honeycomb in one corner: cells within a quarter circle around
// (ox, oy), filled or empty by a fixed pattern, fading into the night.
void HiveCorner(cairo_t* cr, double ox, double oy, double reach, std::uint32_t seed) {
    const double r = 24;
    double dx = r * std::sqrt(3.0), dy = r * 1.5;
    Scatter rnd(seed);
    cairo_push_group(cr);
    int row = 0;
    for (double cy = -r; cy < kH + r; cy += dy, ++row) {
        for (double cx = -dx + (row % 2 ? dx / 2 : 0); cx < kW + dx; cx += dx) {
            double d = std::hypot(cx - ox, cy - oy);
            double jitter = rnd.Range(-30, 30);
            if (d > reach + jitter) {
                continue;
            }
            if (rnd.Next() < 0.55) {
                HoneyCell(cr, cx, cy, r);
            } else {
                EmptyCell(cr, cx, cy, r);
            }
        }
    }
    cairo_pattern_t* comb = cairo_pop_group(cr);
    // The comb fades out towards its inner edge, into the night.
    cairo_pattern_t* fade = cairo_pattern_create_radial(ox, oy, reach * 0.35, ox, oy, reach + 30);
    cairo_pattern_add_color_stop_rgba(fade, 0, 0, 0, 0, 0.95);
    cairo_pattern_add_color_stop_rgba(fade, 1, 0, 0, 0, 0.0);
    cairo_set_source(cr, comb);
    cairo_mask(cr, fade);
    cairo_pattern_destroy(fade);
    cairo_pattern_destroy(comb);
}

struct FloatingBubble {
    double x, y, r;
    unsigned color;
    double alpha;
};

void Bubbles(cairo_t* cr) {
    // Placed by hand around the button column so the menu stays calm.
    const std::vector<FloatingBubble> bubbles = {
        {70, 350, 30, 0x39C6B5, 0.9},  {150, 300, 14, 0xF0597A, 0.85},
        {205, 420, 22, 0xFFE38A, 0.8}, {120, 470, 12, 0x8FA8FF, 0.8},
        {232, 520, 9, 0x39C6B5, 0.7},  {42, 140, 18, 0x9BE37A, 0.7},
        {180, 215, 10, 0xFFFFFF, 0.6}, {250, 80, 8, 0xF0597A, 0.6},
        {735, 350, 26, 0xF0597A, 0.9}, {640, 300, 16, 0x39C6B5, 0.85},
        {600, 430, 24, 0x8FA8FF, 0.8}, {690, 470, 11, 0xFFE38A, 0.8},
        {575, 530, 9, 0x9BE37A, 0.7},  {760, 170, 15, 0xFFE38A, 0.7},
        {622, 210, 10, 0xFFFFFF, 0.6}, {548, 86, 8, 0x39C6B5, 0.6},
        {560, 250, 6, 0xFFFFFF, 0.5},  {245, 265, 7, 0xFFFFFF, 0.5},
    };
    for (const FloatingBubble& b : bubbles) {
        Bubble(cr, b.x, b.y, b.r, Hex(b.color), b.alpha);
    }
    // A trail of tiny bubbles rising from each side.
    Scatter rnd(3);
    for (int i = 0; i < 14; ++i) {
        double t = i / 13.0;
        double x = 60 + 40 * std::sin(t * 7) + rnd.Range(-6, 6);
        Bubble(cr, x, 590 - t * 380, 2 + 3 * rnd.Next(), Hex(0xFFFFFF), 0.5);
        x = 740 + 35 * std::sin(t * 6 + 1) + rnd.Range(-6, 6);
        Bubble(cr, x, 595 - t * 360, 2 + 3 * rnd.Next(), Hex(0xFFFFFF), 0.5);
    }
}

void BeeTrail(cairo_t* cr, double x0, double y0, double x1, double y1, double bend) {
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, (x0 + x1) / 2, y0 - bend, (x0 + x1) / 2, y1 + bend, x1, y1);
    const double dashes[] = {2, 6};
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_set_source_rgba(cr, 1, 0.95, 0.75, 0.45);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

// A dark glassy plate behind the column of buttons.
void ButtonPlate(cairo_t* cr) {
    double x = layout::kButtonX - 22, y = layout::kFirstButtonY - 16;
    double w = layout::kButtonW + 44, h = layout::kButtonStep * 4 + layout::kButtonH + 32;
    RoundedRect(cr, x, y + 4, w, h, 24);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    RoundedRect(cr, x, y, w, h, 24);
    cairo_pattern_t* glass = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgba(glass, 0, 0.1, 0.11, 0.26, 0.72);
    cairo_pattern_add_color_stop_rgba(glass, 1, 0.06, 0.07, 0.18, 0.8);
    cairo_set_source(cr, glass);
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0xFFE38A, 0.45));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_save(cr);
    RoundedRect(cr, x, y, w, h, 24);
    cairo_clip(cr);
    HoneycombLines(cr, x, y, w, h, 16, kHoneyLight, 0.08, 0.04);
    cairo_restore(cr);
}

void DrawBackground(const std::string& dir) {
    Canvas canvas(kW, kH);
    cairo_t* cr = canvas.cr();
    Sky(cr);
    Stars(cr);
    HoneycombLines(cr, 0, 0, kW, kH, 30, kHoneyLight, 0.015, 0.07);
    HiveCorner(cr, -20, kH + 10, 250, 11);
    HiveCorner(cr, kW + 20, kH + 10, 230, 12);
    HiveCorner(cr, -30, -30, 150, 13);
    HiveCorner(cr, kW + 30, -30, 170, 14);
    Bubbles(cr);
    ButtonPlate(cr);

    Emblem(cr, kW / 2 + 8, 82, 42);
    TitleText(cr, "Bubblehive", kW / 2, 222, 76, 9);

    BeeTrail(cr, 30, 110, 112, 168, 30);
    Bee(cr, 122, 168, 14, 0.15, false);
    BeeTrail(cr, 690, 150, 585, 118, -25);
    Bee(cr, 575, 116, 12, -0.1, true);
    canvas.Save(dir, "start_back");
}

void DrawButtons(const std::string& dir) {
    struct Entry {
        const char* label;
        Symbol symbol;
        ButtonTint tint;
    };
    // Rows in the order of the column: start, top, set, more, exit.
    const Entry entries[] = {{"Start", Symbol::Play, ButtonTint::Gold},
                             {"High scores", Symbol::Crown, ButtonTint::Gold},
                             {"Settings", Symbol::Gear, ButtonTint::Gold},
                             {"More games", Symbol::Globe, ButtonTint::Teal},
                             {"Exit", Symbol::Power, ButtonTint::Rose}};
    const int w = layout::kButtonW, h = layout::kButtonH;
    Canvas canvas(3 * w, 5 * h);
    for (int i = 0; i < 5; ++i) {
        ButtonStyle style;
        style.tint = entries[i].tint;
        style.labelSize = 22;
        style.icon = SymbolIcon(entries[i].symbol, 20);
        DrawButtonStrip(canvas.cr(), 0, i * h, w, h, entries[i].label, style);
    }
    canvas.Save(dir, "start_buttons");
}

}  // namespace

void DrawStartScreen(const std::string& dir) {
    DrawBackground(dir);
    DrawButtons(dir);
}

}  // namespace artgen
