// The game background: the night-blue hive wall, the golden frame around the
// field with the launcher's deck, and the right-hand panel with the title,
// the SCORE and LEVEL boxes, the animals' garden and the slots where the
// MENU and HELP buttons stand.
#include "artgen/game_art.h"
#include "artgen/game_layout.h"
#include "artgen/game_paint.h"

#include <cmath>
#include <utility>

namespace artgen::game {

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr double kInnerRadius = 4;  // small: the clipped ceiling fills the corners

void Wall(cairo_t* cr) {
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, kHeight);
    cairo_pattern_add_color_stop_rgb(sky, 0, kNightTop.r, kNightTop.g, kNightTop.b);
    cairo_pattern_add_color_stop_rgb(sky, 1, kNightBottom.r, kNightBottom.g, kNightBottom.b);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    // A warm glow behind the panel's title.
    cairo_pattern_t* glow = cairo_pattern_create_radial(655, 50, 0, 655, 50, 260);
    cairo_pattern_add_color_stop_rgba(glow, 0, 0.96, 0.73, 0.13, 0.16);
    cairo_pattern_add_color_stop_rgba(glow, 1, 0.96, 0.73, 0.13, 0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
    HoneycombLines(cr, 0, 0, kWidth, kHeight, 22, Rgba{1, 0.85, 0.45, 0.06}, 1.2);
}

void Field(cairo_t* cr) {
    const double x = kInnerLeft, y = kInnerTop, w = kInnerRight - kInnerLeft,
                 h = kInnerBottom - kInnerTop;
    cairo_save(cr);
    RoundedRect(cr, x, y, w, h, kInnerRadius);
    cairo_clip(cr);
    cairo_pattern_t* depth = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(depth, 0, 0.07, 0.08, 0.2);
    cairo_pattern_add_color_stop_rgb(depth, 0.75, 0.1, 0.11, 0.27);
    cairo_pattern_add_color_stop_rgb(depth, 1, 0.13, 0.13, 0.31);
    cairo_set_source(cr, depth);
    cairo_paint(cr);
    cairo_pattern_destroy(depth);
    // Light falling in from the top of the hive.
    cairo_pattern_t* light =
        cairo_pattern_create_radial(x + w / 2, y - 40, 20, x + w / 2, y - 40, 460);
    cairo_pattern_add_color_stop_rgba(light, 0, 0.45, 0.5, 0.95, 0.22);
    cairo_pattern_add_color_stop_rgba(light, 1, 0.45, 0.5, 0.95, 0);
    cairo_set_source(cr, light);
    cairo_paint(cr);
    cairo_pattern_destroy(light);
    // Faint comb in the back of the hive, and soft out-of-focus lights.
    HoneycombLines(cr, x, y, w, h, 18, Rgba{0.6, 0.65, 1, 0.12}, 1.0);
    Noise n(5);
    for (int k = 0; k < 22; ++k) {
        double bx = n.Range(x, x + w), by = n.Range(y, y + h * 0.8), br = n.Range(6, 22);
        cairo_pattern_t* b = cairo_pattern_create_radial(bx, by, 0, bx, by, br);
        double a = n.Range(0.03, 0.08);
        cairo_pattern_add_color_stop_rgba(b, 0, 0.7, 0.75, 1, a);
        cairo_pattern_add_color_stop_rgba(b, 1, 0.7, 0.75, 1, 0);
        cairo_set_source(cr, b);
        cairo_arc(cr, bx, by, br, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(b);
    }
    // Shadow cast by the frame on the inside.
    for (int k = 0; k < 8; ++k) {
        RoundedRect(cr, x + k, y + k, w - 2 * k, h - 2 * k, kInnerRadius);
        SetColor(cr, Rgba{0, 0, 0, 0.09 * (8 - k) / 8});
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

// The line no resting bubble may pass, just under the lowest row.
void DangerLine(cairo_t* cr) {
    const double y = kBottomLine + kBlockHeight / 2 + 2.5;
    cairo_move_to(cr, kInnerLeft + 6, y);
    cairo_line_to(cr, kInnerRight - 6, y);
    SetColor(cr, Rgba{kRose.r, kRose.g, kRose.b, 0.16});
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    double dash[] = {8, 6};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_move_to(cr, kInnerLeft + 6, y);
    cairo_line_to(cr, kInnerRight - 6, y);
    SetColor(cr, Rgba{kRose.r, kRose.g, kRose.b, 0.55});
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

// The deck under the danger line: a wax floor, the launcher's socket and the
// next block's cradle.
void Deck(cairo_t* cr) {
    const double top = kBottomLine + kBlockHeight / 2 + 14;
    cairo_save(cr);
    RoundedRect(cr, kInnerLeft, kInnerTop, kInnerRight - kInnerLeft, kInnerBottom - kInnerTop,
                kInnerRadius);
    cairo_clip(cr);
    cairo_pattern_t* floor = cairo_pattern_create_linear(0, top, 0, kInnerBottom);
    cairo_pattern_add_color_stop_rgba(floor, 0, 0.96, 0.73, 0.13, 0);
    cairo_pattern_add_color_stop_rgba(floor, 1, 0.96, 0.73, 0.13, 0.14);
    cairo_set_source(cr, floor);
    cairo_rectangle(cr, kInnerLeft, top, kInnerRight - kInnerLeft, kInnerBottom - top);
    cairo_fill(cr);
    cairo_pattern_destroy(floor);
    cairo_restore(cr);

    // The launcher's socket: a golden hexagonal plate around a dark hole.
    const double sx = kShootX, sy = kShootY;
    HexagonPath(cr, sx, sy + 3, 38);
    SetColor(cr, Rgba{0, 0, 0, 0.35});
    cairo_fill(cr);
    HexagonPath(cr, sx, sy, 37);
    cairo_pattern_t* plate = cairo_pattern_create_linear(sx - 30, sy - 37, sx + 20, sy + 37);
    cairo_pattern_add_color_stop_rgb(plate, 0, 0.75, 0.5, 0.1);
    cairo_pattern_add_color_stop_rgb(plate, 1, 0.35, 0.2, 0.04);
    cairo_set_source(cr, plate);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(plate);
    SetColor(cr, Hex(0x2E1C06));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    HexagonPath(cr, sx, sy, 34);
    SetColor(cr, Rgba{1, 0.9, 0.6, 0.35});
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_arc(cr, sx, sy, 27, 0, 2 * M_PI);
    SetColor(cr, Hex(0x120A02));
    cairo_fill(cr);

    // The cradle of the next block, with its label.
    const double nx = kNextX, ny = kNextY;
    cairo_arc(cr, nx, ny + 2, 23, 0, 2 * M_PI);
    SetColor(cr, Rgba{0, 0, 0, 0.35});
    cairo_fill(cr);
    cairo_arc(cr, nx, ny, 22.5, 0, 2 * M_PI);
    cairo_pattern_t* dish = cairo_pattern_create_linear(0, ny - 22, 0, ny + 22);
    cairo_pattern_add_color_stop_rgb(dish, 0, 0.04, 0.04, 0.1);
    cairo_pattern_add_color_stop_rgb(dish, 1, 0.14, 0.14, 0.3);
    cairo_set_source(cr, dish);
    cairo_fill(cr);
    cairo_arc(cr, nx, ny, 22.5, 0, 2 * M_PI);
    SetColor(cr, kHoneyDark);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_arc(cr, nx, ny, 21, M_PI * 0.15, M_PI * 0.85);
    SetColor(cr, Rgba{1, 0.9, 0.6, 0.45});
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    LabelText(cr, "NEXT", nx - 48, ny, 13, kHoneyLight);
}

// A panel box of the right-hand side: dark glass in a thin golden rim.
void Box(cairo_t* cr, double x, double y, double w, double h) {
    RoundedRect(cr, x + 2, y + 4, w, h, 12);
    SetColor(cr, Rgba{0, 0, 0, 0.35});
    cairo_fill(cr);
    RoundedRect(cr, x, y, w, h, 12);
    cairo_pattern_t* glass = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgba(glass, 0, 0.2, 0.22, 0.45, 0.92);
    cairo_pattern_add_color_stop_rgba(glass, 1, 0.1, 0.11, 0.26, 0.92);
    cairo_set_source(cr, glass);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(glass);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(rim, 0, kHoneyLight.r, kHoneyLight.g, kHoneyLight.b);
    cairo_pattern_add_color_stop_rgb(rim, 1, kHoneyDark.r, kHoneyDark.g, kHoneyDark.b);
    cairo_set_source(cr, rim);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    RoundedRect(cr, x + 3, y + 3, w - 6, h - 6, 9);
    SetColor(cr, Rgba{1, 1, 1, 0.08});
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// A scoreboard box: a label on top and a dark well for the digits.
void CounterBox(cairo_t* cr, double y, const char* label, double digitY) {
    const double x = kPanelX + 10, w = kPanelW - 20;
    Box(cr, x, y, w, kBoxH);
    LabelText(cr, label, x + w / 2, y + 17, 15, kHoneyLight);
    DigitWell(cr, kWellX, digitY - kWellAbove, kWellW, kDigitH + 2 * kWellAbove);
}

void Title(cairo_t* cr) {
    const double cx = kPanelX + kPanelW / 2.0;
    GoldText(cr, "Bubblehive", cx + 16, 44, 33);
    // A little mark beside it: three honey cells and a bubble.
    const double mx = kPanelX + 22, my = 44;
    for (auto [hx, hy] :
         {std::pair{mx - 8.0, my - 7.0}, std::pair{mx + 8.0, my - 7.0}, std::pair{mx, my + 7.0}}) {
        HexagonPath(cr, hx, hy, 8.6);
        cairo_pattern_t* cell = cairo_pattern_create_linear(hx, hy - 9, hx, hy + 9);
        cairo_pattern_add_color_stop_rgb(cell, 0, kHoneyLight.r, kHoneyLight.g, kHoneyLight.b);
        cairo_pattern_add_color_stop_rgb(cell, 1, kHoneyDark.r, kHoneyDark.g, kHoneyDark.b);
        cairo_set_source(cr, cell);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(cell);
        SetColor(cr, kBrown);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    DrawBubble(cr, mx + 9, my + 9, 8, 5, BubbleLook{});
}

// A skep: the old straw beehive, banded and domed, with its dark doorway.
void Skep(cairo_t* cr, double cx, double top) {
    const double h = 56, w = 50;
    cairo_move_to(cr, cx - w / 2, top + h);
    cairo_curve_to(cr, cx - w / 2 - 2, top + h * 0.35, cx - w * 0.3, top, cx, top);
    cairo_curve_to(cr, cx + w * 0.3, top, cx + w / 2 + 2, top + h * 0.35, cx + w / 2, top + h);
    cairo_close_path(cr);
    cairo_pattern_t* straw = cairo_pattern_create_linear(cx - w / 2, 0, cx + w / 2, 0);
    cairo_pattern_add_color_stop_rgb(straw, 0, 0.55, 0.36, 0.08);
    cairo_pattern_add_color_stop_rgb(straw, 0.35, 0.98, 0.78, 0.3);
    cairo_pattern_add_color_stop_rgb(straw, 1, 0.45, 0.28, 0.06);
    cairo_set_source(cr, straw);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(straw);
    cairo_save(cr);
    cairo_clip(cr);
    for (int k = 1; k < 7; ++k) {
        double y = top + k * h / 7;
        cairo_move_to(cr, cx - w, y - 3);
        cairo_curve_to(cr, cx - w / 3, y + 3, cx + w / 3, y + 3, cx + w, y - 3);
    }
    SetColor(cr, Rgba{0.35, 0.2, 0.03, 0.7});
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_restore(cr);
    // Doorway.
    cairo_save(cr);
    cairo_translate(cr, cx + 4, top + h - 9);
    cairo_scale(cr, 7, 5);
    cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
    SetColor(cr, Hex(0x1E1204));
    cairo_fill(cr);
    // Hanging loop.
    cairo_move_to(cr, cx, top);
    cairo_line_to(cr, cx, top - 8);
    SetColor(cr, Hex(0x3A2608));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void Daisy(cairo_t* cr, double cx, double cy, double r, const Rgba& petal) {
    for (int k = 0; k < 10; ++k) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, k * M_PI / 5);
        cairo_scale(cr, r * 0.55, r * 0.22);
        cairo_arc(cr, 1, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        SetColor(cr, petal);
        cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy, r * 0.35, 0, 2 * M_PI);
    cairo_pattern_t* heart = cairo_pattern_create_radial(cx - 1, cy - 1, 0, cx, cy, r * 0.35);
    cairo_pattern_add_color_stop_rgb(heart, 0, 1, 0.9, 0.4);
    cairo_pattern_add_color_stop_rgb(heart, 1, 0.85, 0.5, 0.05);
    cairo_set_source(cr, heart);
    cairo_fill(cr);
    cairo_pattern_destroy(heart);
}

void Leaf(cairo_t* cr, double x0, double y0, double x1, double y1, double width) {
    double mx = (x0 + x1) / 2, my = (y0 + y1) / 2;
    double nx = -(y1 - y0), ny = x1 - x0;
    double len = std::sqrt(nx * nx + ny * ny);
    nx = nx / len * width;
    ny = ny / len * width;
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, mx + nx, my + ny, mx + nx, my + ny, x1, y1);
    cairo_curve_to(cr, mx - nx, my - ny, mx - nx, my - ny, x0, y0);
    cairo_pattern_t* g = cairo_pattern_create_linear(mx + nx, my + ny, mx - nx, my - ny);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.35, 0.72, 0.3);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.12, 0.4, 0.18);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    SetColor(cr, Rgba{0.7, 0.95, 0.6, 0.5});
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// The animals' garden: a branch with a skep, a leaf for the ladybug and
// flowers for the butterfly, under a starry sky.
void Garden(cairo_t* cr) {
    const double x = kGardenX, y = kGardenY, w = kGardenW, h = kGardenH;
    Box(cr, x, y, w, h);
    cairo_save(cr);
    RoundedRect(cr, x + 2, y + 2, w - 4, h - 4, 10);
    cairo_clip(cr);
    Noise n(11);
    for (int k = 0; k < 26; ++k) {
        double sx = n.Range(x, x + w), sy = n.Range(y, y + h * 0.6);
        cairo_arc(cr, sx, sy, n.Range(0.5, 1.3), 0, 2 * M_PI);
        SetColor(cr, Rgba{1, 0.97, 0.85, n.Range(0.3, 0.8)});
        cairo_fill(cr);
    }
    // Rolling hill and grass.
    cairo_move_to(cr, x, y + h - 30);
    cairo_curve_to(cr, x + w * 0.3, y + h - 46, x + w * 0.7, y + h - 20, x + w, y + h - 36);
    cairo_line_to(cr, x + w, y + h);
    cairo_line_to(cr, x, y + h);
    cairo_close_path(cr);
    cairo_pattern_t* hill = cairo_pattern_create_linear(0, y + h - 46, 0, y + h);
    cairo_pattern_add_color_stop_rgb(hill, 0, 0.16, 0.36, 0.25);
    cairo_pattern_add_color_stop_rgb(hill, 1, 0.06, 0.16, 0.12);
    cairo_set_source(cr, hill);
    cairo_fill(cr);
    cairo_pattern_destroy(hill);
    for (int k = 0; k < 40; ++k) {
        double gx = x + k * w / 40 + n.Range(-2, 2);
        double gy = y + h - 26 + 8 * std::sin(k * 0.5);
        cairo_move_to(cr, gx, y + h);
        cairo_curve_to(cr, gx, gy + 10, gx + n.Range(-4, 4), gy, gx + n.Range(-5, 5),
                       gy - n.Range(0, 8));
    }
    SetColor(cr, Rgba{0.3, 0.6, 0.35, 0.8});
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);

    // The branch with the skep.
    cairo_move_to(cr, x + w + 4, y + 14);
    cairo_curve_to(cr, x + w * 0.7, y + 24, x + w * 0.35, y + 10, x - 4, y + 22);
    SetColor(cr, Hex(0x4A2F12));
    cairo_set_line_width(cr, 6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_move_to(cr, x + w + 4, y + 12);
    cairo_curve_to(cr, x + w * 0.7, y + 22, x + w * 0.35, y + 8, x - 4, y + 20);
    SetColor(cr, Rgba{0.85, 0.6, 0.35, 0.45});
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    Leaf(cr, x + w * 0.8, y + 20, x + w * 0.92, y + 38, 6);
    Leaf(cr, x + w * 0.55, y + 16, x + w * 0.48, y + 34, 5);
    Skep(cr, x + 40, y + 26);

    // Flowers on the right for the butterfly, a broad leaf on the left for
    // the ladybug.
    const double fx = kAnimalX[2] + 22, fy = kAnimalY[2] + 48;
    cairo_move_to(cr, fx, fy);
    cairo_curve_to(cr, fx + 4, fy + 20, fx - 6, y + h - 20, fx - 2, y + h);
    cairo_move_to(cr, fx - 36, fy + 8);
    cairo_curve_to(cr, fx - 34, fy + 22, fx - 42, y + h - 10, fx - 40, y + h);
    SetColor(cr, Hex(0x2E7A3A));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    Leaf(cr, fx - 1, fy + 30, fx - 18, fy + 20, 5);
    Daisy(cr, fx, fy, 12, Hex(0xFFF6DC));
    Daisy(cr, fx - 36, fy + 8, 9, Hex(0xF7A6C0));
    const double lx = kAnimalX[3], ly = kAnimalY[3] + 16;
    Leaf(cr, lx - 8, ly + 18, lx + 44, ly + 4, 11);
    cairo_restore(cr);
}

// A recessed slot on the panel where a HUD button of the menus stands.
void ButtonSlot(cairo_t* cr, double x, double y) {
    const double pad = 4;
    RoundedRect(cr, x - pad, y - pad, kButtonW + 2 * pad, kButtonH + 2 * pad, 14);
    SetColor(cr, Rgba{0.02, 0.03, 0.08, 0.6});
    cairo_fill(cr);
    RoundedRect(cr, x - pad + 1, y - pad + 1, kButtonW + 2 * pad - 2, kButtonH + 2 * pad - 2, 13);
    SetColor(cr, Rgba{0, 0, 0, 0.5});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_move_to(cr, x + 10, y + kButtonH + pad - 0.5);
    cairo_line_to(cr, x + kButtonW - 10, y + kButtonH + pad - 0.5);
    SetColor(cr, Rgba{1, 0.9, 0.6, 0.25});
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

}  // namespace

void DrawGameBackground(const std::string& dir) {
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    Wall(cr);
    Field(cr);
    DangerLine(cr);
    Deck(cr);
    GoldFrame(cr, kInnerLeft, kInnerTop, kInnerRight - kInnerLeft, kInnerBottom - kInnerTop,
              kFrameWidth, kInnerRadius);
    Title(cr);
    CounterBox(cr, kScoreBoxY, "SCORE", kScoreY);
    CounterBox(cr, kLevelBoxY, "LEVEL", kLevelY);
    Garden(cr);
    ButtonSlot(cr, kMenuButtonX, kMenuButtonY);
    ButtonSlot(cr, kHelpButtonX, kHelpButtonY);
    canvas.Save(dir, "gameback_back");
}

}  // namespace artgen::game
