// GfxFont: draws UTF-16 text of any script with one-bit glyphs of the
// installed Chinese face. Each code unit is rasterised once, the first time
// it is drawn or measured, into a white texture of its own; one shared sprite
// draws every glyph, and its colour tints the text. Layout needs no glyph
// metrics: every code unit below U+2000 advances half the size, every one
// from U+2000 up the full size.
#pragma once

#include "engine/hge.h"
#include "engine/sprite.h"

#include <memory>
#include <vector>

class GlyphRasterizer;

// One code unit's glyph; all zero until it is built.
struct GlyphRecord {
    HTEXTURE texture = 0;  // non-zero marks the record as built
    float width = 0;       // black box in pixels
    float height = 0;
    float left = 0;           // minus the black box's offset right of the pen
    float top = 0;            // the black box's top above the baseline, minus the ascent
    float cellIncrement = 0;  // the face's own advance; recorded, not used for layout
};

struct TextExtent {
    int width = 0;
    int height = 0;
};

class GfxFont {
public:
    // A font whose characters are size pixels high. Throws std::runtime_error
    // with the reason when no face can be opened at that size.
    explicit GfxFont(int size);
    virtual ~GfxFont();
    GfxFont(const GfxFont&) = delete;
    GfxFont& operator=(const GfxFont&) = delete;

    // Formats printf-style text in code page 936 and draws it with
    // RenderText (through the virtual call, so a derived font's drawing
    // applies). The formatted text is cut at 10,239 bytes.
    virtual void PrintFormatted(float x, float y, const char* format, ...)
        __attribute__((format(printf, 4, 5)));
    // Draws zero-terminated text with its top-left corner at (x, y); a line
    // feed or carriage return starts a new line.
    virtual void RenderText(float x, float y, const char16_t* text);
    // corner -1 sets all four corners.
    virtual void SetColor(DWORD color, int corner = -1);
    virtual DWORD GetColor(int corner = 0) const;
    virtual TextExtent MeasureText(const char16_t* text);
    // The code unit under the point (relative to where the text is drawn),
    // or 0 when there is none.
    virtual char16_t CharAtPoint(const char16_t* text, float x, float y);
    virtual void SetCharSpacing(float spacing);
    virtual void SetLineSpacing(float spacing);
    virtual float GetCharSpacing() const;
    virtual float GetLineSpacing() const;
    virtual float GetSize() const;

    // The horizontal advance of one code unit; builds its glyph first.
    float CharAdvance(char16_t c);
    // Rasterises the code unit's glyph unless it is built already. U+FFFF
    // has no record and is never built.
    void BuildGlyph(char16_t c);

    // A copy of the code unit's record; all zero for U+FFFF, which has none.
    GlyphRecord Glyph(char16_t c) const;
    int Ascent() const { return ascent_; }
    // How many glyphs have been rasterised so far.
    int GlyphsRasterised() const { return rasterised_; }

private:
    std::vector<GlyphRecord> glyphs_;  // indexed by the code unit, 0x0000 to 0xFFFE
    int ascent_ = 0;
    float size_ = 0;
    float charSpacing_ = 0;
    float lineSpacing_ = 0;
    int rasterised_ = 0;
    HGE* hge_ = nullptr;
    std::unique_ptr<hgeSprite> sprite_;
    std::unique_ptr<GlyphRasterizer> rasterizer_;
};
