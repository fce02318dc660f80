// GfxFont and the glyph rasteriser under it: fixed advances, measuring,
// hit testing, glyph textures and drawing on the offscreen backend.
#include "text/gfx_font.h"
#include "engine/glyph_rasterizer.h"
#include "offscreen_engine.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr DWORD kRed = 0xFFFF0000;

using GfxFontTest = OffscreenEngineTest;

struct MeasureCase {
    const char* name;
    int size;
    float charSpacing;
    float lineSpacing;
    std::u16string text;
    int width;
    int height;
};

TEST_F(GfxFontTest, MeasuresWithFixedAdvancesPerCodeUnitRange) {
    const MeasureCase cases[] = {
        {"empty text", 12, 0, 0, u"", 0, 12},
        {"two Latin letters", 12, 0, 0, u"AB", 12, 12},
        {"char spacing counts after the last letter too", 12, 2, 0, u"AB", 16, 12},
        {"one Chinese character", 16, 0, 0, u"禾", 16, 16},
        {"odd size 13 advances 6 (ties to even)", 13, 0, 0, u"A", 6, 13},
        {"odd size 15 advances 8 (ties to even)", 15, 0, 0, u"A", 8, 15},
        {"U+1FFF is half the size", 12, 0, 0, u"\u1FFF", 6, 12},
        {"U+2000 is the full size", 12, 0, 0, u"\u2000", 12, 12},
        {"U+FFFF advances like a Chinese character", 12, 0, 0, u"\uFFFF", 12, 12},
        {"a line feed adds a line", 12, 0, 3, u"A\nB", 6, 12 + 15},
        {"a carriage return and a line feed add two", 12, 0, 3, u"A\r\nB", 6, 12 + 15 + 15},
        {"the widest line wins", 12, 0, 0, u"ABC\nD", 18, 24},
        {"a wide last line wins too", 12, 0, 0, u"D\n禾禾", 24, 24},
        {"fractional spacing is truncated per line", 12, 0.5f, 0.5f, u"AB\nC", 13, 24},
    };
    for (const MeasureCase& c : cases) {
        GfxFont font(c.size);
        font.SetCharSpacing(c.charSpacing);
        font.SetLineSpacing(c.lineSpacing);
        const TextExtent extent = font.MeasureText(c.text.c_str());
        EXPECT_EQ(extent.width, c.width) << c.name;
        EXPECT_EQ(extent.height, c.height) << c.name;
    }
}

TEST_F(GfxFontTest, CharAtPointFindsTheUnitWhoseCellHoldsThePoint) {
    GfxFont font(12);
    struct Case {
        const char* name;
        std::u16string text;
        float x, y;
        char16_t expected;
    } cases[] = {
        {"left edge of the first character is outside", u"AB", 0, 12, 0},
        {"right edge of the first character is inside", u"AB", 6, 12, u'A'},
        {"just past it is the second", u"AB", 6.5f, 1, u'B'},
        {"the top edge is outside", u"AB", 3, 0, 0},
        {"below the line is nothing", u"AB", 3, 12.5f, 0},
        {"right of the text is nothing", u"AB", 12.5f, 6, 0},
        {"empty text", u"", 1, 1, 0},
        {"the second line", u"A\nB", 3, 20, u'B'},
        {"a break at the end", u"A\n", 3, 20, 0},
        // The unit after a break is a character, even when it is a break.
        {"a break after a break is a character", u"A\n\nB", 9, 20, u'B'},
        {"Chinese characters are full width", u"禾岚", 13, 12, u'岚'},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(font.CharAtPoint(c.text.c_str(), c.x, c.y), c.expected) << c.name;
    }
}

TEST_F(GfxFontTest, GlyphTexturesAreWhereTheBitsAreSet) {
    GfxFont font(16);
    const GlyphRasterizer rasterizer(FindChineseFace(), 16);
    for (const char16_t c : {u'禾', u'A', u'g'}) {
        const GlyphBitmap bitmap = rasterizer.Rasterize(c);
        font.BuildGlyph(c);
        const GlyphRecord glyph = font.Glyph(c);
        ASSERT_NE(glyph.texture, 0u);
        EXPECT_EQ(glyph.width, static_cast<float>(bitmap.blackBoxX));
        EXPECT_EQ(glyph.height, static_cast<float>(bitmap.blackBoxY));
        EXPECT_EQ(glyph.left, static_cast<float>(-bitmap.originX));
        EXPECT_EQ(glyph.top, static_cast<float>(bitmap.originY - rasterizer.Ascent()));
        EXPECT_EQ(glyph.cellIncrement, static_cast<float>(bitmap.cellIncX));
        const DWORD* pixels = hge->Texture_Lock(glyph.texture, true);
        const int rowStep = hge->Texture_GetWidth(glyph.texture);
        int set = 0;
        for (int y = 0; y < bitmap.blackBoxY; ++y) {
            for (int x = 0; x < bitmap.blackBoxX; ++x) {
                const DWORD expected = bitmap.Bit(x, y) ? 0xFFFFFFFF : 0x00000000;
                ASSERT_EQ(pixels[y * rowStep + x], expected) << "at " << x << "," << y;
                set += bitmap.Bit(x, y) ? 1 : 0;
            }
        }
        hge->Texture_Unlock(glyph.texture);
        EXPECT_GT(set, 10) << "a glyph has ink";
    }
    EXPECT_EQ(font.Glyph(0xFFFF).texture, 0u) << "U+FFFF has no record";
}

TEST_F(GfxFontTest, DrawsTintedGlyphsInsideTheirCellsAndRasterisesEachUnitOnce) {
    GfxFont font(16);
    font.SetColor(kRed);
    EXPECT_EQ(font.GetColor(2), kRed);
    const std::u16string text = u"禾\uFFFF";
    BeginFrame();
    font.RenderText(4, 3, text.c_str());
    hge->Gfx_EndScene();
    const int afterFirst = font.GlyphsRasterised();
    EXPECT_EQ(afterFirst, 1) << "U+FFFF is never rasterised";

    int red = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const DWORD pixel = Pixel(x, y);
            if (pixel == kRed) {
                ++red;
                EXPECT_TRUE(x >= 4 && x < 4 + 16 && y >= 3 && y < 3 + 16)
                    << "ink outside the character's cell at " << x << "," << y;
            } else {
                EXPECT_EQ(pixel, kBackground)
                    << "glyph pixels are set or clear, at " << x << "," << y;
            }
        }
    }
    EXPECT_GT(red, 20);

    const HTEXTURE texture = font.Glyph(u'禾').texture;
    BeginFrame();
    font.RenderText(4, 3, text.c_str());
    font.MeasureText(text.c_str());
    hge->Gfx_EndScene();
    EXPECT_EQ(font.GlyphsRasterised(), afterFirst) << "the second draw rasterises nothing";
    EXPECT_EQ(font.Glyph(u'禾').texture, texture);
}

// A font that records what it is asked to draw.
class RecordingFont : public GfxFont {
public:
    RecordingFont() : GfxFont(12) {}
    void RenderText(float x, float y, const char16_t* text) override {
        drawn.push_back({x, y, text});
    }
    struct Call {
        float x, y;
        std::u16string text;
    };
    std::vector<Call> drawn;
};

TEST_F(GfxFontTest, PrintFormattedConvertsCodePage936AndDrawsThroughTheVirtualCall) {
    RecordingFont font;
    GfxFont& base = font;
    // "禾岚" in code page 936, then a number.
    base.PrintFormatted(5, 7, "%s %d", "\xBA\xCC\xE1\xB0", 1200);
    ASSERT_EQ(font.drawn.size(), 1u);
    EXPECT_EQ(font.drawn[0].x, 5);
    EXPECT_EQ(font.drawn[0].y, 7);
    EXPECT_EQ(font.drawn[0].text, u"禾岚 1200");

    // Formatted text beyond the buffer is cut, not overrun.
    const std::string longName(20000, 'x');
    base.PrintFormatted(0, 0, "%s", longName.c_str());
    ASSERT_EQ(font.drawn.size(), 2u);
    EXPECT_EQ(font.drawn[1].text.size(), 10239u);
}

TEST(GlyphRasterizerTest, FindsAChineseFaceAndTrimsGlyphsToTheirBlackBox) {
    const FontFace face = FindChineseFace();
    EXPECT_TRUE(std::filesystem::exists(face.file)) << face.file;
    const GlyphRasterizer rasterizer(face, 20);
    EXPECT_GT(rasterizer.Ascent(), 10);
    EXPECT_LE(rasterizer.Ascent(), 20);

    const GlyphBitmap space = rasterizer.Rasterize(u' ');
    EXPECT_EQ(space.blackBoxX, 1);
    EXPECT_EQ(space.blackBoxY, 1);
    EXPECT_FALSE(space.Bit(0, 0));

    for (const char16_t c : {u'星', u'A'}) {
        const GlyphBitmap glyph = rasterizer.Rasterize(c);
        ASSERT_GT(glyph.blackBoxX, 0);
        EXPECT_EQ(glyph.bits.size(), static_cast<size_t>(glyph.RowBytes() * glyph.blackBoxY));
        EXPECT_EQ(glyph.RowBytes() % 4, 0);
        bool top = false, bottom = false, left = false, right = false;
        for (int x = 0; x < glyph.blackBoxX; ++x) {
            top = top || glyph.Bit(x, 0);
            bottom = bottom || glyph.Bit(x, glyph.blackBoxY - 1);
        }
        for (int y = 0; y < glyph.blackBoxY; ++y) {
            left = left || glyph.Bit(0, y);
            right = right || glyph.Bit(glyph.blackBoxX - 1, y);
        }
        EXPECT_TRUE(top && bottom && left && right) << "every edge of the black box has ink";
        EXPECT_LE(glyph.originY, rasterizer.Ascent()) << "the glyph stays below the line's top";
    }
}

TEST(GlyphRasterizerTest, AFaceThatCannotBeOpenedFailsWithItsName) {
    FontFace missing;
    missing.file = "/nonexistent/song.ttf";
    try {
        GlyphRasterizer rasterizer(missing, 12);
        FAIL() << "a missing font file must not make a rasteriser";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("/nonexistent/song.ttf"), std::string::npos)
            << error.what();
    }
    EXPECT_THROW(GlyphRasterizer(FindChineseFace(), 0), std::runtime_error);
    EXPECT_THROW(GfxFont(-3), std::runtime_error);
}

}  // namespace
