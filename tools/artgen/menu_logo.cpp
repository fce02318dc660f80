// The logo shown on black at start-up, and the window icon.
#include "artgen/artgen.h"
#include "artgen/menu_layout.h"
#include "artgen/menu_look.h"
#include "artgen/menu_screens.h"

namespace artgen {

using namespace menu_colors;
namespace layout = menu_layout::logo;

void DrawLogoScreen(const std::string& dir) {
    {
        Canvas canvas(layout::kW, layout::kH);
        cairo_t* cr = canvas.cr();
        double cx = layout::kW / 2.0;
        Emblem(cr, cx + 8, 150, 78);
        TitleText(cr, "Bubblehive", cx, 338, 92, 10);
        TextStyle tagline;
        tagline.font = "DejaVu Sans:bold";
        tagline.size = 19;
        tagline.fill = Hex(0xFFF6DC, 0.85);
        ShadowedTextCentred(cr, "a honeycomb bubble shooter", cx, 388, tagline);
        // Little honey cells either side of the tagline.
        double half = TextWidth(cr, "a honeycomb bubble shooter", tagline) / 2;
        HoneyCell(cr, cx - half - 20, 388, 8);
        HoneyCell(cr, cx + half + 20, 388, 8);
        canvas.Save(dir, "logo_main");
    }
    DrawAppIcon(dir, "icon", 64);
}

void DrawAppIcon(const std::string& dir, const std::string& name, int size) {
    // The emblem alone, filling the square; drawn on a 64-unit grid and
    // scaled, so every size is the same picture.
    Canvas canvas(size, size);
    cairo_scale(canvas.cr(), size / 64.0, size / 64.0);
    Emblem(canvas.cr(), 35.5, 29.5, 21.5, false);
    canvas.Save(dir, name);
}

}  // namespace artgen
