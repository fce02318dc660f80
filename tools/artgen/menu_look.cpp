#include "artgen/menu_look.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace artgen {

using namespace menu_colors;

double Scatter::Next() {
    // xorshift32: small, fast and the same everywhere.
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return (state >> 8) / 16777216.0;
}

void HexPath(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < 6; ++i) {
        double a = M_PI / 3 * i - M_PI / 2;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void FlatHexPath(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < 6; ++i) {
        double a = M_PI / 3 * i;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void HoneycombLines(cairo_t* cr, double x, double y, double w, double h, double cell,
                    const Rgba& color, double alphaTop, double alphaBottom) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    double dx = cell * std::sqrt(3.0);
    double dy = cell * 1.5;
    int row = 0;
    for (double cy = y - cell; cy < y + h + cell; cy += dy, ++row) {
        double offset = (row % 2) ? dx / 2 : 0;
        for (double cx = x - dx + offset; cx < x + w + dx; cx += dx) {
            HexPath(cr, cx, cy, cell);
        }
    }
    cairo_pattern_t* fade = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgba(fade, 0, color.r, color.g, color.b, alphaTop);
    cairo_pattern_add_color_stop_rgba(fade, 1, color.r, color.g, color.b, alphaBottom);
    cairo_set_source(cr, fade);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_pattern_destroy(fade);
    cairo_restore(cr);
}

void Bubble(cairo_t* cr, double cx, double cy, double r, const Rgba& tint, double alpha) {
    cairo_save(cr);
    // Body: clear in the middle, tinted towards the rim.
    cairo_pattern_t* body =
        cairo_pattern_create_radial(cx - r * 0.2, cy - r * 0.25, r * 0.1, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(body, 0, tint.r, tint.g, tint.b, 0.06 * alpha);
    cairo_pattern_add_color_stop_rgba(body, 0.7, tint.r, tint.g, tint.b, 0.18 * alpha);
    cairo_pattern_add_color_stop_rgba(body, 0.93, tint.r, tint.g, tint.b, 0.55 * alpha);
    cairo_pattern_add_color_stop_rgba(body, 1, tint.r, tint.g, tint.b, 0.0);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    // Rim.
    cairo_arc(cr, cx, cy, r * 0.97, 0, 2 * M_PI);
    Rgba rim = Lighter(tint, 0.5);
    cairo_set_source_rgba(cr, rim.r, rim.g, rim.b, 0.45 * alpha);
    cairo_set_line_width(cr, std::max(1.0, r * 0.06));
    cairo_stroke(cr);
    // Highlight: a soft crescent at the upper left and a small sparkle.
    cairo_save(cr);
    cairo_translate(cr, cx - r * 0.38, cy - r * 0.42);
    cairo_rotate(cr, -M_PI / 4);
    cairo_scale(cr, r * 0.42, r * 0.22);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_pattern_t* shine = cairo_pattern_create_radial(cx - r * 0.38, cy - r * 0.42, 0,
                                                         cx - r * 0.38, cy - r * 0.42, r * 0.45);
    cairo_pattern_add_color_stop_rgba(shine, 0, 1, 1, 1, 0.85 * alpha);
    cairo_pattern_add_color_stop_rgba(shine, 1, 1, 1, 1, 0.0);
    cairo_set_source(cr, shine);
    cairo_fill(cr);
    cairo_pattern_destroy(shine);
    cairo_arc(cr, cx + r * 0.45, cy + r * 0.5, r * 0.09, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.5 * alpha);
    cairo_fill(cr);
    cairo_restore(cr);
}

void HoneyCell(cairo_t* cr, double cx, double cy, double r) {
    cairo_save(cr);
    // Dark wax rim.
    HexPath(cr, cx, cy, r);
    SetColor(cr, Darker(kHoneyDark, 0.25));
    cairo_fill(cr);
    // Honey body: light top left to deep amber bottom right.
    HexPath(cr, cx, cy, r * 0.86);
    cairo_pattern_t* body = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
    cairo_pattern_add_color_stop_rgb(body, 0, kHoneyLight.r, kHoneyLight.g, kHoneyLight.b);
    cairo_pattern_add_color_stop_rgb(body, 0.45, kHoney.r, kHoney.g, kHoney.b);
    cairo_pattern_add_color_stop_rgb(body, 1, kHoneyDark.r, kHoneyDark.g, kHoneyDark.b);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    // Inner glow, as if light passes through honey.
    cairo_pattern_t* glow =
        cairo_pattern_create_radial(cx + r * 0.15, cy + r * 0.2, 0, cx, cy, r * 0.8);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.93, 0.6, 0.55);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.93, 0.6, 0);
    HexPath(cr, cx, cy, r * 0.86);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    // Shine along the upper left edges.
    cairo_new_path(cr);
    double ri = r * 0.7;
    for (int i = 3; i <= 5; ++i) {
        double a = M_PI / 3 * i - M_PI / 2;
        cairo_line_to(cr, cx + ri * std::cos(a), cy + ri * std::sin(a));
    }
    cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
    cairo_set_line_width(cr, std::max(1.0, r * 0.1));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Emblem(cairo_t* cr, double cx, double cy, double size, bool halo) {
    double r = size * 0.5;
    double dx = r * std::sqrt(3.0);
    double dy = r * 1.5;
    // The cluster: a centre cell and its six neighbours, shifted left so the
    // bubble sits in front at the right.
    double hx = cx - size * 0.25, hy = cy;
    struct Cell {
        double x, y;
    };
    std::vector<Cell> cells = {
        {hx - dx / 2, hy - dy}, {hx + dx / 2, hy - dy}, {hx - dx, hy},         {hx, hy},
        {hx + dx, hy},          {hx - dx / 2, hy + dy}, {hx + dx / 2, hy + dy}};
    // A warm glow behind the emblem.
    if (halo) {
        cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, size * 0.4, cx, cy, size * 2.0);
        cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.8, 0.3, 0.28);
        cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.8, 0.3, 0);
        cairo_arc(cr, cx, cy, size * 2.0, 0, 2 * M_PI);
        cairo_set_source(cr, glow);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
    }
    // Shadow of the cluster.
    cairo_save(cr);
    for (const Cell& c : cells) {
        HexPath(cr, c.x + r * 0.12, c.y + r * 0.2, r * 1.02);
    }
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
    for (const Cell& c : cells) {
        HoneyCell(cr, c.x, c.y, r * 1.02);
    }
    // A drop of honey hanging from the lowest cell.
    double drx = hx + dx / 2, dry = hy + dy + r * 0.95;
    cairo_move_to(cr, drx - r * 0.22, dry - r * 0.2);
    cairo_curve_to(cr, drx - r * 0.22, dry + r * 0.2, drx - r * 0.28, dry + r * 0.45, drx,
                   dry + r * 0.5);
    cairo_curve_to(cr, drx + r * 0.28, dry + r * 0.45, drx + r * 0.22, dry + r * 0.2,
                   drx + r * 0.22, dry - r * 0.2);
    cairo_close_path(cr);
    cairo_pattern_t* drop = cairo_pattern_create_linear(drx - r * 0.3, 0, drx + r * 0.3, 0);
    cairo_pattern_add_color_stop_rgb(drop, 0, kHoneyLight.r, kHoneyLight.g, kHoneyLight.b);
    cairo_pattern_add_color_stop_rgb(drop, 1, kHoneyDark.r, kHoneyDark.g, kHoneyDark.b);
    cairo_set_source(cr, drop);
    cairo_fill(cr);
    cairo_pattern_destroy(drop);
    // The bubble in front, lower right.
    double bx = cx + size * 0.62, by = cy + size * 0.3, br = size * 0.62;
    cairo_arc(cr, bx + br * 0.08, by + br * 0.14, br, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    cairo_pattern_t* ball =
        cairo_pattern_create_radial(bx - br * 0.35, by - br * 0.4, br * 0.1, bx, by, br);
    cairo_pattern_add_color_stop_rgb(ball, 0, 0.75, 0.97, 1.0);
    cairo_pattern_add_color_stop_rgb(ball, 0.5, kTeal.r, kTeal.g, kTeal.b);
    cairo_pattern_add_color_stop_rgb(ball, 1, 0.05, 0.35, 0.45);
    cairo_arc(cr, bx, by, br, 0, 2 * M_PI);
    cairo_set_source(cr, ball);
    cairo_fill(cr);
    cairo_pattern_destroy(ball);
    // Rim light at the lower right, then the big gloss at the top.
    cairo_arc(cr, bx, by, br * 0.9, M_PI * 0.05, M_PI * 0.6);
    cairo_set_source_rgba(cr, 0.8, 1, 1, 0.45);
    cairo_set_line_width(cr, br * 0.08);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, bx - br * 0.12, by - br * 0.5);
    cairo_scale(cr, br * 0.62, br * 0.36);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_pattern_t* gloss = cairo_pattern_create_linear(0, by - br * 0.86, 0, by - br * 0.14);
    cairo_pattern_add_color_stop_rgba(gloss, 0, 1, 1, 1, 0.9);
    cairo_pattern_add_color_stop_rgba(gloss, 1, 1, 1, 1, 0.05);
    cairo_set_source(cr, gloss);
    cairo_fill(cr);
    cairo_pattern_destroy(gloss);
    cairo_arc(cr, bx + br * 0.42, by + br * 0.38, br * 0.08, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
    cairo_fill(cr);
}

void Bee(cairo_t* cr, double cx, double cy, double size, double tilt, bool flip) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, tilt);
    if (flip) {
        cairo_scale(cr, -1, 1);
    }
    double s = size;
    // Wings behind the body.
    for (int i = 0; i < 2; ++i) {
        cairo_save(cr);
        cairo_translate(cr, -s * 0.15 + i * s * 0.3, -s * 0.75);
        cairo_rotate(cr, i == 0 ? -0.5 : 0.35);
        cairo_scale(cr, s * 0.38, s * 0.62);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_set_source_rgba(cr, 0.85, 0.95, 1, 0.55);
        cairo_fill_preserve(cr);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.8);
        cairo_set_line_width(cr, std::max(1.0, s * 0.06));
        cairo_stroke(cr);
    }
    // Body with stripes, clipped to its oval.
    cairo_save(cr);
    cairo_scale(cr, s, s * 0.7);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_pattern_t* body = cairo_pattern_create_radial(-s * 0.3, -s * 0.35, s * 0.1, 0, 0, s);
    cairo_pattern_add_color_stop_rgb(body, 0, 1, 0.95, 0.6);
    cairo_pattern_add_color_stop_rgb(body, 0.6, kHoney.r, kHoney.g, kHoney.b);
    cairo_pattern_add_color_stop_rgb(body, 1, kHoneyDark.r, kHoneyDark.g, kHoneyDark.b);
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    cairo_set_source_rgba(cr, 0.16, 0.1, 0.05, 0.92);
    for (int i = 0; i < 3; ++i) {
        double x = -s * 0.55 + i * s * 0.42;
        cairo_rectangle(cr, x, -s, s * 0.18, 2 * s);
    }
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_scale(cr, s, s * 0.7);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 0.25, 0.15, 0.05, 1);
    cairo_set_line_width(cr, std::max(1.0, s * 0.08));
    cairo_stroke(cr);
    // Sting.
    cairo_move_to(cr, -s * 0.98, -s * 0.08);
    cairo_line_to(cr, -s * 1.3, 0);
    cairo_line_to(cr, -s * 0.98, s * 0.08);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 0.25, 0.15, 0.05);
    cairo_fill(cr);
    // Eye and smile.
    cairo_arc(cr, s * 0.6, -s * 0.12, s * 0.16, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
    cairo_arc(cr, s * 0.64, -s * 0.12, s * 0.09, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.1, 0.06, 0.02);
    cairo_fill(cr);
    cairo_arc(cr, s * 0.62, s * 0.12, s * 0.18, M_PI * 0.15, M_PI * 0.7);
    cairo_set_line_width(cr, std::max(1.0, s * 0.06));
    cairo_stroke(cr);
    // Feelers.
    for (int i = 0; i < 2; ++i) {
        double tipx = s * (1.05 + 0.2 * i), tipy = -s * (0.75 - 0.12 * i);
        cairo_move_to(cr, s * 0.75, -s * 0.45);
        cairo_curve_to(cr, s * 0.85, -s * 0.7, tipx - s * 0.1, tipy, tipx, tipy);
        cairo_set_line_width(cr, std::max(1.0, s * 0.06));
        cairo_stroke(cr);
        cairo_arc(cr, tipx, tipy, s * 0.08, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

namespace {

// One character of the title and where its baseline starts.
struct Letter {
    std::string text;
    double x, y;
};

std::vector<Letter> LayOutTitle(cairo_t* cr, const std::string& text, double cx, double baseline,
                                const TextStyle& style, double wave) {
    std::vector<Letter> letters;
    // Split into UTF-8 characters.
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = 1;
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0xF0) {
            n = 4;
        } else if (c >= 0xE0) {
            n = 3;
        } else if (c >= 0xC0) {
            n = 2;
        }
        letters.push_back({text.substr(i, n), 0, 0});
        i += n;
    }
    double total = TextWidth(cr, text, style);
    double x = cx - total / 2;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        // Kerning is kept by measuring the prefix rather than single letters.
        std::string prefix;
        for (std::size_t j = 0; j < i; ++j) {
            prefix += letters[j].text;
        }
        letters[i].x = x + TextWidth(cr, prefix, style);
        double phase = letters.size() > 1 ? double(i) / (letters.size() - 1) : 0;
        letters[i].y = baseline - wave * std::sin(phase * M_PI);
    }
    return letters;
}

void DrawLetters(cairo_t* cr, const std::vector<Letter>& letters, const TextStyle& style, double dx,
                 double dy) {
    for (const Letter& l : letters) {
        DrawText(cr, l.text, l.x + dx, l.y + dy, style);
    }
}

}  // namespace

void TitleText(cairo_t* cr, const std::string& text, double cx, double baseline, double size,
               double wave) {
    TextStyle style;
    style.font = "DejaVu Sans:bold";
    style.size = size;
    std::vector<Letter> letters = LayOutTitle(cr, text, cx, baseline, style, wave);

    // Shadow.
    TextStyle shadow = style;
    shadow.fill = Hex(0x000000, 0.45);
    shadow.outline = Hex(0x000000, 0.45);
    shadow.outlineWidth = size * 0.1;
    cairo_push_group(cr);
    DrawLetters(cr, letters, shadow, size * 0.03, size * 0.08);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.8);

    // Rim: a dark brown outline, and a golden one inside it.
    TextStyle rim = style;
    rim.fill = Darker(kBrown, 0.2);
    rim.outline = Darker(kBrown, 0.2);
    rim.outlineWidth = size * 0.1;
    DrawLetters(cr, letters, rim, 0, 0);
    TextStyle inner = style;
    inner.fill = kHoneyDark;
    inner.outline = kHoneyDark;
    inner.outlineWidth = size * 0.035;
    DrawLetters(cr, letters, inner, 0, 0);

    // The gold face through a mask of the letters.
    TextStyle plain = style;
    plain.fill = Hex(0xFFFFFF);
    cairo_push_group(cr);
    DrawLetters(cr, letters, plain, 0, 0);
    cairo_pattern_t* mask = cairo_pop_group(cr);
    double top = baseline - size * 0.8 - wave, bottom = baseline + size * 0.05;
    cairo_pattern_t* gold = cairo_pattern_create_linear(0, top, 0, bottom);
    cairo_pattern_add_color_stop_rgb(gold, 0, 1.0, 0.97, 0.78);
    cairo_pattern_add_color_stop_rgb(gold, 0.35, kHoneyLight.r, kHoneyLight.g, kHoneyLight.b);
    cairo_pattern_add_color_stop_rgb(gold, 0.62, kHoney.r, kHoney.g, kHoney.b);
    cairo_pattern_add_color_stop_rgb(gold, 1, Darker(kHoneyDark, 0.05).r,
                                     Darker(kHoneyDark, 0.05).g, Darker(kHoneyDark, 0.05).b);
    cairo_set_source(cr, gold);
    cairo_mask(cr, mask);
    cairo_pattern_destroy(gold);
    // A glossy band over the upper half of every letter.
    cairo_pattern_t* gloss = cairo_pattern_create_linear(0, top, 0, baseline - size * 0.38);
    cairo_pattern_add_color_stop_rgba(gloss, 0, 1, 1, 1, 0.55);
    cairo_pattern_add_color_stop_rgba(gloss, 0.98, 1, 1, 1, 0.12);
    cairo_pattern_add_color_stop_rgba(gloss, 1, 1, 1, 1, 0.0);
    cairo_set_source(cr, gloss);
    cairo_mask(cr, mask);
    cairo_pattern_destroy(gloss);
    cairo_pattern_destroy(mask);
}

void ShadowedTextCentred(cairo_t* cr, const std::string& text, double cx, double cy,
                         const TextStyle& style) {
    TextStyle shadow = style;
    shadow.fill = Hex(0x000000, 0.4 * style.fill.a);
    shadow.outline = Hex(0x000000, shadow.outline.a > 0 ? 0.3 : 0);
    DrawTextCentred(cr, text, cx + 1, cy + 2, shadow);
    DrawTextCentred(cr, text, cx, cy, style);
}

void Veil(cairo_t* cr, double width, double height, double alpha) {
    // Darker at the edges than in the middle, like a vignette.
    cairo_pattern_t* veil = cairo_pattern_create_radial(width / 2, height / 2, height * 0.3,
                                                        width / 2, height / 2, width * 0.65);
    cairo_pattern_add_color_stop_rgba(veil, 0, 0.02, 0.03, 0.08, alpha * 0.85);
    cairo_pattern_add_color_stop_rgba(veil, 1, 0.02, 0.03, 0.08, std::min(1.0, alpha * 1.3));
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_set_source(cr, veil);
    cairo_fill(cr);
    cairo_pattern_destroy(veil);
}

namespace {

void SoftShadow(cairo_t* cr, double x, double y, double w, double h, double radius, double spread,
                double alpha) {
    // Stacked translucent rounded rectangles give a cheap blur.
    const int steps = 10;
    for (int i = steps; i >= 1; --i) {
        double grow = spread * i / steps;
        RoundedRect(cr, x - grow, y - grow + spread * 0.5, w + 2 * grow, h + 2 * grow,
                    radius + grow);
        cairo_set_source_rgba(cr, 0, 0, 0, alpha / steps);
        cairo_fill(cr);
    }
}

}  // namespace

void Panel(cairo_t* cr, double x, double y, double w, double h, const std::string& title) {
    const double radius = 22;
    SoftShadow(cr, x, y, w, h, radius, 18, 0.7);
    // Outer golden rim.
    RoundedRect(cr, x, y, w, h, radius);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(rim, 0, kHoneyLight.r, kHoneyLight.g, kHoneyLight.b);
    cairo_pattern_add_color_stop_rgb(rim, 0.5, kHoney.r, kHoney.g, kHoney.b);
    cairo_pattern_add_color_stop_rgb(rim, 1, kHoneyDark.r, kHoneyDark.g, kHoneyDark.b);
    cairo_set_source(cr, rim);
    cairo_fill(cr);
    cairo_pattern_destroy(rim);
    RoundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, radius);
    SetColor(cr, Darker(kHoneyDark, 0.35));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Body: night blue, a little lighter at the top.
    const double border = 7;
    double bx = x + border, by = y + border, bw = w - 2 * border, bh = h - 2 * border;
    RoundedRect(cr, bx, by, bw, bh, radius - border * 0.6);
    cairo_pattern_t* body = cairo_pattern_create_linear(0, by, 0, by + bh);
    cairo_pattern_add_color_stop_rgb(body, 0, 0.2, 0.22, 0.44);
    cairo_pattern_add_color_stop_rgb(body, 1, 0.1, 0.11, 0.25);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    cairo_save(cr);
    RoundedRect(cr, bx, by, bw, bh, radius - border * 0.6);
    cairo_clip(cr);
    HoneycombLines(cr, bx, by, bw, bh, 18, kHoneyLight, 0.10, 0.03);
    // A soft light from the top.
    cairo_pattern_t* light = cairo_pattern_create_radial(bx + bw / 2, by - bh * 0.1, 0, bx + bw / 2,
                                                         by - bh * 0.1, bw * 0.7);
    cairo_pattern_add_color_stop_rgba(light, 0, 0.6, 0.65, 1, 0.16);
    cairo_pattern_add_color_stop_rgba(light, 1, 0.6, 0.65, 1, 0);
    cairo_set_source(cr, light);
    cairo_paint(cr);
    cairo_pattern_destroy(light);
    cairo_restore(cr);
    // Inner dark line and a thin light line make the rim look bevelled.
    RoundedRect(cr, bx - 0.5, by - 0.5, bw + 1, bh + 1, radius - border * 0.6);
    SetColor(cr, Darker(kHoneyDark, 0.45));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    RoundedRect(cr, x + 2.5, y + 2.5, w - 5, h - 5, radius - 2);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);

    if (title.empty()) {
        return;
    }
    // The title in cream with a golden glow, over a darker band.
    TextStyle style;
    style.size = 28;
    style.fill = kCream;
    style.outline = Darker(kBrown, 0.3);
    style.outlineWidth = 3;
    double tw = TextWidth(cr, title, style);
    double plateW = tw + 90, plateH = 46;
    double px = x + (w - plateW) / 2, py = y - plateH / 2 + 4;
    SoftShadow(cr, px, py, plateW, plateH, plateH / 2, 6, 0.5);
    RoundedRect(cr, px, py, plateW, plateH, plateH / 2);
    cairo_pattern_t* plate = cairo_pattern_create_linear(0, py, 0, py + plateH);
    cairo_pattern_add_color_stop_rgb(plate, 0, kHoneyLight.r, kHoneyLight.g, kHoneyLight.b);
    cairo_pattern_add_color_stop_rgb(plate, 0.5, kHoney.r, kHoney.g, kHoney.b);
    cairo_pattern_add_color_stop_rgb(plate, 1, kHoneyDark.r, kHoneyDark.g, kHoneyDark.b);
    cairo_set_source(cr, plate);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(plate);
    SetColor(cr, Darker(kHoneyDark, 0.35));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Small honey cells at both ends of the plate.
    HoneyCell(cr, px + 24, py + plateH / 2, 11);
    HoneyCell(cr, px + plateW - 24, py + plateH / 2, 11);
    // Gloss on the plate's upper half.
    RoundedRect(cr, px + 4, py + 3, plateW - 8, plateH * 0.45, plateH * 0.22);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.3);
    cairo_fill(cr);
    TextStyle label;
    label.size = 26;
    label.fill = kBrown;
    TextStyle emboss = label;
    emboss.fill = Hex(0xFFF3C0, 0.7);
    DrawTextCentred(cr, title, px + plateW / 2, py + plateH / 2 + 1.5, emboss);
    DrawTextCentred(cr, title, px + plateW / 2, py + plateH / 2, label);
}

void Well(cairo_t* cr, double x, double y, double w, double h, double radius) {
    RoundedRect(cr, x, y, w, h, radius);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgba(fill, 0, 0.03, 0.04, 0.12, 0.85);
    cairo_pattern_add_color_stop_rgba(fill, 1, 0.08, 0.09, 0.2, 0.8);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
    // Inner shadow along the top edge, light along the bottom.
    cairo_save(cr);
    RoundedRect(cr, x, y, w, h, radius);
    cairo_clip(cr);
    RoundedRect(cr, x - 2, y + 2, w + 4, h + 4, radius);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.55);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_restore(cr);
    RoundedRect(cr, x - 0.5, y - 0.5, w + 1, h + 1, radius + 0.5);
    cairo_pattern_t* edge = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgba(edge, 0, 0, 0, 0, 0.5);
    cairo_pattern_add_color_stop_rgba(edge, 1, kHoneyLight.r, kHoneyLight.g, kHoneyLight.b, 0.45);
    cairo_set_source(cr, edge);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void CreamField(cairo_t* cr, double x, double y, double w, double h) {
    const double radius = 8;
    RoundedRect(cr, x - 3, y - 3, w + 6, h + 6, radius + 3);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, y - 3, 0, y + h + 3);
    cairo_pattern_add_color_stop_rgb(rim, 0, kHoneyDark.r, kHoneyDark.g, kHoneyDark.b);
    cairo_pattern_add_color_stop_rgb(rim, 1, kHoneyLight.r, kHoneyLight.g, kHoneyLight.b);
    cairo_set_source(cr, rim);
    cairo_fill(cr);
    cairo_pattern_destroy(rim);
    RoundedRect(cr, x, y, w, h, radius);
    SetColor(cr, kCream);
    cairo_fill(cr);
    cairo_save(cr);
    RoundedRect(cr, x, y, w, h, radius);
    cairo_clip(cr);
    RoundedRect(cr, x - 3, y + 1, w + 6, h + 6, radius);
    cairo_set_source_rgba(cr, 0.35, 0.23, 0.07, 0.28);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace artgen
