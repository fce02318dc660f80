// Drawing helpers shared by every texture of the generator: a cairo canvas
// that saves to PNG, a few shapes, and text in a fontconfig-found face.
#pragma once

#include <cairo.h>

#include <string>

namespace artgen {

struct Rgba {
    double r = 0, g = 0, b = 0, a = 1;
};
// 0xRRGGBB with an alpha of 1.
Rgba Hex(unsigned rgb, double alpha = 1.0);
Rgba Mix(const Rgba& a, const Rgba& b, double t);  // t 0 gives a, 1 gives b
Rgba Lighter(const Rgba& c, double amount);        // towards white
Rgba Darker(const Rgba& c, double amount);         // towards black

// The palette every texture of the game shares.
namespace palette {
inline const Rgba kNightTop = Hex(0x141833);
inline const Rgba kNightBottom = Hex(0x2A2F5E);
inline const Rgba kHoney = Hex(0xF6B921);
inline const Rgba kHoneyLight = Hex(0xFFE38A);
inline const Rgba kHoneyDark = Hex(0xB9770E);
inline const Rgba kCream = Hex(0xFFF6DC);
inline const Rgba kBrown = Hex(0x5A3A12);
inline const Rgba kTeal = Hex(0x39C6B5);
inline const Rgba kRose = Hex(0xF0597A);
}  // namespace palette

// An ARGB32 image being drawn.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // Writes dir/name.png; exits the generator with a message on failure.
    void Save(const std::string& dir, const std::string& name);

private:
    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

void SetColor(cairo_t* cr, const Rgba& c);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);

// Text in a face found by fontconfig ("DejaVu Sans:bold"). The face is looked
// up once per family pattern and kept for the run of the generator.
struct TextStyle {
    std::string font = "DejaVu Sans:bold";
    double size = 20;
    Rgba fill = Hex(0xFFFFFF);
    Rgba outline = Hex(0x000000, 0);  // alpha 0: no outline
    double outlineWidth = 0;
};
// Draws UTF-8 text centred on (cx, cy).
void DrawTextCentred(cairo_t* cr, const std::string& utf8, double cx, double cy,
                     const TextStyle& style);
// Draws UTF-8 text with its baseline starting at (x, y).
void DrawText(cairo_t* cr, const std::string& utf8, double x, double y, const TextStyle& style);
// Width in pixels of the text in that style.
double TextWidth(cairo_t* cr, const std::string& utf8, const TextStyle& style);

}  // namespace artgen
