// The block animations: per colour a slow shimmer, a short wobble and a pop,
// and the bomb with its burst.
#include "artgen/game_art.h"
#include "artgen/game_layout.h"
#include "artgen/game_paint.h"

#include <cmath>

namespace artgen::game {

namespace {

constexpr int kFrame = 40;  // bubble frames: the 36-pixel bubble with room to wobble
constexpr double kRadius = kBlockWidth / 2.0 - 0.5;
constexpr int kNormalFrames = 16;
constexpr int kHitFrames = 8;
constexpr int kPopFrame = 64;
constexpr int kPopFrames = 8;
constexpr int kBombFrame = 112;
constexpr int kBombFrames = 12;

// Normal: still most of the time; a glint crosses the bubble in the last
// third of the loop, with a twinkle on the highlight at its peak.
void DrawNormal(const std::string& dir) {
    FrameSheet sheet(kFrame, kFrame, 7 * kNormalFrames, kNormalFrames);
    for (int colour = 1; colour <= 7; ++colour) {
        for (int i = 0; i < kNormalFrames; ++i) {
            cairo_t* cr = sheet.Begin((colour - 1) * kNormalFrames + i);
            BubbleLook look;
            if (i >= 9) {
                look.glint = -1.5 + (i - 9) * 0.5;
                double peak = 1 - std::fabs(i - 12) / 2.5;
                look.sparkle = peak > 0 ? peak : 0;
            }
            DrawBubble(cr, kFrame / 2.0, kFrame / 2.0, kRadius, colour, look);
            sheet.End();
        }
    }
    sheet.canvas().Save(dir, "block_normal");
}

// Hit: squashed by the impact, then a decaying jelly wobble back to round.
void DrawHit(const std::string& dir) {
    FrameSheet sheet(kFrame, kFrame, 7 * kHitFrames, kHitFrames);
    for (int colour = 1; colour <= 7; ++colour) {
        for (int i = 0; i < kHitFrames; ++i) {
            cairo_t* cr = sheet.Begin((colour - 1) * kHitFrames + i);
            double t = i / double(kHitFrames - 1);
            double wobble = 0.12 * std::cos(t * M_PI * 3) * std::pow(1 - t, 1.3);
            BubbleLook look;
            look.scaleX = 1 + wobble;
            look.scaleY = 1 - wobble;
            look.flash = i == 0 ? 0.3 : (i == 1 ? 0.12 : 0);
            DrawBubble(cr, kFrame / 2.0, kFrame / 2.0 + wobble * 6, kRadius, colour, look);
            sheet.End();
        }
    }
    sheet.canvas().Save(dir, "block_hit");
}

// A small glossy droplet of the bubble's colour.
void Droplet(cairo_t* cr, double x, double y, double r, const Rgba& body, double alpha) {
    if (r <= 0.2 || alpha <= 0) {
        return;
    }
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.4, y - r * 0.4, 0, x, y, r);
    Rgba l = Lighter(body, 0.6);
    cairo_pattern_add_color_stop_rgba(p, 0, l.r, l.g, l.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, body.r, body.g, body.b, alpha);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// Remove: the bubble swells and brightens, bursts into a ring of light and
// flying droplets, and everything fades.
void DrawRemove(const std::string& dir) {
    FrameSheet sheet(kPopFrame, kPopFrame, 7 * kPopFrames, kPopFrames);
    const double c = kPopFrame / 2.0;
    for (int colour = 1; colour <= 7; ++colour) {
        const Rgba body = BlockColourOf(colour).body;
        for (int i = 0; i < kPopFrames; ++i) {
            cairo_t* cr = sheet.Begin((colour - 1) * kPopFrames + i);
            if (i < 2) {
                BubbleLook look;
                look.scaleX = look.scaleY = 1.08 + 0.08 * i;
                look.flash = 0.2 + 0.3 * i;
                DrawBubble(cr, c, c, kRadius, colour, look);
            } else {
                double t = (i - 2) / double(kPopFrames - 3);  // 0..1 over the burst
                double fade = 1 - t;
                // Ring of light.
                double ring = 19 + 11 * std::sqrt(t);
                cairo_arc(cr, c, c, ring, 0, 2 * M_PI);
                Rgba rl = Lighter(body, 0.5);
                SetColor(cr, Rgba{rl.r, rl.g, rl.b, 0.85 * fade});
                cairo_set_line_width(cr, 5 * fade + 0.5);
                cairo_stroke(cr);
                cairo_arc(cr, c, c, ring - 1, 0, 2 * M_PI);
                SetColor(cr, Rgba{1, 1, 1, 0.7 * fade * fade});
                cairo_set_line_width(cr, 1.5 * fade + 0.3);
                cairo_stroke(cr);
                // Inner flash just after the burst.
                if (i == 2) {
                    Rgba fl = Lighter(body, 0.7);
                    cairo_pattern_t* f = cairo_pattern_create_radial(c, c, 0, c, c, 17);
                    cairo_pattern_add_color_stop_rgba(f, 0, 1, 1, 1, 0.9);
                    cairo_pattern_add_color_stop_rgba(f, 0.5, fl.r, fl.g, fl.b, 0.5);
                    cairo_pattern_add_color_stop_rgba(f, 1, fl.r, fl.g, fl.b, 0);
                    cairo_set_source(cr, f);
                    cairo_paint(cr);
                    cairo_pattern_destroy(f);
                }
                // Droplets flying out, slowing and shrinking.
                for (int k = 0; k < 9; ++k) {
                    double a = k * 2 * M_PI / 9 + colour * 0.4;
                    double dist = 13 + 14 * (1 - (1 - t) * (1 - t)) + (k % 3) * 1.5;
                    double r = (3.4 - (k % 2)) * (1 - 0.7 * t);
                    Droplet(cr, c + std::cos(a) * dist, c + std::sin(a) * dist + 4 * t * t, r, body,
                            fade > 0.1 ? 1 : fade * 10);
                }
                if (i == 3 || i == 4) {
                    Twinkle(cr, c - 12, c - 10, 7 - (i - 3) * 2, 0.9);
                    Twinkle(cr, c + 14, c + 8, 5, 0.7);
                }
            }
            sheet.End();
        }
    }
    sheet.canvas().Save(dir, "block_remove");
}

// A ragged fireball outline: a circle whose radius wobbles.
void FireballPath(cairo_t* cr, double cx, double cy, double r, Noise& n) {
    const int points = 18;
    double jag[points];
    for (double& j : jag) {
        j = n.Range(0.82, 1.08);
    }
    for (int k = 0; k <= points; ++k) {
        double a = k * 2 * M_PI / points;
        double rr = r * jag[k % points];
        double x = cx + std::cos(a) * rr, y = cy + std::sin(a) * rr;
        if (k == 0) {
            cairo_move_to(cr, x, y);
        } else {
            double am = a - M_PI / points;
            double rm = r * 1.1;
            cairo_curve_to(cr, cx + std::cos(am) * rm, cy + std::sin(am) * rm,
                           cx + std::cos(am) * rm, cy + std::sin(am) * rm, x, y);
        }
    }
    cairo_close_path(cr);
}

// The bomb: its first frame is the still bomb (the picture of a bomb shot),
// then it glows, flashes and bursts into a fireball with smoke and sparks.
void DrawBombBurst(const std::string& dir) {
    FrameSheet sheet(kBombFrame, kBombFrame, kBombFrames, 6);
    const double c = kBombFrame / 2.0;
    for (int i = 0; i < kBombFrames; ++i) {
        cairo_t* cr = sheet.Begin(i);
        if (i == 0) {
            DrawBomb(cr, c, c + 2, 16, 0);
        } else if (i == 1) {
            DrawBomb(cr, c, c + 2, 17, 1);
            cairo_arc(cr, c, c + 2, 17, 0, 2 * M_PI);
            SetColor(cr, Rgba{1, 0.3, 0.1, 0.45});
            cairo_fill(cr);
        } else {
            double t = (i - 2) / double(kBombFrames - 3);  // 0..1 over the burst
            double grow = 1 - (1 - t) * (1 - t);
            double fade = i < 6 ? 1 : 1 - (i - 6) / double(kBombFrames - 6);
            Noise n(100 + i);
            // Smoke ring.
            double smoke = 26 + 28 * grow;
            cairo_arc(cr, c, c, smoke, 0, 2 * M_PI);
            cairo_pattern_t* s = cairo_pattern_create_radial(c, c, smoke * 0.5, c, c, smoke);
            cairo_pattern_add_color_stop_rgba(s, 0, 0.25, 0.2, 0.25, 0);
            cairo_pattern_add_color_stop_rgba(s, 0.7, 0.3, 0.26, 0.3, 0.55 * fade);
            cairo_pattern_add_color_stop_rgba(s, 1, 0.3, 0.26, 0.3, 0);
            cairo_set_source(cr, s);
            cairo_fill(cr);
            cairo_pattern_destroy(s);
            // Fireball, shrinking back as it burns out.
            double fire = (i == 2) ? 30 : 24 + 24 * grow - 12 * t * t;
            FireballPath(cr, c, c, fire, n);
            cairo_pattern_t* f = cairo_pattern_create_radial(c, c, 0, c, c, fire * 1.1);
            cairo_pattern_add_color_stop_rgba(f, 0, 1, 1, 0.9, fade);
            cairo_pattern_add_color_stop_rgba(f, 0.3, 1, 0.85, 0.3, fade);
            cairo_pattern_add_color_stop_rgba(f, 0.65, 1, 0.45, 0.08, 0.95 * fade);
            cairo_pattern_add_color_stop_rgba(f, 1, 0.75, 0.12, 0.05, 0.6 * fade);
            cairo_set_source(cr, f);
            cairo_fill(cr);
            cairo_pattern_destroy(f);
            if (i == 2) {
                cairo_pattern_t* flash = cairo_pattern_create_radial(c, c, 0, c, c, 52);
                cairo_pattern_add_color_stop_rgba(flash, 0, 1, 1, 1, 0.95);
                cairo_pattern_add_color_stop_rgba(flash, 0.5, 1, 0.95, 0.7, 0.5);
                cairo_pattern_add_color_stop_rgba(flash, 1, 1, 0.9, 0.6, 0);
                cairo_set_source(cr, flash);
                cairo_paint(cr);
                cairo_pattern_destroy(flash);
            }
            // Sparks and debris thrown outwards.
            Noise sparks(42);
            for (int k = 0; k < 14; ++k) {
                double a = sparks.Range(0, 2 * M_PI);
                double speed = sparks.Range(0.7, 1.0);
                double d0 = 14 + 36 * grow * speed, d1 = d0 + 8 * (1 - t) + 2;
                cairo_move_to(cr, c + std::cos(a) * d0, c + std::sin(a) * d0);
                cairo_line_to(cr, c + std::cos(a) * d1, c + std::sin(a) * d1);
                SetColor(cr, Rgba{1, 0.9, 0.5, fade});
                cairo_set_line_width(cr, 2.2 - 1.2 * t);
                cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
                cairo_stroke(cr);
            }
        }
        sheet.End();
    }
    sheet.canvas().Save(dir, "block_bomb");
}

}  // namespace

void DrawBlocks(const std::string& dir) {
    DrawNormal(dir);
    DrawHit(dir);
    DrawRemove(dir);
    DrawBombBurst(dir);
}

}  // namespace artgen::game
