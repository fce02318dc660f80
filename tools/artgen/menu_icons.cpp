#include "artgen/menu_icons.h"

#include <cmath>

namespace artgen {

namespace {

void Stroke(cairo_t* cr, double width) {
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

}  // namespace

void DrawSymbol(cairo_t* cr, Symbol symbol, double cx, double cy, double size, const Rgba& ink) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    double s = size / 2;  // half the square
    double line = std::max(1.5, size * 0.14);
    SetColor(cr, ink);
    switch (symbol) {
        case Symbol::Play:
            cairo_move_to(cr, -s * 0.6, -s * 0.85);
            cairo_line_to(cr, s * 0.9, 0);
            cairo_line_to(cr, -s * 0.6, s * 0.85);
            cairo_close_path(cr);
            cairo_fill_preserve(cr);
            Stroke(cr, line * 0.6);
            break;
        case Symbol::Crown:
            cairo_move_to(cr, -s * 0.95, -s * 0.45);
            cairo_line_to(cr, -s * 0.5, s * 0.05);
            cairo_line_to(cr, 0, -s * 0.8);
            cairo_line_to(cr, s * 0.5, s * 0.05);
            cairo_line_to(cr, s * 0.95, -s * 0.45);
            cairo_line_to(cr, s * 0.78, s * 0.55);
            cairo_line_to(cr, -s * 0.78, s * 0.55);
            cairo_close_path(cr);
            cairo_fill_preserve(cr);
            Stroke(cr, line * 0.5);
            cairo_rectangle(cr, -s * 0.78, s * 0.68, s * 1.56, s * 0.24);
            cairo_fill(cr);
            break;
        case Symbol::Gear: {
            const int teeth = 8;
            cairo_new_path(cr);
            for (int i = 0; i < teeth * 2; ++i) {
                double a0 = M_PI * i / teeth - M_PI / (teeth * 2) * 0.7;
                double a1 = M_PI * i / teeth + M_PI / (teeth * 2) * 0.7;
                double r = (i % 2 == 0) ? s * 0.98 : s * 0.72;
                cairo_arc(cr, 0, 0, r, a0, a1);
            }
            cairo_close_path(cr);
            cairo_new_sub_path(cr);
            cairo_arc_negative(cr, 0, 0, s * 0.32, 2 * M_PI, 0);
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
            cairo_fill(cr);
            break;
        }
        case Symbol::Globe:
            cairo_arc(cr, 0, 0, s * 0.88, 0, 2 * M_PI);
            Stroke(cr, line * 0.8);
            cairo_save(cr);
            cairo_scale(cr, 0.42, 1);
            cairo_arc(cr, 0, 0, s * 0.88, 0, 2 * M_PI);
            cairo_restore(cr);
            Stroke(cr, line * 0.7);
            cairo_move_to(cr, -s * 0.88, 0);
            cairo_line_to(cr, s * 0.88, 0);
            cairo_move_to(cr, -s * 0.72, -s * 0.45);
            cairo_line_to(cr, s * 0.72, -s * 0.45);
            cairo_move_to(cr, -s * 0.72, s * 0.45);
            cairo_line_to(cr, s * 0.72, s * 0.45);
            Stroke(cr, line * 0.6);
            break;
        case Symbol::Power:
            cairo_arc(cr, 0, s * 0.08, s * 0.78, -M_PI / 2 + 0.65, 3 * M_PI / 2 - 0.65);
            Stroke(cr, line);
            cairo_move_to(cr, 0, -s * 0.95);
            cairo_line_to(cr, 0, -s * 0.05);
            Stroke(cr, line);
            break;
        case Symbol::Check:
            cairo_move_to(cr, -s * 0.8, 0);
            cairo_line_to(cr, -s * 0.25, s * 0.6);
            cairo_line_to(cr, s * 0.85, -s * 0.7);
            Stroke(cr, line * 1.3);
            break;
        case Symbol::Cross:
            cairo_move_to(cr, -s * 0.65, -s * 0.65);
            cairo_line_to(cr, s * 0.65, s * 0.65);
            cairo_move_to(cr, s * 0.65, -s * 0.65);
            cairo_line_to(cr, -s * 0.65, s * 0.65);
            Stroke(cr, line * 1.3);
            break;
        case Symbol::Plus:
            cairo_move_to(cr, 0, -s * 0.8);
            cairo_line_to(cr, 0, s * 0.8);
            cairo_move_to(cr, -s * 0.8, 0);
            cairo_line_to(cr, s * 0.8, 0);
            Stroke(cr, line * 1.3);
            break;
        case Symbol::Bars:
            for (int i = -1; i <= 1; ++i) {
                cairo_move_to(cr, -s * 0.75, i * s * 0.55);
                cairo_line_to(cr, s * 0.75, i * s * 0.55);
            }
            Stroke(cr, line * 1.2);
            break;
        case Symbol::Question: {
            cairo_arc(cr, 0, 0, s * 0.88, 0, 2 * M_PI);
            Stroke(cr, line * 0.8);
            TextStyle q;
            q.size = size * 0.78;
            q.fill = ink;
            DrawTextCentred(cr, "?", 0, s * 0.02, q);
            break;
        }
        case Symbol::Disk:
            // An arrow going down into a tray: keep it.
            cairo_move_to(cr, 0, -s * 0.95);
            cairo_line_to(cr, 0, s * 0.2);
            Stroke(cr, line * 1.1);
            cairo_move_to(cr, -s * 0.5, -s * 0.25);
            cairo_line_to(cr, 0, s * 0.3);
            cairo_line_to(cr, s * 0.5, -s * 0.25);
            Stroke(cr, line * 1.1);
            cairo_move_to(cr, -s * 0.9, s * 0.2);
            cairo_line_to(cr, -s * 0.9, s * 0.85);
            cairo_line_to(cr, s * 0.9, s * 0.85);
            cairo_line_to(cr, s * 0.9, s * 0.2);
            Stroke(cr, line);
            break;
        case Symbol::Home:
            cairo_move_to(cr, -s * 0.95, -s * 0.05);
            cairo_line_to(cr, 0, -s * 0.9);
            cairo_line_to(cr, s * 0.95, -s * 0.05);
            Stroke(cr, line);
            cairo_move_to(cr, -s * 0.65, -s * 0.2);
            cairo_line_to(cr, -s * 0.65, s * 0.85);
            cairo_line_to(cr, -s * 0.15, s * 0.85);
            cairo_line_to(cr, -s * 0.15, s * 0.3);
            cairo_line_to(cr, s * 0.15, s * 0.3);
            cairo_line_to(cr, s * 0.15, s * 0.85);
            cairo_line_to(cr, s * 0.65, s * 0.85);
            cairo_line_to(cr, s * 0.65, -s * 0.2);
            cairo_line_to(cr, 0, -s * 0.72);
            cairo_close_path(cr);
            cairo_fill(cr);
            break;
        case Symbol::Next:
            for (int i = 0; i < 2; ++i) {
                double x = -s * 0.55 + i * s * 0.75;
                cairo_move_to(cr, x - s * 0.2, -s * 0.7);
                cairo_line_to(cr, x + s * 0.45, 0);
                cairo_line_to(cr, x - s * 0.2, s * 0.7);
            }
            Stroke(cr, line * 1.2);
            break;
        case Symbol::Retry:
            cairo_arc(cr, 0, 0, s * 0.7, -M_PI * 0.35, M_PI * 1.45);
            Stroke(cr, line * 1.1);
            cairo_move_to(cr, s * 0.22, -s * 0.95);
            cairo_line_to(cr, s * 0.82, -s * 0.72);
            cairo_line_to(cr, s * 0.28, -s * 0.28);
            cairo_close_path(cr);
            cairo_fill_preserve(cr);
            Stroke(cr, line * 0.5);
            break;
        case Symbol::Note:
            cairo_save(cr);
            cairo_translate(cr, -s * 0.38, s * 0.55);
            cairo_rotate(cr, -0.35);
            cairo_scale(cr, s * 0.36, s * 0.26);
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
            cairo_fill(cr);
            cairo_save(cr);
            cairo_translate(cr, s * 0.52, s * 0.35);
            cairo_rotate(cr, -0.35);
            cairo_scale(cr, s * 0.36, s * 0.26);
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
            cairo_fill(cr);
            cairo_move_to(cr, -s * 0.08, s * 0.5);
            cairo_line_to(cr, -s * 0.08, -s * 0.7);
            cairo_line_to(cr, s * 0.82, -s * 0.9);
            cairo_line_to(cr, s * 0.82, s * 0.3);
            Stroke(cr, line * 0.8);
            cairo_move_to(cr, -s * 0.08, -s * 0.4);
            cairo_line_to(cr, s * 0.82, -s * 0.6);
            Stroke(cr, line * 0.9);
            break;
        case Symbol::Speaker:
            cairo_move_to(cr, -s * 0.9, -s * 0.3);
            cairo_line_to(cr, -s * 0.45, -s * 0.3);
            cairo_line_to(cr, s * 0.05, -s * 0.8);
            cairo_line_to(cr, s * 0.05, s * 0.8);
            cairo_line_to(cr, -s * 0.45, s * 0.3);
            cairo_line_to(cr, -s * 0.9, s * 0.3);
            cairo_close_path(cr);
            cairo_fill(cr);
            cairo_arc(cr, s * 0.05, 0, s * 0.42, -M_PI / 4, M_PI / 4);
            Stroke(cr, line * 0.7);
            cairo_arc(cr, s * 0.05, 0, s * 0.8, -M_PI / 4, M_PI / 4);
            Stroke(cr, line * 0.7);
            break;
    }
    cairo_restore(cr);
}

ButtonIcon SymbolIcon(Symbol symbol, double size) {
    return [symbol, size](cairo_t* cr, double cx, double cy, const Rgba& ink) {
        DrawSymbol(cr, symbol, cx, cy, size, ink);
    };
}

}  // namespace artgen
