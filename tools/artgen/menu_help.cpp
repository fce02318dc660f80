// The help picture: the keys, the goal, and every prop shown on a bubble as
// it appears on the board with one line about what it does. Also the HELP
// button that stands on the game's side panel.
#include "artgen/button.h"
#include "artgen/menu_icons.h"
#include "artgen/menu_layout.h"
#include "artgen/menu_look.h"
#include "artgen/menu_screens.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace artgen {

using namespace menu_colors;
namespace layout = menu_layout::help;

namespace {

// The board's own pictures, drawn by the game screen's generator before this
// one runs: bubbles are 40 × 40 frames, one colour per row; prop badges are
// 28 × 28 frames side by side in the order of the prop kinds.
constexpr int kBubbleFrame = 40;
constexpr int kPropFrame = 28;

cairo_surface_t* LoadBoardTexture(const std::string& dir, const std::string& name) {
    std::string path = dir + "/" + name + ".png";
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "artgen: the help picture needs %s, drawn with the game art\n",
                     path.c_str());
        std::exit(1);
    }
    return s;
}

// Paints one frame of a texture with its centre at (cx, cy).
void PaintFrame(cairo_t* cr, cairo_surface_t* tex, int fx, int fy, int size, double cx, double cy) {
    cairo_save(cr);
    double x = std::round(cx - size / 2.0), y = std::round(cy - size / 2.0);
    cairo_rectangle(cr, x, y, size, size);
    cairo_clip(cr);
    cairo_set_source_surface(cr, tex, x - fx, y - fy);
    cairo_paint(cr);
    cairo_restore(cr);
}

// A keyboard key: a cream cap with a darker base and a label or arrow.
void KeyCap(cairo_t* cr, double x, double y, double w, const std::string& label, int arrow) {
    const double h = 38;
    RoundedRect(cr, x, y + 4, w, h, 8);
    SetColor(cr, Hex(0x9C8A66));
    cairo_fill(cr);
    RoundedRect(cr, x, y, w, h, 8);
    cairo_pattern_t* cap = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(cap, 0, 1, 0.99, 0.95);
    cairo_pattern_add_color_stop_rgb(cap, 1, 0.92, 0.87, 0.74);
    cairo_set_source(cr, cap);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(cap);
    SetColor(cr, Hex(0x6B5A3A));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    Rgba ink = kBrown;
    if (arrow != 0) {
        double cx = x + w / 2, cy = y + h / 2;
        cairo_move_to(cr, cx + arrow * 8, cy);
        cairo_line_to(cr, cx - arrow * 4, cy - 8);
        cairo_line_to(cr, cx - arrow * 4, cy + 8);
        cairo_close_path(cr);
        SetColor(cr, ink);
        cairo_fill(cr);
        return;
    }
    TextStyle text;
    text.size = 16;
    text.fill = ink;
    DrawTextCentred(cr, label, x + w / 2, y + h / 2, text);
}

void Caption(cairo_t* cr, const std::string& text, double cx, double y) {
    TextStyle style;
    style.size = 16;
    style.fill = kCream;
    ShadowedTextCentred(cr, text, cx, y, style);
}

void Divider(cairo_t* cr, double y) {
    double x0 = layout::kPanelX + 40, x1 = layout::kPanelX + layout::kPanelW - 40;
    cairo_pattern_t* line = cairo_pattern_create_linear(x0, 0, x1, 0);
    cairo_pattern_add_color_stop_rgba(line, 0, 1, 0.89, 0.54, 0);
    cairo_pattern_add_color_stop_rgba(line, 0.5, 1, 0.89, 0.54, 0.5);
    cairo_pattern_add_color_stop_rgba(line, 1, 1, 0.89, 0.54, 0);
    cairo_move_to(cr, x0, y + 0.5);
    cairo_line_to(cr, x1, y + 0.5);
    cairo_set_source(cr, line);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_pattern_destroy(line);
    HoneyCell(cr, (x0 + x1) / 2, y + 0.5, 6);
}

void SectionHead(cairo_t* cr, const std::string& text, double x, double baseline) {
    TextStyle head;
    head.size = 17;
    head.fill = kHoneyLight;
    TextStyle shadow = head;
    shadow.fill = Hex(0x000000, 0.45);
    DrawText(cr, text, x + 1, baseline + 2, shadow);
    DrawText(cr, text, x, baseline, head);
}

void Controls(cairo_t* cr, double top) {
    const double keyY = top;
    // Left and right arrows: aim.
    double cx = 190;
    KeyCap(cr, cx - 46, keyY, 42, "", -1);
    KeyCap(cr, cx + 4, keyY, 42, "", 1);
    Caption(cr, "Aim the launcher", cx, keyY + 62);
    // Space: shoot.
    cx = 400;
    KeyCap(cr, cx - 70, keyY, 140, "Space", 0);
    Caption(cr, "Shoot", cx, keyY + 62);
    // Esc: the menu.
    cx = 610;
    KeyCap(cr, cx - 30, keyY, 60, "Esc", 0);
    Caption(cr, "Pause and menu", cx, keyY + 62);
}

void Goal(cairo_t* cr, cairo_surface_t* bubbles, double top) {
    // Three bubbles of one colour, as on the board.
    double x = layout::kPanelX + 62;
    PaintFrame(cr, bubbles, 0, 4 * kBubbleFrame, kBubbleFrame, x, top + 45);
    PaintFrame(cr, bubbles, 0, 4 * kBubbleFrame, kBubbleFrame, x + 36, top + 45);
    PaintFrame(cr, bubbles, 0, 4 * kBubbleFrame, kBubbleFrame, x + 18, top + 14);
    TextStyle text;
    text.font = "DejaVu Sans";
    text.size = 16;
    text.fill = kCream;
    TextStyle bold = text;
    bold.font = "DejaVu Sans:bold";
    bold.fill = kHoneyLight;
    double tx = layout::kPanelX + 132;
    DrawText(cr, "Match 3 or more", tx, top + 14, bold);
    DrawText(cr, " bubbles of one colour to pop them; bubbles",
             tx + TextWidth(cr, "Match 3 or more", bold), top + 14, text);
    DrawText(cr, "left hanging fall off. Clear the hive to pass the level,", tx, top + 35, text);
    DrawText(cr, "and don't let it reach the bottom!", tx, top + 56, text);
}

void Props(cairo_t* cr, cairo_surface_t* bubbles, cairo_surface_t* icons, double top) {
    struct Prop {
        const char* name;
        const char* line;
        int bubbleRow;
    };
    // In the order of the prop kinds: fast, slow, aim, bomb, infection, star.
    const Prop props[] = {
        {"Fast", "Your shots fly faster for a while.", 0},
        {"Slow", "Your shots fly slower for a while.", 3},
        {"Aim line", "A guide line shows where your shot will go.", 4},
        {"Bomb", "Your next shot blasts the bubbles around it.", 1},
        {"Infection", "Your next shot turns its neighbours to its colour.", 5},
        {"Star", "Every bubble of the star's colour is swept away.", 6},
    };
    TextStyle name;
    name.size = 17;
    name.fill = kHoneyLight;
    TextStyle text;
    text.font = "DejaVu Sans";
    text.size = 16;
    text.fill = kCream;
    const double step = 36;
    for (int i = 0; i < 6; ++i) {
        double cy = top + i * step;
        // A faint stripe behind every other line keeps the rows apart.
        if (i % 2 == 0) {
            RoundedRect(cr, layout::kPanelX + 30, cy - 17, layout::kPanelW - 60, 34, 12);
            cairo_set_source_rgba(cr, 0.6, 0.65, 1, 0.07);
            cairo_fill(cr);
        }
        double ix = layout::kPanelX + 72;
        PaintFrame(cr, bubbles, 0, props[i].bubbleRow * kBubbleFrame, kBubbleFrame, ix, cy);
        PaintFrame(cr, icons, i * kPropFrame, 0, kPropFrame, ix, cy);
        DrawText(cr, props[i].name, layout::kPanelX + 112, cy + 6, name);
        DrawText(cr, props[i].line, layout::kPanelX + 222, cy + 6, text);
    }
}

}  // namespace

void DrawHelpScreen(const std::string& dir) {
    cairo_surface_t* bubbles = LoadBoardTexture(dir, "block_normal");
    cairo_surface_t* icons = LoadBoardTexture(dir, "props_icons");
    {
        Canvas canvas(menu_layout::kScreenW, menu_layout::kScreenH);
        cairo_t* cr = canvas.cr();
        Veil(cr, canvas.width(), canvas.height(), 0.55);
        Panel(cr, layout::kPanelX, layout::kPanelY, layout::kPanelW, layout::kPanelH,
              "How to play");
        double left = layout::kPanelX + 36;
        SectionHead(cr, "Controls", left, 84);
        Controls(cr, 94);
        Divider(cr, 178);
        SectionHead(cr, "Goal", left, 204);
        Goal(cr, bubbles, 216);
        Divider(cr, 290);
        SectionHead(cr, "Props", left, 318);
        TextStyle note;
        note.font = "DejaVu Sans";
        note.size = 15;
        note.fill = Hex(0xFFF6DC, 0.8);
        TextStyle head;
        head.size = 17;
        DrawText(cr, "Pop a bubble that carries one to use it:",
                 left + TextWidth(cr, "Props", head) + 14, 318, note);
        Props(cr, bubbles, icons, 346);
        TextStyle footer;
        footer.size = 14;
        footer.fill = Hex(0xFFE38A, 0.8);
        ShadowedTextCentred(cr, "Click anywhere to go back to the game",
                            layout::kPanelX + layout::kPanelW / 2.0,
                            layout::kPanelY + layout::kPanelH - 22, footer);
        canvas.Save(dir, "help_back");
    }
    cairo_surface_destroy(bubbles);
    cairo_surface_destroy(icons);
    {
        namespace hud = menu_layout::gamemenu;
        Canvas canvas(3 * hud::kHudW, hud::kHudH);
        ButtonStyle style;
        style.tint = ButtonTint::Teal;
        style.labelSize = 20;
        style.icon = SymbolIcon(Symbol::Question, 19);
        DrawButtonStrip(canvas.cr(), 0, 0, hud::kHudW, hud::kHudH, "Help", style);
        canvas.Save(dir, "help_button");
    }
}

}  // namespace artgen
