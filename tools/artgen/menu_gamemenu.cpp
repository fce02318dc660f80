// The in-game menu: a panel with resume, save, settings and main-menu
// buttons, and the MENU button that stands on the game's side panel.
#include "artgen/button.h"
#include "artgen/menu_icons.h"
#include "artgen/menu_layout.h"
#include "artgen/menu_look.h"
#include "artgen/menu_screens.h"

namespace artgen {

using namespace menu_colors;
namespace layout = menu_layout::gamemenu;

void DrawGameMenuScreen(const std::string& dir) {
    {
        Canvas canvas(menu_layout::kScreenW, menu_layout::kScreenH);
        cairo_t* cr = canvas.cr();
        Veil(cr, canvas.width(), canvas.height(), 0.45);
        Panel(cr, layout::kPanelX, layout::kPanelY, layout::kPanelW, layout::kPanelH, "Paused");
        canvas.Save(dir, "gamemenu_back");
    }
    {
        struct Entry {
            const char* label;
            Symbol symbol;
            ButtonTint tint;
        };
        // Rows: resume, save, settings, main menu; then the HUD's MENU button.
        const Entry entries[] = {{"Resume", Symbol::Play, ButtonTint::Gold},
                                 {"Save game", Symbol::Disk, ButtonTint::Gold},
                                 {"Settings", Symbol::Gear, ButtonTint::Gold},
                                 {"Main menu", Symbol::Home, ButtonTint::Rose}};
        const int w = layout::kButtonW, h = layout::kButtonH;
        Canvas canvas(3 * w, 4 * h + layout::kHudH);
        for (int i = 0; i < 4; ++i) {
            ButtonStyle style;
            style.tint = entries[i].tint;
            style.labelSize = 21;
            style.icon = SymbolIcon(entries[i].symbol, 18);
            DrawButtonStrip(canvas.cr(), 0, i * h, w, h, entries[i].label, style);
        }
        ButtonStyle menu;
        menu.tint = ButtonTint::Teal;
        menu.labelSize = 20;
        menu.icon = SymbolIcon(Symbol::Bars, 17);
        DrawButtonStrip(canvas.cr(), 0, 4 * h, layout::kHudW, layout::kHudH, "Menu", menu);
        canvas.Save(dir, "gamemenu_buttons");
    }
}

}  // namespace artgen
