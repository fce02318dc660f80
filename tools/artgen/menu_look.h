// The shared look of the menu screens: the night-hive palette, honeycomb
// patterns, bubbles, the emblem, the title lettering and the panels every
// sub-screen is drawn on.
#pragma once

#include "artgen/paint.h"

#include <cairo.h>

#include <cstdint>
#include <string>

namespace artgen {

// The palette of the whole front end.
namespace menu_colors {
using namespace artgen::palette;
}  // namespace menu_colors

// A small fixed-seed generator so scattered decorations come out the same
// on every run.
struct Scatter {
    std::uint32_t state;
    explicit Scatter(std::uint32_t seed) : state(seed) {}
    double Next();  // 0 <= value < 1
    double Range(double lo, double hi) { return lo + (hi - lo) * Next(); }
};

// A hexagon path with a pointed top, centred on (cx, cy), corner radius r.
void HexPath(cairo_t* cr, double cx, double cy, double r);
// A hexagon path with a flat top.
void FlatHexPath(cairo_t* cr, double cx, double cy, double r);

// Thin honeycomb lines over the rectangle, alpha fading from alphaTop at the
// rectangle's top to alphaBottom at its bottom.
void HoneycombLines(cairo_t* cr, double x, double y, double w, double h, double cell,
                    const Rgba& color, double alphaTop, double alphaBottom);

// A glossy soap bubble: a clear body tinted with tint, a bright rim and a
// highlight. alpha scales the whole bubble.
void Bubble(cairo_t* cr, double cx, double cy, double r, const Rgba& tint, double alpha);

// One honey cell of the emblem: a golden hexagon with a bevel and a shine.
void HoneyCell(cairo_t* cr, double cx, double cy, double r);

// The game's emblem: seven honey cells and a glossy blue bubble in front,
// centred on (cx, cy), about 2.6 * size wide.
void Emblem(cairo_t* cr, double cx, double cy, double size, bool halo = true);

// A small bee, facing right when flip is false; body length about 2 * size.
void Bee(cairo_t* cr, double cx, double cy, double size, double tilt, bool flip);

// The title lettering: gold gradient letters with a brown rim, a glossy top
// and a shadow, each letter lifted on a gentle wave. The text is centred on
// cx with its baseline at baseline.
void TitleText(cairo_t* cr, const std::string& text, double cx, double baseline, double size,
               double wave);

// Plain text with a soft shadow under it, centred on (cx, cy).
void ShadowedTextCentred(cairo_t* cr, const std::string& text, double cx, double cy,
                         const TextStyle& style);

// Darkens the whole canvas so the screen behind a panel steps back.
void Veil(cairo_t* cr, double width, double height, double alpha);

// A menu panel: a shadow, a night-blue body with a faint honeycomb, a golden
// double rim and, when title is not empty, a title plate straddling its top.
void Panel(cairo_t* cr, double x, double y, double w, double h, const std::string& title);

// A recessed well in a panel (a place where the game draws text or digits).
void Well(cairo_t* cr, double x, double y, double w, double h, double radius);

// A cream text field with an inner shadow and a golden rim.
void CreamField(cairo_t* cr, double x, double y, double w, double h);

}  // namespace artgen
