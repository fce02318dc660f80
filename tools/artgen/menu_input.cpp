// The name input screen: a panel over the start menu with a cream text
// field (the game draws the typed name in it) and OK / Cancel.
#include "artgen/button.h"
#include "artgen/menu_icons.h"
#include "artgen/menu_layout.h"
#include "artgen/menu_look.h"
#include "artgen/menu_screens.h"

namespace artgen {

using namespace menu_colors;
namespace layout = menu_layout::input;

void DrawInputScreen(const std::string& dir) {
    {
        Canvas canvas(menu_layout::kScreenW, menu_layout::kScreenH);
        cairo_t* cr = canvas.cr();
        Veil(cr, canvas.width(), canvas.height(), 0.5);
        Panel(cr, layout::kPanelX, layout::kPanelY, layout::kPanelW, layout::kPanelH,
              "Enter your name");
        TextStyle hint;
        hint.size = 16;
        hint.fill = Hex(0xFFF6DC, 0.85);
        ShadowedTextCentred(cr, "Who is playing in this slot?",
                            layout::kPanelX + layout::kPanelW / 2.0, layout::kPanelY + 66, hint);
        // The field: the text area itself is kBoxW × kFontSize at (kBoxX, kBoxY);
        // the cream around it leaves room for the caret and the selection.
        const double padX = 14, padY = 10;
        CreamField(cr, layout::kBoxX - padX, layout::kBoxY - padY, layout::kBoxW + 2 * padX,
                   layout::kFontSize + 2 * padY);
        Bee(cr, layout::kBoxX - padX - 36, layout::kBoxY + layout::kFontSize / 2.0, 13, -0.15,
            false);
        TextStyle small;
        small.font = "DejaVu Sans";
        small.size = 13;
        small.fill = Hex(0xFFE38A, 0.75);
        ShadowedTextCentred(cr, "up to 10 letters", layout::kPanelX + layout::kPanelW / 2.0,
                            layout::kBoxY + layout::kFontSize + padY + 18, small);
        canvas.Save(dir, "input_back");
    }
    {
        Canvas canvas(3 * layout::kButtonW, 2 * layout::kButtonH);
        ButtonStyle ok;
        ok.labelSize = 21;
        ok.icon = SymbolIcon(Symbol::Check, 18);
        DrawButtonStrip(canvas.cr(), 0, 0, layout::kButtonW, layout::kButtonH, "OK", ok);
        ButtonStyle cancel;
        cancel.tint = ButtonTint::Rose;
        cancel.labelSize = 21;
        cancel.icon = SymbolIcon(Symbol::Cross, 16);
        DrawButtonStrip(canvas.cr(), 0, layout::kButtonH, layout::kButtonW, layout::kButtonH,
                        "Cancel", cancel);
        canvas.Save(dir, "input_buttons");
    }
}

}  // namespace artgen
