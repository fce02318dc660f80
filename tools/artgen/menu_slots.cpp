// The save-slot screen: five slot rows, each with a dark well where the game
// writes the slot's player name, a New and a Continue button; Cancel below.
#include "artgen/button.h"
#include "artgen/menu_icons.h"
#include "artgen/menu_layout.h"
#include "artgen/menu_look.h"
#include "artgen/menu_screens.h"

namespace artgen {

using namespace menu_colors;
namespace layout = menu_layout::slots;

namespace {

void SlotRow(cairo_t* cr, int index) {
    double y = layout::kFirstRowY + index * layout::kRowStep;
    double x = layout::kRowX, w = layout::kRowW, h = layout::kRowH;
    RoundedRect(cr, x, y, w, h, 14);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgba(fill, 0, 0.35, 0.38, 0.7, 0.35);
    cairo_pattern_add_color_stop_rgba(fill, 1, 0.2, 0.22, 0.5, 0.35);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    SetColor(cr, Hex(0xFFE38A, 0.3));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // The slot's number on a honey cell.
    double cx = x + 29, cy = y + h / 2.0;
    HoneyCell(cr, cx, cy, 20);
    TextStyle number;
    number.size = 19;
    number.fill = kBrown;
    DrawTextCentred(cr, std::to_string(index + 1), cx, cy, number);
    Well(cr, layout::kNameWellX, y + 9, layout::kNameWellW, h - 18, 8);
}

}  // namespace

void DrawSlotsScreen(const std::string& dir) {
    {
        Canvas canvas(menu_layout::kScreenW, menu_layout::kScreenH);
        cairo_t* cr = canvas.cr();
        Veil(cr, canvas.width(), canvas.height(), 0.5);
        Panel(cr, layout::kPanelX, layout::kPanelY, layout::kPanelW, layout::kPanelH,
              "Choose a slot");
        TextStyle hint;
        hint.size = 15;
        hint.fill = Hex(0xFFF6DC, 0.85);
        ShadowedTextCentred(cr, "Start a new game, or continue a saved one",
                            layout::kPanelX + layout::kPanelW / 2.0, layout::kPanelY + 50, hint);
        for (int i = 0; i < 5; ++i) {
            SlotRow(cr, i);
        }
        canvas.Save(dir, "read_back");
    }
    {
        const int w = layout::kSmallButtonW, h = layout::kSmallButtonH;
        Canvas canvas(3 * layout::kCancelW, 2 * h + layout::kCancelH);
        ButtonStyle fresh;
        fresh.labelSize = 17;
        fresh.icon = SymbolIcon(Symbol::Plus, 13);
        DrawButtonStrip(canvas.cr(), 0, 0, w, h, "New", fresh);
        ButtonStyle resume;
        resume.tint = ButtonTint::Teal;
        resume.labelSize = 16;
        resume.icon = SymbolIcon(Symbol::Play, 11);
        DrawButtonStrip(canvas.cr(), 0, h, w, h, "Continue", resume);
        ButtonStyle cancel;
        cancel.tint = ButtonTint::Rose;
        cancel.labelSize = 21;
        cancel.icon = SymbolIcon(Symbol::Cross, 16);
        DrawButtonStrip(canvas.cr(), 0, 2 * h, layout::kCancelW, layout::kCancelH, "Cancel",
                        cancel);
        canvas.Save(dir, "read_buttons");
    }
}

}  // namespace artgen
