// Glyphs of an installed font face as one-bit pictures, for the game's text.
// fontconfig finds the face, FreeType renders it in monochrome: no
// antialiasing, every pixel either set or clear.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A font file and the face inside it.
struct FontFace {
    std::string file;
    int index = 0;       // the face's number within a collection (.ttc)
    std::string family;  // the family name fontconfig reported
};

// The face for Chinese text: the family "宋体" (or "SimSun") when it is
// installed, otherwise the face fontconfig ranks best for the language
// zh-cn. Throws std::runtime_error when there is none.
FontFace FindChineseFace();

// One rasterised glyph. The picture covers the glyph's black box, the
// smallest rectangle holding all its set pixels; a glyph without any (a
// space) has a 1 by 1 black box with its pixel clear.
struct GlyphBitmap {
    int blackBoxX = 0;  // width of the black box in pixels
    int blackBoxY = 0;  // its height
    int originX = 0;    // the black box's left edge, right of the pen position
    int originY = 0;    // its top edge, above the baseline
    int cellIncX = 0;   // the advance the face proposes, in whole pixels
    // blackBoxY rows of RowBytes() bytes: one bit per pixel, the most
    // significant bit first, every row padded to whole 32-bit words.
    std::vector<std::uint8_t> bits;

    int RowBytes() const { return (blackBoxX + 31) / 32 * 4; }
    bool Bit(int x, int y) const {
        return (bits[static_cast<size_t>(y * RowBytes() + x / 8)] >> (7 - x % 8)) & 1;
    }
};

class GlyphRasterizer {
public:
    // Opens the face with a character height (em) of pixelSize pixels.
    // Throws std::runtime_error naming the face and the reason when the
    // face cannot be opened at that size.
    GlyphRasterizer(const FontFace& face, int pixelSize);
    ~GlyphRasterizer();
    GlyphRasterizer(const GlyphRasterizer&) = delete;
    GlyphRasterizer& operator=(const GlyphRasterizer&) = delete;

    // Pixels from the top of a line of text down to its baseline.
    int Ascent() const;
    const FontFace& Face() const;

    // The glyph of one UTF-16 code unit. A code unit the face has no glyph
    // for (a lone surrogate among them) gives the face's missing-glyph
    // picture, as a system font would.
    GlyphBitmap Rasterize(char16_t unit) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
