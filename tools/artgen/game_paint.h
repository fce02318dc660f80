// Drawing pieces shared by the textures of the game screen: the palette, the
// seven block colours with their symbols, the glossy bubble, the bomb,
// honeycomb patterns, golden lettering and sheets of animation frames.
#pragma once

#include "artgen/paint.h"

#include <cairo.h>

#include <cstdint>
#include <string>

namespace artgen::game {

// The shared palette of the game.
using namespace artgen::palette;

// A small fixed-seed generator for scattered details, the same on every run.
struct Noise {
    std::uint32_t state;
    explicit Noise(std::uint32_t seed) : state(seed * 2654435761u + 1u) {}
    double Next();  // 0 <= value < 1
    double Range(double lo, double hi) { return lo + (hi - lo) * Next(); }
};

// A texture of equal frames laid out left to right, cols to a row, the way
// an animation of the resource scripts reads them.
class FrameSheet {
public:
    FrameSheet(int frameW, int frameH, int frames, int cols);
    // Moves the origin to frame i's top-left corner and clips to the frame;
    // every Begin is paired with an End.
    cairo_t* Begin(int i);
    void End();
    Canvas& canvas() { return canvas_; }
    int frameW() const { return frameW_; }
    int frameH() const { return frameH_; }

private:
    int frameW_, frameH_, cols_;
    Canvas canvas_;
};

// 0..1 clamped, and the smooth step between edges a and b.
double Clamp01(double t);
double SmoothStep(double a, double b, double t);

// A hexagon with a pointed top, centred on (cx, cy), corner radius r.
void HexagonPath(cairo_t* cr, double cx, double cy, double r);
// Honeycomb lines over a rectangle: cells of corner radius r.
void HoneycombLines(cairo_t* cr, double x, double y, double w, double h, double r,
                    const Rgba& color, double lineWidth);
// A star of the given points, outer and inner radius, one point straight up.
void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points);

// One of the seven block colours: its body and how its symbol is tinted.
struct BlockColour {
    const char* name;
    Rgba body;
    bool darkSymbol;  // light bodies carry a darker symbol, dark bodies a lighter one
};
const BlockColour& BlockColourOf(int colour);  // colour 1..7

// The symbol of colour 1..7 (heart, leaf, star, clover, drop, moon, gem),
// filled in the current source, centred on (cx, cy), half-size s.
void FillSymbol(cairo_t* cr, int colour, double cx, double cy, double s);

// How one frame of a bubble looks.
struct BubbleLook {
    double scaleX = 1, scaleY = 1;  // squash and stretch about the centre
    double glint = -9;              // position of the sweeping glint, -1..1; outside: none
    double sparkle = 0;             // 0..1 brightness of the star-shaped twinkle
    double flash = 0;               // 0..1 white wash over the whole bubble
    double alpha = 1;
};
// A glossy bubble of colour 1..7 with its symbol, centred on (cx, cy).
void DrawBubble(cairo_t* cr, double cx, double cy, double r, int colour, const BubbleLook& look);

// A round black bomb with a lit fuse; spark 0..1 varies the fuse's spark.
void DrawBomb(cairo_t* cr, double cx, double cy, double r, double spark);

// A four-pointed twinkle of the given radius and alpha.
void Twinkle(cairo_t* cr, double cx, double cy, double r, double alpha);

// Golden lettering with a brown rim and a soft shadow, centred on (cx, cy).
void GoldText(cairo_t* cr, const std::string& text, double cx, double cy, double size);

// Text centred on (cx, cy) in the given colour, with a dark shadow.
void LabelText(cairo_t* cr, const std::string& text, double cx, double cy, double size,
               const Rgba& color);

// A rounded honey-gold frame of the given width around the inside rectangle.
void GoldFrame(cairo_t* cr, double x, double y, double w, double h, double width, double radius);

// A recessed dark well where digits are drawn.
void DigitWell(cairo_t* cr, double x, double y, double w, double h);

}  // namespace artgen::game
