#include "artgen/button.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

struct TintColors {
    Rgba top, mid, bottom, rim, ink, emboss;
    bool darkInk;
};

TintColors ColorsOf(ButtonTint tint) {
    switch (tint) {
        case ButtonTint::Teal:
            return {Hex(0xA6F3E8), Hex(0x39C6B5),       Hex(0x1C8479), Hex(0x0E4E48),
                    Hex(0xFFFFFF), Hex(0x0B3D38, 0.75), false};
        case ButtonTint::Rose:
            return {Hex(0xFFB8C6), Hex(0xF0597A),       Hex(0xB02E4B), Hex(0x6A1529),
                    Hex(0xFFFFFF), Hex(0x5A0F20, 0.75), false};
        case ButtonTint::Gold:
        default:
            return {Hex(0xFFE9A0), Hex(0xF6B921),      Hex(0xD08E12), Hex(0x7E4E0A),
                    Hex(0x5A3A12), Hex(0xFFF4C8, 0.8), true};
    }
}

void AddStop(cairo_pattern_t* p, double offset, const Rgba& c) {
    cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, c.a);
}

}  // namespace

void DrawButtonFrame(cairo_t* cr, double x, double y, double w, double h, const std::string& label,
                     const ButtonStyle& style, ButtonLook look) {
    TintColors c = ColorsOf(style.tint);
    if (look == ButtonLook::Hover) {
        c.top = Lighter(c.top, 0.35);
        c.mid = Lighter(c.mid, 0.18);
        c.bottom = Lighter(c.bottom, 0.12);
    } else if (look == ButtonLook::Pressed) {
        c.top = Darker(c.top, 0.12);
        c.mid = Darker(c.mid, 0.14);
        c.bottom = Darker(c.bottom, 0.1);
    }
    const double margin = 4;
    const double sink = look == ButtonLook::Pressed ? 2 : 0;
    double px = x + margin, py = y + margin - 1 + sink;
    double pw = w - 2 * margin, ph = h - 2 * margin - 1;
    double radius = std::min(ph * 0.42, 16.0);

    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);

    // Glow around a hovered button.
    if (look == ButtonLook::Hover) {
        for (int i = 4; i >= 1; --i) {
            RoundedRect(cr, px - i, py - i, pw + 2 * i, ph + 2 * i, radius + i);
            cairo_set_source_rgba(cr, 1.0, 0.93, 0.6, 0.13);
            cairo_fill(cr);
        }
    }
    // Drop shadow, shorter when pressed.
    double shadow = look == ButtonLook::Pressed ? 1 : 3;
    RoundedRect(cr, px + 0.5, py + shadow, pw, ph, radius);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
    cairo_fill(cr);

    // Rim, then the body's gradient inside it.
    RoundedRect(cr, px, py, pw, ph, radius);
    SetColor(cr, c.rim);
    cairo_fill(cr);
    RoundedRect(cr, px + 2, py + 2, pw - 4, ph - 4, radius - 2);
    cairo_pattern_t* body = cairo_pattern_create_linear(0, py + 2, 0, py + ph - 2);
    AddStop(body, 0, c.top);
    AddStop(body, 0.5, c.mid);
    AddStop(body, 1, c.bottom);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);

    // Honeycomb hint on the lower half, very faint.
    cairo_save(cr);
    RoundedRect(cr, px + 2, py + ph * 0.5, pw - 4, ph * 0.5 - 2, radius - 2);
    cairo_clip(cr);
    double cell = 7;
    double dx = cell * std::sqrt(3.0), dy = cell * 1.5;
    int row = 0;
    for (double cy = py + ph * 0.5; cy < py + ph + cell; cy += dy, ++row) {
        for (double cx = px - dx + (row % 2 ? dx / 2 : 0); cx < px + pw + dx; cx += dx) {
            cairo_new_sub_path(cr);
            for (int i = 0; i < 6; ++i) {
                double a = M_PI / 3 * i - M_PI / 2;
                cairo_line_to(cr, cx + cell * std::cos(a), cy + cell * std::sin(a));
            }
            cairo_close_path(cr);
        }
    }
    cairo_set_source_rgba(cr, c.bottom.r * 0.6, c.bottom.g * 0.6, c.bottom.b * 0.6, 0.18);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_restore(cr);

    // Gloss over the upper half, and a bright line just inside the top edge.
    if (look != ButtonLook::Pressed) {
        RoundedRect(cr, px + 5, py + 3, pw - 10, ph * 0.44, radius * 0.7);
        cairo_pattern_t* gloss = cairo_pattern_create_linear(0, py + 3, 0, py + 3 + ph * 0.44);
        cairo_pattern_add_color_stop_rgba(gloss, 0, 1, 1, 1, 0.6);
        cairo_pattern_add_color_stop_rgba(gloss, 1, 1, 1, 1, 0.08);
        cairo_set_source(cr, gloss);
        cairo_fill(cr);
        cairo_pattern_destroy(gloss);
    } else {
        // An inner shadow at the top edge: the plate is pushed in.
        cairo_save(cr);
        RoundedRect(cr, px + 2, py + 2, pw - 4, ph - 4, radius - 2);
        cairo_clip(cr);
        RoundedRect(cr, px, py + 3, pw, ph + 4, radius);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
        cairo_restore(cr);
    }

    // Label (and icon), centred; pushed down with the plate when pressed.
    TextStyle text;
    text.font = "DejaVu Sans:bold";
    text.size = style.labelSize;
    text.fill = c.ink;
    if (!c.darkInk) {
        text.outline = Darker(c.rim, 0.2);
        text.outlineWidth = std::max(1.0, style.labelSize * 0.07);
    }
    double iconW = style.icon ? style.labelSize * 1.2 : 0;
    double labelW = label.empty() ? 0 : TextWidth(cr, label, text);
    double gap = style.icon && !label.empty() ? style.labelSize * 0.35 : 0;
    double total = iconW + gap + labelW;
    double left = px + pw / 2 - total / 2;
    double cy = py + ph / 2;
    if (style.icon) {
        if (c.darkInk) {
            style.icon(cr, left + iconW / 2, cy + 1.2, c.emboss);
        }
        style.icon(cr, left + iconW / 2, cy, c.ink);
    }
    if (!label.empty()) {
        double lx = left + iconW + gap + labelW / 2;
        if (c.darkInk) {
            TextStyle emboss = text;
            emboss.fill = c.emboss;
            DrawTextCentred(cr, label, lx, cy + 1.2, emboss);
        } else {
            TextStyle shade = text;
            shade.fill = c.emboss;
            shade.outline = c.emboss;
            DrawTextCentred(cr, label, lx, cy + 1.5, shade);
        }
        DrawTextCentred(cr, label, lx, cy, text);
    }
    cairo_restore(cr);
}

void DrawButtonStrip(cairo_t* cr, double x, double y, double w, double h, const std::string& label,
                     const ButtonStyle& style) {
    DrawButtonFrame(cr, x, y, w, h, label, style, ButtonLook::Normal);
    DrawButtonFrame(cr, x + w, y, w, h, label, style, ButtonLook::Hover);
    DrawButtonFrame(cr, x + 2 * w, y, w, h, label, style, ButtonLook::Pressed);
}

}  // namespace artgen
