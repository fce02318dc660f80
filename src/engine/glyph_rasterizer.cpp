// Monochrome glyphs with FreeType, the face chosen with fontconfig.
#include "engine/glyph_rasterizer.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

// The family names the game asks for first: the Song face of Chinese
// Windows under its Chinese and its English name.
constexpr const char* kPreferredFamilies[] = {"宋体", "SimSun"};
constexpr const char* kLanguage = "zh-cn";

std::string PatternString(FcPattern* pattern, const char* object, int n = 0) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, n, &value) != FcResultMatch || value == nullptr) {
        return {};
    }
    return reinterpret_cast<const char*>(value);
}

FontFace FaceOf(FcPattern* font) {
    FontFace face;
    face.file = PatternString(font, FC_FILE);
    face.family = PatternString(font, FC_FAMILY);
    FcPatternGetInteger(font, FC_INDEX, 0, &face.index);
    return face;
}

bool HasFamily(FcPattern* font, const char* family) {
    for (int n = 0;; ++n) {
        const std::string name = PatternString(font, FC_FAMILY, n);
        if (name.empty()) {
            return false;
        }
        if (FcStrCmpIgnoreCase(reinterpret_cast<const FcChar8*>(name.c_str()),
                               reinterpret_cast<const FcChar8*>(family)) == 0) {
            return true;
        }
    }
}

bool CoversLanguage(FcPattern* font, const char* language) {
    FcLangSet* languages = nullptr;
    return FcPatternGetLangSet(font, FC_LANG, 0, &languages) == FcResultMatch &&
           FcLangSetHasLang(languages, reinterpret_cast<const FcChar8*>(language)) == FcLangEqual;
}

// A pattern asking for scalable faces of the language, and of the family
// when one is given, with fontconfig's usual substitutions applied.
FcPattern* ChineseQuery(const char* family) {
    FcPattern* pattern = FcPatternCreate();
    if (family != nullptr) {
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    }
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>(kLanguage));
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    return pattern;
}

std::string FreeTypeError(FT_Error error) {
    const char* text = FT_Error_String(error);
    return text != nullptr ? text : "FreeType error " + std::to_string(error);
}

}  // namespace

FontFace FindChineseFace() {
    if (!FcInit()) {
        throw std::runtime_error("cannot start fontconfig to look for a Chinese font");
    }
    // fontconfig always answers a match, with some face; only a face that
    // really carries the family name counts.
    for (const char* family : kPreferredFamilies) {
        FcPattern* pattern = ChineseQuery(family);
        FcResult result = FcResultNoMatch;
        FcPattern* font = FcFontMatch(nullptr, pattern, &result);
        FcPatternDestroy(pattern);
        if (font != nullptr) {
            const bool found = HasFamily(font, family);
            FontFace face = FaceOf(font);
            FcPatternDestroy(font);
            if (found && !face.file.empty()) {
                return face;
            }
        }
    }
    // The best-ranked face that covers the language.
    FcPattern* pattern = ChineseQuery(nullptr);
    FcResult result = FcResultNoMatch;
    FcFontSet* fonts = FcFontSort(nullptr, pattern, FcFalse, nullptr, &result);
    FcPatternDestroy(pattern);
    FontFace chosen;
    if (fonts != nullptr) {
        for (int i = 0; i < fonts->nfont && chosen.file.empty(); ++i) {
            if (CoversLanguage(fonts->fonts[i], kLanguage)) {
                chosen = FaceOf(fonts->fonts[i]);
            }
        }
        FcFontSetDestroy(fonts);
    }
    if (chosen.file.empty()) {
        throw std::runtime_error(
            "no font for Chinese text is installed (looked for 宋体, SimSun and any face for "
            "zh-cn); install fonts-arphic-uming");
    }
    return chosen;
}

struct GlyphRasterizer::Impl {
    FontFace face;
    FT_Library library = nullptr;
    FT_Face ftFace = nullptr;
    int ascent = 0;

    Impl() = default;
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;
    ~Impl() {
        if (ftFace != nullptr) {
            FT_Done_Face(ftFace);
        }
        if (library != nullptr) {
            FT_Done_FreeType(library);
        }
    }
};

GlyphRasterizer::GlyphRasterizer(const FontFace& face, int pixelSize)
    : impl_(std::make_unique<Impl>()) {
    impl_->face = face;
    const std::string name = "font " + face.file + " (face " + std::to_string(face.index) + ")";
    if (pixelSize <= 0) {
        throw std::runtime_error(name + ": a character height of " + std::to_string(pixelSize) +
                                 " pixels is not a size");
    }
    FT_Error error = FT_Init_FreeType(&impl_->library);
    if (error != 0) {
        throw std::runtime_error("cannot start FreeType: " + FreeTypeError(error));
    }
    error = FT_New_Face(impl_->library, face.file.c_str(), face.index, &impl_->ftFace);
    if (error == 0) {
        error = FT_Set_Pixel_Sizes(impl_->ftFace, 0, static_cast<FT_UInt>(pixelSize));
    }
    if (error != 0) {
        throw std::runtime_error("cannot open the " + name + " at " + std::to_string(pixelSize) +
                                 " pixels: " + FreeTypeError(error));
    }
    // The ascent of a system font is the face's Windows ascent scaled to the
    // size; faces without one give FreeType's scaled ascender.
    FT_Face ft = impl_->ftFace;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
    if (os2 != nullptr && os2->version != 0xFFFF && ft->units_per_EM != 0) {
        impl_->ascent = static_cast<int>(
            std::lround(static_cast<double>(os2->usWinAscent) * pixelSize / ft->units_per_EM));
    } else {
        impl_->ascent = static_cast<int>((ft->size->metrics.ascender + 32) >> 6);
    }
}

GlyphRasterizer::~GlyphRasterizer() = default;

int GlyphRasterizer::Ascent() const {
    return impl_->ascent;
}

const FontFace& GlyphRasterizer::Face() const {
    return impl_->face;
}

GlyphBitmap GlyphRasterizer::Rasterize(char16_t unit) const {
    GlyphBitmap glyph;
    FT_Face ft = impl_->ftFace;
    const FT_UInt index = FT_Get_Char_Index(ft, unit);
    const bool loaded = FT_Load_Glyph(ft, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0;
    const FT_GlyphSlot slot = ft->glyph;
    if (loaded && slot->format != FT_GLYPH_FORMAT_BITMAP) {
        FT_Render_Glyph(slot, FT_RENDER_MODE_MONO);
    }
    const FT_Bitmap& bitmap = slot->bitmap;
    const int width = loaded ? static_cast<int>(bitmap.width) : 0;
    const int rows = loaded ? static_cast<int>(bitmap.rows) : 0;
    auto set = [&](int x, int y) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
            return ((row[x / 8] >> (7 - x % 8)) & 1) != 0;
        }
        if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
            return row[x] >= 128;  // an embedded grey strike: half coverage or more
        }
        return false;
    };

    // Trim the rendered cell to the black box.
    int left = width, right = -1, top = rows, bottom = -1;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < width; ++x) {
            if (set(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    glyph.cellIncX = loaded ? static_cast<int>((slot->advance.x + 32) >> 6) : 0;
    if (right < 0) {
        glyph.blackBoxX = 1;
        glyph.blackBoxY = 1;
        glyph.originX = loaded ? slot->bitmap_left : 0;
        glyph.originY = loaded ? slot->bitmap_top : 0;
        glyph.bits.assign(static_cast<size_t>(glyph.RowBytes()), 0);
        return glyph;
    }
    glyph.blackBoxX = right - left + 1;
    glyph.blackBoxY = bottom - top + 1;
    glyph.originX = slot->bitmap_left + left;
    glyph.originY = slot->bitmap_top - top;
    const int rowBytes = glyph.RowBytes();
    glyph.bits.assign(static_cast<size_t>(rowBytes * glyph.blackBoxY), 0);
    for (int y = 0; y < glyph.blackBoxY; ++y) {
        for (int x = 0; x < glyph.blackBoxX; ++x) {
            if (set(left + x, top + y)) {
                glyph.bits[static_cast<size_t>(y * rowBytes + x / 8)] |=
                    static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
    }
    return glyph;
}
