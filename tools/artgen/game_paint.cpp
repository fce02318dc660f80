#include "artgen/game_paint.h"

#include <algorithm>
#include <cmath>

namespace artgen::game {

double Noise::Next() {
    // xorshift32
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return (state & 0xFFFFFF) / 16777216.0;
}

FrameSheet::FrameSheet(int frameW, int frameH, int frames, int cols)
    : frameW_(frameW),
      frameH_(frameH),
      cols_(cols),
      canvas_(frameW * cols, frameH * ((frames + cols - 1) / cols)) {}

cairo_t* FrameSheet::Begin(int i) {
    cairo_t* cr = canvas_.cr();
    cairo_save(cr);
    cairo_translate(cr, (i % cols_) * frameW_, (i / cols_) * frameH_);
    cairo_rectangle(cr, 0, 0, frameW_, frameH_);
    cairo_clip(cr);
    cairo_new_path(cr);
    return cr;
}

void FrameSheet::End() {
    cairo_restore(canvas_.cr());
}

double Clamp01(double t) {
    return std::clamp(t, 0.0, 1.0);
}

double SmoothStep(double a, double b, double t) {
    double x = Clamp01((t - a) / (b - a));
    return x * x * (3 - 2 * x);
}

void HexagonPath(cairo_t* cr, double cx, double cy, double r) {
    for (int i = 0; i < 6; ++i) {
        double a = M_PI / 3 * i - M_PI / 2;
        double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
        if (i == 0) {
            cairo_move_to(cr, x, y);
        } else {
            cairo_line_to(cr, x, y);
        }
    }
    cairo_close_path(cr);
}

void HoneycombLines(cairo_t* cr, double x, double y, double w, double h, double r,
                    const Rgba& color, double lineWidth) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    double dx = r * std::sqrt(3.0), dy = r * 1.5;
    int row = 0;
    for (double cy = y; cy < y + h + r; cy += dy, ++row) {
        double start = x + ((row % 2) ? dx / 2 : 0) - dx;
        for (double cx = start; cx < x + w + dx; cx += dx) {
            HexagonPath(cr, cx, cy, r);
        }
    }
    SetColor(cr, color);
    cairo_set_line_width(cr, lineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points) {
    for (int i = 0; i < points * 2; ++i) {
        double a = M_PI / points * i - M_PI / 2;
        double r = (i % 2) ? inner : outer;
        double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
        if (i == 0) {
            cairo_move_to(cr, x, y);
        } else {
            cairo_line_to(cr, x, y);
        }
    }
    cairo_close_path(cr);
}

namespace {

// Seven colours well apart in hue and in lightness (CIE L* about 90 yellow,
// 81 cyan, 72 orange, 64 green, 53 red, 45 purple, 35 blue), so that they
// differ in grey as well; each also carries its own symbol.
const BlockColour kColours[7] = {
    {"red", Hex(0xE8344C), false},    {"orange", Hex(0xFF9424), true},
    {"yellow", Hex(0xFFDF3A), true},  {"green", Hex(0x2DB24C), false},
    {"cyan", Hex(0x4CD6F2), true},    {"blue", Hex(0x2B3FC8), false},
    {"purple", Hex(0x9340D6), false},
};

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, double angle) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

}  // namespace

const BlockColour& BlockColourOf(int colour) {
    return kColours[std::clamp(colour, 1, 7) - 1];
}

void FillSymbol(cairo_t* cr, int colour, double cx, double cy, double s) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, s, s);
    cairo_new_path(cr);
    switch (colour) {
        case 1:  // heart
            cairo_move_to(cr, 0, 0.92);
            cairo_curve_to(cr, -0.25, 0.68, -1.0, 0.22, -1.0, -0.32);
            cairo_curve_to(cr, -1.0, -0.82, -0.32, -1.02, 0, -0.52);
            cairo_curve_to(cr, 0.32, -1.02, 1.0, -0.82, 1.0, -0.32);
            cairo_curve_to(cr, 1.0, 0.22, 0.25, 0.68, 0, 0.92);
            cairo_close_path(cr);
            cairo_fill(cr);
            break;
        case 2:  // leaf, with its midrib cut out
            cairo_push_group(cr);
            cairo_move_to(cr, -0.9, 0.9);
            cairo_curve_to(cr, -1.0, -0.25, -0.25, -0.95, 0.95, -0.95);
            cairo_curve_to(cr, 0.95, 0.25, 0.25, 1.0, -0.9, 0.9);
            cairo_close_path(cr);
            cairo_fill(cr);
            cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
            cairo_move_to(cr, -0.62, 0.62);
            cairo_line_to(cr, 0.55, -0.55);
            cairo_set_line_width(cr, 0.16);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_stroke(cr);
            cairo_pop_group_to_source(cr);
            cairo_paint(cr);
            break;
        case 3:  // star
            StarPath(cr, 0, 0.06, 1.05, 0.45, 5);
            cairo_fill(cr);
            break;
        case 4:  // clover
            cairo_arc(cr, 0, -0.46, 0.44, 0, 2 * M_PI);
            cairo_new_sub_path(cr);
            cairo_arc(cr, -0.48, 0.1, 0.44, 0, 2 * M_PI);
            cairo_new_sub_path(cr);
            cairo_arc(cr, 0.48, 0.1, 0.44, 0, 2 * M_PI);
            cairo_new_sub_path(cr);
            cairo_move_to(cr, -0.1, 0.0);
            cairo_line_to(cr, 0.1, 0.0);
            cairo_line_to(cr, 0.24, 0.98);
            cairo_line_to(cr, -0.24, 0.98);
            cairo_close_path(cr);
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
            cairo_fill(cr);
            break;
        case 5:  // drop
            cairo_move_to(cr, 0, -1.0);
            cairo_curve_to(cr, 0.22, -0.55, 0.74, -0.12, 0.74, 0.32);
            cairo_curve_to(cr, 0.74, 0.74, 0.4, 1.0, 0, 1.0);
            cairo_curve_to(cr, -0.4, 1.0, -0.74, 0.74, -0.74, 0.32);
            cairo_curve_to(cr, -0.74, -0.12, -0.22, -0.55, 0, -1.0);
            cairo_close_path(cr);
            cairo_fill(cr);
            break;
        case 6:  // crescent moon
            cairo_push_group(cr);
            cairo_arc(cr, 0, 0, 0.95, 0, 2 * M_PI);
            cairo_fill(cr);
            cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
            cairo_arc(cr, 0.46, -0.3, 0.78, 0, 2 * M_PI);
            cairo_fill(cr);
            cairo_pop_group_to_source(cr);
            cairo_paint(cr);
            break;
        default:  // cut gem
            cairo_push_group(cr);
            cairo_move_to(cr, -1.0, -0.3);
            cairo_line_to(cr, -0.55, -0.85);
            cairo_line_to(cr, 0.55, -0.85);
            cairo_line_to(cr, 1.0, -0.3);
            cairo_line_to(cr, 0, 0.98);
            cairo_close_path(cr);
            cairo_fill(cr);
            cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
            cairo_set_line_width(cr, 0.13);
            cairo_move_to(cr, -0.9, -0.3);
            cairo_line_to(cr, 0.9, -0.3);
            cairo_move_to(cr, -0.3, -0.3);
            cairo_line_to(cr, 0, 0.75);
            cairo_line_to(cr, 0.3, -0.3);
            cairo_stroke(cr);
            cairo_pop_group_to_source(cr);
            cairo_paint(cr);
            break;
    }
    cairo_restore(cr);
}

void DrawBubble(cairo_t* cr, double cx, double cy, double r, int colour, const BubbleLook& look) {
    const BlockColour& bc = BlockColourOf(colour);
    const Rgba& base = bc.body;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, look.scaleX, look.scaleY);
    cairo_push_group(cr);

    // Body: lit from the upper left, darkening towards the lower right.
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    cairo_pattern_t* body =
        cairo_pattern_create_radial(-0.35 * r, -0.42 * r, 0.05 * r, 0, 0, 1.1 * r);
    Rgba l = Lighter(base, 0.55), d = Darker(base, 0.28), dd = Darker(base, 0.5);
    cairo_pattern_add_color_stop_rgba(body, 0, l.r, l.g, l.b, 1);
    cairo_pattern_add_color_stop_rgba(body, 0.45, base.r, base.g, base.b, 1);
    cairo_pattern_add_color_stop_rgba(body, 0.85, d.r, d.g, d.b, 1);
    cairo_pattern_add_color_stop_rgba(body, 1, dd.r, dd.g, dd.b, 1);
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    cairo_save(cr);
    cairo_clip(cr);

    // Light bouncing up from below.
    cairo_pattern_t* bounce =
        cairo_pattern_create_radial(0.2 * r, 0.9 * r, 0, 0.2 * r, 0.9 * r, 0.8 * r);
    Rgba bl = Lighter(base, 0.7);
    cairo_pattern_add_color_stop_rgba(bounce, 0, bl.r, bl.g, bl.b, 0.55);
    cairo_pattern_add_color_stop_rgba(bounce, 1, bl.r, bl.g, bl.b, 0);
    cairo_set_source(cr, bounce);
    cairo_paint(cr);
    cairo_pattern_destroy(bounce);

    // The colour's symbol, pressed gently into the surface.
    double s = 0.4 * r;
    Rgba ink = bc.darkSymbol ? Darker(base, 0.5) : Lighter(base, 0.78);
    Rgba edge = bc.darkSymbol ? Lighter(base, 0.8) : Darker(base, 0.6);
    SetColor(cr, Rgba{edge.r, edge.g, edge.b, bc.darkSymbol ? 0.6 : 0.55});
    FillSymbol(cr, colour, 0, 0.14 * r + 0.9, s);
    SetColor(cr, Rgba{ink.r, ink.g, ink.b, bc.darkSymbol ? 0.72 : 0.8});
    FillSymbol(cr, colour, 0, 0.14 * r, s);

    // A sweeping glint.
    if (look.glint > -1.6 && look.glint < 1.6) {
        cairo_save(cr);
        cairo_rotate(cr, M_PI / 5);
        double gx = look.glint * 1.3 * r;
        cairo_pattern_t* band = cairo_pattern_create_linear(gx - 0.35 * r, 0, gx + 0.35 * r, 0);
        cairo_pattern_add_color_stop_rgba(band, 0, 1, 1, 1, 0);
        cairo_pattern_add_color_stop_rgba(band, 0.5, 1, 1, 1, 0.42);
        cairo_pattern_add_color_stop_rgba(band, 1, 1, 1, 1, 0);
        cairo_set_source(cr, band);
        cairo_paint(cr);
        cairo_pattern_destroy(band);
        cairo_restore(cr);
    }
    cairo_restore(cr);

    // Soft rim: a darker edge and a faint light line inside its lower half.
    cairo_arc(cr, 0, 0, r - 0.7, 0, 2 * M_PI);
    Rgba rim = Darker(base, 0.55);
    SetColor(cr, Rgba{rim.r, rim.g, rim.b, 0.85});
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_arc(cr, 0, 0, r - 2.2, M_PI * 0.15, M_PI * 0.85);
    SetColor(cr, Rgba{1, 1, 1, 0.28});
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);

    // The highlight: a soft window reflection and a sharp dot.
    Ellipse(cr, -0.36 * r, -0.46 * r, 0.44 * r, 0.24 * r, -M_PI / 5);
    cairo_pattern_t* hl = cairo_pattern_create_linear(0, -0.72 * r, 0, -0.2 * r);
    cairo_pattern_add_color_stop_rgba(hl, 0, 1, 1, 1, 0.95);
    cairo_pattern_add_color_stop_rgba(hl, 1, 1, 1, 1, 0.12);
    cairo_set_source(cr, hl);
    cairo_fill(cr);
    cairo_pattern_destroy(hl);
    if (look.sparkle > 0) {
        Twinkle(cr, -0.5 * r, -0.52 * r, 0.55 * r * look.sparkle, look.sparkle);
    }

    if (look.flash > 0) {
        cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
        SetColor(cr, Rgba{1, 1, 1, look.flash});
        cairo_fill(cr);
    }

    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, look.alpha);
    cairo_restore(cr);
}

void Twinkle(cairo_t* cr, double cx, double cy, double r, double alpha) {
    if (r <= 0) {
        return;
    }
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_pattern_t* glow = cairo_pattern_create_radial(0, 0, 0, 0, 0, r * 0.6);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 1, 1, 0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, 0, 0, r * 0.6, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    double t = r * 0.14;
    cairo_move_to(cr, 0, -r);
    cairo_curve_to(cr, t, -t, t, -t, r, 0);
    cairo_curve_to(cr, t, t, t, t, 0, r);
    cairo_curve_to(cr, -t, t, -t, t, -r, 0);
    cairo_curve_to(cr, -t, -t, -t, -t, 0, -r);
    cairo_close_path(cr);
    SetColor(cr, Rgba{1, 1, 1, alpha});
    cairo_fill(cr);
    cairo_restore(cr);
}

void DrawBomb(cairo_t* cr, double cx, double cy, double r, double spark) {
    cairo_save(cr);
    // Fuse cap and fuse.
    double capX = cx + 0.5 * r, capY = cy - 0.72 * r;
    cairo_save(cr);
    cairo_translate(cr, capX, capY);
    cairo_rotate(cr, M_PI / 4);
    RoundedRect(cr, -0.26 * r, -0.22 * r, 0.52 * r, 0.4 * r, 0.08 * r);
    cairo_restore(cr);
    SetColor(cr, Hex(0x6B6F80));
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0x1A1B24));
    cairo_set_line_width(cr, std::max(0.8, r * 0.07));
    cairo_stroke(cr);
    double fx = capX + 0.2 * r, fy = capY - 0.2 * r;
    double tipX = fx + 0.42 * r, tipY = fy - 0.38 * r;
    cairo_move_to(cr, fx, fy);
    cairo_curve_to(cr, fx + 0.25 * r, fy - 0.05 * r, fx + 0.2 * r, fy - 0.38 * r, tipX, tipY);
    SetColor(cr, Hex(0xC9A36A));
    cairo_set_line_width(cr, std::max(1.0, r * 0.13));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);

    // Body: black iron with a cool sheen.
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_pattern_t* body =
        cairo_pattern_create_radial(cx - 0.35 * r, cy - 0.4 * r, 0.05 * r, cx, cy, 1.05 * r);
    cairo_pattern_add_color_stop_rgb(body, 0, 0.55, 0.58, 0.7);
    cairo_pattern_add_color_stop_rgb(body, 0.35, 0.2, 0.21, 0.28);
    cairo_pattern_add_color_stop_rgb(body, 1, 0.04, 0.04, 0.07);
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    SetColor(cr, Hex(0x05050A));
    cairo_set_line_width(cr, std::max(0.8, r * 0.06));
    cairo_stroke(cr);
    Ellipse(cr, cx - 0.38 * r, cy - 0.42 * r, 0.32 * r, 0.17 * r, -M_PI / 5);
    SetColor(cr, Rgba{1, 1, 1, 0.55});
    cairo_fill(cr);

    // The spark at the fuse's tip.
    double sr = r * (0.45 + 0.15 * spark);
    cairo_pattern_t* glow = cairo_pattern_create_radial(tipX, tipY, 0, tipX, tipY, sr);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.95, 0.6, 1);
    cairo_pattern_add_color_stop_rgba(glow, 0.4, 1, 0.6, 0.1, 0.8);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.3, 0, 0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, tipX, tipY, sr, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    Noise n(7 + static_cast<int>(spark * 10));
    SetColor(cr, Hex(0xFFF3B0));
    cairo_set_line_width(cr, std::max(0.7, r * 0.05));
    for (int i = 0; i < 6; ++i) {
        double a = n.Range(0, 2 * M_PI), len = sr * n.Range(0.6, 1.1);
        cairo_move_to(cr, tipX + std::cos(a) * sr * 0.3, tipY + std::sin(a) * sr * 0.3);
        cairo_line_to(cr, tipX + std::cos(a) * len, tipY + std::sin(a) * len);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void GoldText(cairo_t* cr, const std::string& text, double cx, double cy, double size) {
    TextStyle shadow;
    shadow.size = size;
    shadow.fill = Rgba{0, 0, 0, 0.45};
    shadow.outline = Rgba{0, 0, 0, 0.45};
    shadow.outlineWidth = size * 0.09;
    DrawTextCentred(cr, text, cx + size * 0.03, cy + size * 0.07, shadow);

    // Brown rim, then the letters filled with a honey gradient.
    TextStyle rim;
    rim.size = size;
    rim.fill = kBrown;
    rim.outline = kBrown;
    rim.outlineWidth = size * 0.08;
    DrawTextCentred(cr, text, cx, cy, rim);

    cairo_push_group(cr);
    TextStyle mask;
    mask.size = size;
    mask.fill = Rgba{1, 1, 1, 1};
    DrawTextCentred(cr, text, cx, cy, mask);
    cairo_pattern_t* letters = cairo_pop_group(cr);
    cairo_pattern_t* gold = cairo_pattern_create_linear(0, cy - size * 0.4, 0, cy + size * 0.4);
    cairo_pattern_add_color_stop_rgb(gold, 0, 1.0, 0.96, 0.75);
    cairo_pattern_add_color_stop_rgb(gold, 0.45, kHoneyLight.r, kHoneyLight.g, kHoneyLight.b);
    cairo_pattern_add_color_stop_rgb(gold, 0.55, kHoney.r, kHoney.g, kHoney.b);
    cairo_pattern_add_color_stop_rgb(gold, 1, kHoneyDark.r, kHoneyDark.g, kHoneyDark.b);
    cairo_set_source(cr, gold);
    cairo_mask(cr, letters);
    cairo_pattern_destroy(gold);
    cairo_pattern_destroy(letters);
}

void LabelText(cairo_t* cr, const std::string& text, double cx, double cy, double size,
               const Rgba& color) {
    TextStyle shadow;
    shadow.size = size;
    shadow.fill = Rgba{0, 0, 0, 0.5};
    DrawTextCentred(cr, text, cx + 1, cy + 1.5, shadow);
    TextStyle style;
    style.size = size;
    style.fill = color;
    DrawTextCentred(cr, text, cx, cy, style);
}

void GoldFrame(cairo_t* cr, double x, double y, double w, double h, double width, double radius) {
    double ox = x - width, oy = y - width, ow = w + 2 * width, oh = h + 2 * width;
    // Drop shadow.
    cairo_save(cr);
    for (int i = 6; i >= 1; --i) {
        RoundedRect(cr, ox - i + 3, oy - i + 5, ow + 2 * i, oh + 2 * i, radius + width + i);
        SetColor(cr, Rgba{0, 0, 0, 0.05});
        cairo_fill(cr);
    }
    cairo_restore(cr);

    // The wall: a ring between the outer and the inner rounded rectangles.
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    RoundedRect(cr, ox, oy, ow, oh, radius + width);
    RoundedRect(cr, x, y, w, h, radius);
    cairo_pattern_t* gold = cairo_pattern_create_linear(ox, oy, ox + ow * 0.3, oy + oh);
    cairo_pattern_add_color_stop_rgb(gold, 0, kHoneyLight.r, kHoneyLight.g, kHoneyLight.b);
    cairo_pattern_add_color_stop_rgb(gold, 0.35, kHoney.r, kHoney.g, kHoney.b);
    cairo_pattern_add_color_stop_rgb(gold, 1, kHoneyDark.r, kHoneyDark.g, kHoneyDark.b);
    cairo_set_source(cr, gold);
    cairo_fill(cr);
    cairo_pattern_destroy(gold);

    // Honeycomb texture pressed into the wall.
    cairo_save(cr);
    RoundedRect(cr, ox, oy, ow, oh, radius + width);
    RoundedRect(cr, x, y, w, h, radius);
    cairo_clip(cr);
    HoneycombLines(cr, ox, oy, ow, oh, width * 0.42, Rgba{0.45, 0.27, 0.05, 0.35}, 1.0);
    cairo_restore(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);

    // Bevels: a light outer top edge, a dark outer line, a dark inner lip.
    RoundedRect(cr, ox + 0.5, oy + 0.5, ow - 1, oh - 1, radius + width - 0.5);
    SetColor(cr, Darker(kBrown, 0.2));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    RoundedRect(cr, ox + 2, oy + 2, ow - 4, oh - 4, radius + width - 2);
    SetColor(cr, Rgba{1, 0.95, 0.7, 0.45});
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    RoundedRect(cr, x - 1, y - 1, w + 2, h + 2, radius + 1);
    SetColor(cr, kBrown);
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
}

void DigitWell(cairo_t* cr, double x, double y, double w, double h) {
    RoundedRect(cr, x, y, w, h, 8);
    cairo_pattern_t* well = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(well, 0, 0.03, 0.04, 0.1);
    cairo_pattern_add_color_stop_rgb(well, 1, 0.09, 0.1, 0.2);
    cairo_set_source(cr, well);
    cairo_fill(cr);
    cairo_pattern_destroy(well);
    // Inner shadow at the top, light lip at the bottom.
    RoundedRect(cr, x + 1, y + 1, w - 2, h - 2, 7);
    SetColor(cr, Rgba{0, 0, 0, 0.6});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_move_to(cr, x + 8, y + h - 0.5);
    cairo_line_to(cr, x + w - 8, y + h - 0.5);
    SetColor(cr, Rgba{1, 0.9, 0.6, 0.35});
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

}  // namespace artgen::game
