// Menu buttons: a rounded glossy plate with a bold label, drawn in the three
// looks a button animation steps through (normal, hover, pressed), left to
// right as the animation's frames.
#pragma once

#include "artgen/paint.h"

#include <cairo.h>

#include <functional>
#include <string>

namespace artgen {

enum class ButtonTint { Gold, Teal, Rose };

// The look of one frame.
enum class ButtonLook { Normal, Hover, Pressed };

// Draws a symbol on the plate, centred on (cx, cy), in the label's colour.
using ButtonIcon = std::function<void(cairo_t* cr, double cx, double cy, const Rgba& ink)>;

struct ButtonStyle {
    ButtonTint tint = ButtonTint::Gold;
    double labelSize = 20;
    ButtonIcon icon;  // drawn left of the label when set
};

// One frame of a w × h button with its top-left corner at (x, y). The plate
// leaves a few pixels of margin inside the frame for its shadow and glow.
void DrawButtonFrame(cairo_t* cr, double x, double y, double w, double h, const std::string& label,
                     const ButtonStyle& style, ButtonLook look);

// The three frames of a button side by side from (x, y): normal at x,
// hover at x + w, pressed at x + 2w.
void DrawButtonStrip(cairo_t* cr, double x, double y, double w, double h, const std::string& label,
                     const ButtonStyle& style);

}  // namespace artgen
