#include "text/gfx_font.h"

#include "engine/codepage.h"
#include "engine/glyph_rasterizer.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

// One record for every code unit but U+FFFF.
constexpr size_t kGlyphCount = 0xFFFF;
// The formatted text of PrintFormatted, terminator included.
constexpr size_t kFormatBuffer = 10240;

constexpr DWORD kGlyphSet = 0xFFFFFFFF;
constexpr DWORD kGlyphClear = 0x00000000;

bool IsLineBreak(char16_t c) {
    return c == u'\n' || c == u'\r';
}

}  // namespace

GfxFont::GfxFont(int size) : glyphs_(kGlyphCount) {
    try {
        rasterizer_ = std::make_unique<GlyphRasterizer>(FindChineseFace(), size);
    } catch (const std::runtime_error& error) {
        throw std::runtime_error("cannot make a font " + std::to_string(size) +
                                 " pixels high: " + error.what());
    }
    hge_ = hgeCreate(HGE_VERSION);
    ascent_ = rasterizer_->Ascent();
    size_ = static_cast<float>(size);
    sprite_ = std::make_unique<hgeSprite>(0, 0.0f, 0.0f, 0.0f, 0.0f);
    sprite_->SetColor(0xFFFFFFFF);
}

GfxFont::~GfxFont() {
    for (const GlyphRecord& glyph : glyphs_) {
        if (glyph.texture != 0) {
            hge_->Texture_Free(glyph.texture);
        }
    }
    sprite_.reset();
    hge_->Release();
}

void GfxFont::BuildGlyph(char16_t c) {
    if (c >= kGlyphCount || glyphs_[c].texture != 0) {
        return;
    }
    const GlyphBitmap bitmap = rasterizer_->Rasterize(c);
    const HTEXTURE texture = hge_->Texture_Create(bitmap.blackBoxX, bitmap.blackBoxY);
    if (texture == 0) {
        return;  // left unbuilt: the next use tries again
    }
    ++rasterised_;
    if (DWORD* pixels = hge_->Texture_Lock(texture, false, 0, 0, 0, 0)) {
        const int rowStep = hge_->Texture_GetWidth(texture, false);
        for (int y = 0; y < bitmap.blackBoxY; ++y) {
            for (int x = 0; x < bitmap.blackBoxX; ++x) {
                pixels[y * rowStep + x] = bitmap.Bit(x, y) ? kGlyphSet : kGlyphClear;
            }
        }
        hge_->Texture_Unlock(texture);
    }
    GlyphRecord& glyph = glyphs_[c];
    glyph.texture = texture;
    glyph.width = static_cast<float>(bitmap.blackBoxX);
    glyph.height = static_cast<float>(bitmap.blackBoxY);
    glyph.left = static_cast<float>(-bitmap.originX);
    glyph.top = static_cast<float>(bitmap.originY - ascent_);
    glyph.cellIncrement = static_cast<float>(bitmap.cellIncX);
}

GlyphRecord GfxFont::Glyph(char16_t c) const {
    return c < kGlyphCount ? glyphs_[c] : GlyphRecord{};
}

float GfxFont::CharAdvance(char16_t c) {
    BuildGlyph(c);
    if (c >= 0x2000) {
        return size_;
    }
    // Half the size, rounded to the nearest whole pixel with ties to even.
    return std::nearbyint(size_ * 0.5f);
}

void GfxFont::PrintFormatted(float x, float y, const char* format, ...) {
    char buffer[kFormatBuffer] = {};
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    const std::u16string text = Cp936ToUtf16(buffer);
    RenderText(x, y, text.c_str());
}

void GfxFont::RenderText(float x, float y, const char16_t* text) {
    float penX = x;
    float penY = y;
    for (const char16_t* p = text; *p != 0; ++p) {
        const char16_t c = *p;
        if (IsLineBreak(c)) {
            penX = x;
            penY += lineSpacing_ + size_;
            continue;
        }
        BuildGlyph(c);
        if (c < kGlyphCount && glyphs_[c].texture != 0) {
            const GlyphRecord& glyph = glyphs_[c];
            sprite_->SetTexture(glyph.texture);
            sprite_->SetTextureRect(0, 0, glyph.width, glyph.height, true);
            // The glyph's origin lands on the baseline, ascent pixels below penY.
            sprite_->Render(penX - glyph.left, penY - glyph.top);
        }
        penX += CharAdvance(c) + charSpacing_;
    }
}

void GfxFont::SetColor(DWORD color, int corner) {
    sprite_->SetColor(color, corner);
}

DWORD GfxFont::GetColor(int corner) const {
    return sprite_->GetColor(corner);
}

TextExtent GfxFont::MeasureText(const char16_t* text) {
    TextExtent extent;
    extent.height = static_cast<int>(size_);
    float lineWidth = 0.0f;
    for (const char16_t* p = text; *p != 0; ++p) {
        if (IsLineBreak(*p)) {
            extent.height += static_cast<int>(lineSpacing_ + size_);
            if (static_cast<int>(lineWidth) > extent.width) {
                extent.width = static_cast<int>(lineWidth);
            }
            lineWidth = 0.0f;
        } else {
            lineWidth += CharAdvance(*p) + charSpacing_;
        }
    }
    if (static_cast<int>(lineWidth) > extent.width) {
        extent.width = static_cast<int>(lineWidth);
    }
    return extent;
}

char16_t GfxFont::CharAtPoint(const char16_t* text, float x, float y) {
    float penX = 0.0f;
    float penY = 0.0f;
    for (const char16_t* p = text; *p != 0; ++p) {
        char16_t c = *p;
        if (IsLineBreak(c)) {
            // The unit after a break is taken as a character, even another break.
            c = *++p;
            if (c == 0) {
                return 0;
            }
            penY += lineSpacing_ + size_;
            penX = 0.0f;
        }
        const float advance = CharAdvance(c);
        if (penX < x && x <= penX + advance && penY < y && y <= penY + size_) {
            return c;
        }
        penX += advance + charSpacing_;
    }
    return 0;
}

void GfxFont::SetCharSpacing(float spacing) {
    charSpacing_ = spacing;
}

void GfxFont::SetLineSpacing(float spacing) {
    lineSpacing_ = spacing;
}

float GfxFont::GetCharSpacing() const {
    return charSpacing_;
}

float GfxFont::GetLineSpacing() const {
    return lineSpacing_;
}

float GfxFont::GetSize() const {
    return size_;
}
