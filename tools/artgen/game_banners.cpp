// The ready, level-passed and level-failed banners: each a one-shot
// animation of about one and a half seconds over the field. The plate
// springs in (or drops in, for the failure), holds while a shine or sparkles
// play over it, and fades away.
#include "artgen/game_art.h"
#include "artgen/game_layout.h"
#include "artgen/game_paint.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace artgen::game {

namespace {

constexpr int kFrames = 24;  // at 16 frames per second: 1.5 seconds
constexpr int kCols = 4;

struct BannerLook {
    const char* name;
    const char* text;
    Rgba top, bottom, rim, ink, inkRim;
    bool drop;      // falls in from above instead of springing open
    bool sparkles;  // stars burst around the plate
};

// The plate: a long hexagon-ended ribbon with a gloss and a honeycomb.
void PlatePath(cairo_t* cr, double cx, double cy, double w, double h) {
    double x0 = cx - w / 2, x1 = cx + w / 2, p = h * 0.45;
    cairo_move_to(cr, x0 + p, cy - h / 2);
    cairo_line_to(cr, x1 - p, cy - h / 2);
    cairo_line_to(cr, x1, cy);
    cairo_line_to(cr, x1 - p, cy + h / 2);
    cairo_line_to(cr, x0 + p, cy + h / 2);
    cairo_line_to(cr, x0, cy);
    cairo_close_path(cr);
}

void Plate(cairo_t* cr, const BannerLook& look, double cx, double cy, double shine) {
    const double w = kBannerW - 40, h = 84;
    PlatePath(cr, cx + 3, cy + 6, w, h);
    SetColor(cr, Rgba{0, 0, 0, 0.4});
    cairo_fill(cr);
    PlatePath(cr, cx, cy, w + 10, h + 10);
    SetColor(cr, look.rim);
    cairo_fill(cr);
    PlatePath(cr, cx, cy, w + 10, h + 10);
    SetColor(cr, Darker(look.rim, 0.6));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    PlatePath(cr, cx, cy, w, h);
    cairo_pattern_t* body = cairo_pattern_create_linear(0, cy - h / 2, 0, cy + h / 2);
    cairo_pattern_add_color_stop_rgb(body, 0, look.top.r, look.top.g, look.top.b);
    cairo_pattern_add_color_stop_rgb(body, 1, look.bottom.r, look.bottom.g, look.bottom.b);
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    cairo_save(cr);
    cairo_clip(cr);
    HoneycombLines(cr, cx - w / 2, cy - h / 2, w, h, 12, Rgba{1, 1, 1, 0.08}, 1);
    // Gloss on the upper half.
    cairo_rectangle(cr, cx - w / 2, cy - h / 2, w, h * 0.45);
    cairo_pattern_t* gloss = cairo_pattern_create_linear(0, cy - h / 2, 0, cy);
    cairo_pattern_add_color_stop_rgba(gloss, 0, 1, 1, 1, 0.35);
    cairo_pattern_add_color_stop_rgba(gloss, 1, 1, 1, 1, 0.05);
    cairo_set_source(cr, gloss);
    cairo_fill(cr);
    cairo_pattern_destroy(gloss);
    // A band of light sweeping across.
    if (shine > -1 && shine < 2) {
        double sx = cx - w / 2 + shine * w;
        cairo_move_to(cr, sx - 20, cy - h);
        cairo_line_to(cr, sx + 10, cy - h);
        cairo_line_to(cr, sx - 20, cy + h);
        cairo_line_to(cr, sx - 50, cy + h);
        cairo_close_path(cr);
        SetColor(cr, Rgba{1, 1, 1, 0.35});
        cairo_fill(cr);
    }
    cairo_restore(cr);
    // The words, as large as fit between the plate's pointed ends.
    TextStyle probe;
    probe.size = 46;
    double size = std::min(46.0, 46.0 * (w - h * 0.7) / TextWidth(cr, look.text, probe));
    TextStyle shadow;
    shadow.size = size;
    shadow.fill = Rgba{0, 0, 0, 0.35};
    DrawTextCentred(cr, look.text, cx + 2, cy + 4, shadow);
    TextStyle ink;
    ink.size = size;
    ink.fill = look.ink;
    ink.outline = look.inkRim;
    ink.outlineWidth = 2.5;
    DrawTextCentred(cr, look.text, cx, cy + 1, ink);
}

void Sparkles(cairo_t* cr, double cx, double cy, double t) {
    Noise n(21);
    for (int k = 0; k < 12; ++k) {
        double a = n.Range(0, 2 * M_PI), speed = n.Range(0.6, 1.0), size = n.Range(7, 12);
        double delay = n.Range(0, 0.3);
        double u = Clamp01((t - delay) / (1 - delay));
        if (u <= 0) {
            continue;
        }
        double x = cx + std::cos(a) * (150 + 50 * speed * u);
        double y = cy + std::sin(a) * (45 + 25 * speed * u);
        double alpha = 1 - u;
        StarPath(cr, x, y, size * (1 - 0.4 * u), size * 0.42 * (1 - 0.4 * u), 5);
        SetColor(cr, Rgba{1, 0.88, 0.35, alpha});
        cairo_fill(cr);
        Twinkle(cr, x + size, y - size, size * 0.6, alpha);
    }
}

void DrawBanner(const std::string& dir, const BannerLook& look) {
    FrameSheet sheet(kBannerW, kBannerH, kFrames, kCols);
    for (int i = 0; i < kFrames; ++i) {
        cairo_t* cr = sheet.Begin(i);
        double cx = kBannerW / 2.0, cy = kBannerH / 2.0;
        double scale = 1, alpha = 1, dy = 0;
        if (look.drop) {
            // Falls from above, bounces twice, settles.
            const double fall[] = {-110, -60, -10, 8, -6, 3, -1};
            if (i < 7) {
                dy = fall[i];
            }
            alpha = i == 0 ? 0.4 : 1;
        } else {
            // Springs open from small with an overshoot.
            const double grow[] = {0.2, 0.55, 0.95, 1.12, 1.04, 0.98};
            if (i < 6) {
                scale = grow[i];
            }
            alpha = i < 2 ? 0.5 + 0.25 * i : 1;
        }
        if (i >= 18) {  // fade out, swelling a little
            double u = (i - 17) / double(kFrames - 17);
            alpha = 1 - u;
            scale = 1 + 0.08 * u;
        }
        cairo_push_group(cr);
        cairo_save(cr);
        cairo_translate(cr, cx, cy + dy);
        cairo_scale(cr, scale, scale);
        double shine = (i >= 7 && i <= 15) ? (i - 7) / 7.0 * 1.3 - 0.15 : -9;
        Plate(cr, look, 0, 0, shine);
        cairo_restore(cr);
        if (look.sparkles && i >= 4) {
            Sparkles(cr, cx, cy + dy, (i - 4) / 14.0);
        }
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, alpha);
        sheet.End();
    }
    sheet.canvas().Save(dir, look.name);
}

}  // namespace

void DrawBanners(const std::string& dir) {
    DrawBanner(dir, {"banner_ready", "Ready?", Hex(0xFFE38A), Hex(0xF0A818), Hex(0xB9770E), kBrown,
                     Hex(0xFFF3C4), false, false});
    DrawBanner(dir, {"banner_pass", "Level passed!", Hex(0x7FF0DF), Hex(0x1FA593), Hex(0xFFD75A),
                     Hex(0xFFFFFF), Hex(0x0B4F47), false, true});
    DrawBanner(dir, {"banner_fail", "Level failed", Hex(0xF590A8), Hex(0xB23158), Hex(0x6A2A5A),
                     kCream, Hex(0x4A1434), true, false});
}

}  // namespace artgen::game
