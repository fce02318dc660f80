#include "artgen/paint.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace artgen {

Rgba Hex(unsigned rgb, double alpha) {
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0,
            alpha};
}

Rgba Mix(const Rgba& a, const Rgba& b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

Rgba Lighter(const Rgba& c, double amount) {
    Rgba white{1, 1, 1, c.a};
    return Mix(c, white, amount);
}

Rgba Darker(const Rgba& c, double amount) {
    Rgba black{0, 0, 0, c.a};
    return Mix(c, black, amount);
}

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cr_ = cairo_create(surface_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_BEST);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Canvas::Save(const std::string& dir, const std::string& name) {
    cairo_surface_flush(surface_);
    std::string path = dir + "/" + name + ".png";
    if (cairo_surface_write_to_png(surface_, path.c_str()) != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

void SetColor(cairo_t* cr, const Rgba& c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    radius = std::min(radius, std::min(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - radius, y + radius, radius, -M_PI / 2, 0);
    cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, M_PI / 2);
    cairo_arc(cr, x + radius, y + h - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cr, x + radius, y + radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

namespace {

// Faces by fontconfig pattern, made once for the generator's run.
cairo_font_face_t* FaceFor(const std::string& pattern) {
    static std::map<std::string, cairo_font_face_t*> faces;
    auto it = faces.find(pattern);
    if (it != faces.end()) return it->second;
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(pattern.c_str()));
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pat, &result);
    FcPatternDestroy(pat);
    if (!match) {
        std::fprintf(stderr, "artgen: no font for \"%s\"\n", pattern.c_str());
        std::exit(1);
    }
    cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(match);
    FcPatternDestroy(match);
    faces[pattern] = face;
    return face;
}

void ApplyStyle(cairo_t* cr, const TextStyle& style) {
    cairo_set_font_face(cr, FaceFor(style.font));
    cairo_set_font_size(cr, style.size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

}  // namespace

void DrawText(cairo_t* cr, const std::string& utf8, double x, double y, const TextStyle& style) {
    cairo_save(cr);
    ApplyStyle(cr, style);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, utf8.c_str());
    if (style.outline.a > 0 && style.outlineWidth > 0) {
        SetColor(cr, style.outline);
        cairo_set_line_width(cr, style.outlineWidth * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    SetColor(cr, style.fill);
    cairo_fill(cr);
    cairo_restore(cr);
}

double TextWidth(cairo_t* cr, const std::string& utf8, const TextStyle& style) {
    cairo_save(cr);
    ApplyStyle(cr, style);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, utf8.c_str(), &ext);
    cairo_restore(cr);
    return ext.x_advance;
}

void DrawTextCentred(cairo_t* cr, const std::string& utf8, double cx, double cy,
                     const TextStyle& style) {
    cairo_save(cr);
    ApplyStyle(cr, style);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, utf8.c_str(), &ext);
    cairo_font_extents_t fext;
    cairo_font_extents(cr, &fext);
    cairo_restore(cr);
    double x = cx - ext.x_advance / 2;
    double y = cy + (fext.ascent - fext.descent) / 2;
    DrawText(cr, utf8, x, y, style);
}

}  // namespace artgen
