// The name box on its own: its size rules, text conversion, editing
// primitives, blinking, and what its drawing covers. Typing, keys and the
// clipboard are played through replays in name_box_replay_test.cpp.
#include "text/text_box.h"
#include "engine/hge.h"
#include "engine/offscreen/offscreen_backend.h"
#include "text/text_input_routing.h"
#include "text/utf16.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class TextBoxTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 200;
    static constexpr int kHeight = 40;
    static constexpr DWORD kBackground = 0xFFFFFFFF;

    void SetUp() override {
        hge = hgeCreate(HGE_VERSION);
        auto offscreen = std::make_unique<OffscreenBackend>();
        backend = offscreen.get();
        hge->System_SetStateInt(HGE_SCREENWIDTH, kWidth);
        hge->System_SetStateInt(HGE_SCREENHEIGHT, kHeight);
        hge->System_SetBackend(std::move(offscreen));
        ASSERT_TRUE(hge->System_Initiate()) << hge->System_GetErrorMessage();
        routing = std::make_unique<TextInputRouting>();
    }
    void TearDown() override {
        routing.reset();
        hge->System_Shutdown();
        hge->Release();
    }
    void Type(TextBox& box, std::u16string_view text) {
        for (const char16_t c : text) {
            box.InsertChar(c);
        }
    }
    // Draws the box alone on a white screen.
    void Draw(TextBox& box, float x, float y) {
        ASSERT_TRUE(hge->Gfx_BeginScene());
        hge->Gfx_Clear(kBackground);
        box.Render(x, y);
        hge->Gfx_EndScene();
    }
    DWORD Pixel(int x, int y) {
        SDL_Surface* surface = backend->Surface();
        const auto* row = static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch;
        return reinterpret_cast<const DWORD*>(row)[x];
    }

    HGE* hge = nullptr;
    OffscreenBackend* backend = nullptr;
    std::unique_ptr<TextInputRouting> routing;
};

TEST_F(TextBoxTest, SizeZeroMakesABoxOfTwelveWithACaretOnePointTwoWide) {
    TextBox box(0, *routing);
    EXPECT_EQ(box.height, 12.0f);
    EXPECT_EQ(box.width, 160.0f);
    EXPECT_EQ(box.font->GetSize(), 12.0f);
    EXPECT_EQ(box.caretSprite->GetWidth(), 1.2f);
    EXPECT_EQ(box.caretSprite->GetHeight(), 12.0f);
    EXPECT_EQ(box.frameW, 160.0f);
    EXPECT_EQ(box.frameH, 12.0f);
    EXPECT_EQ(box.font->GetColor(0), 0xFF000000u);
    EXPECT_EQ(routing->hge, hge) << "the first box installs the keyboard routing";

    TextBox big(20, *routing);
    EXPECT_EQ(big.caretSprite->GetWidth(), 2.0f);
}

TEST_F(TextBoxTest, InsertStopsAtTenAndGetTextGivesCodePage936) {
    TextBox box(12, *routing);
    Type(box, u"禾岚珠霁星禾岚珠霁星禾");
    EXPECT_EQ(box.text, u"禾岚珠霁星禾岚珠霁星");
    EXPECT_EQ(box.caret, 10);
    const std::string& ansi = box.GetText();
    EXPECT_EQ(ansi.size(), 20u) << "ten Chinese characters are twenty bytes";
    EXPECT_EQ(ansi.substr(0, 4), "\xBA\xCC\xE1\xB0");

    TextBox latin(12, *routing);
    Type(latin, u"Ab\u00FF");  // ÿ is not in code page 936
    EXPECT_EQ(latin.GetText(), "Ab?");
}

TEST_F(TextBoxTest, DeleteSelectionWorksFromEitherSide) {
    TextBox box(12, *routing);
    Type(box, u"ABCDE");
    // Dragged right: anchor 1, end 3.
    box.anchor = 1;
    box.end = box.caret = 3;
    box.DeleteSelection();
    EXPECT_EQ(box.text, u"ADE");
    EXPECT_EQ(box.caret, 1);

    // Dragged left: anchor 3, end 1.
    box.text = u"ABCDE";
    box.anchor = 3;
    box.end = box.caret = 1;
    box.DeleteSelection();
    EXPECT_EQ(box.text, u"ADE");
    EXPECT_EQ(box.caret, 1);
    EXPECT_EQ(box.anchor, 1);
    EXPECT_EQ(box.end, 1);

    // Typing over a selection replaces it.
    box.text = u"ABCDE";
    box.anchor = 4;
    box.end = box.caret = 2;
    box.InsertChar(u'x');
    EXPECT_EQ(box.text, u"ABxE");
    EXPECT_EQ(box.caret, 3);
}

TEST_F(TextBoxTest, TheCaretHidesForHalfASecondThenShowsForHalf) {
    TextBox box(12, *routing);
    box.Update(0.25f);
    EXPECT_FALSE(box.caretVisible) << "hidden after construction until 0.5 s";
    box.Update(0.25f);
    EXPECT_TRUE(box.caretVisible);
    box.Update(0.5f);
    EXPECT_TRUE(box.caretVisible);
    EXPECT_EQ(box.blinkTimer, 0.0f) << "the cycle restarts at one second";
    box.Update(0.1f);
    EXPECT_FALSE(box.caretVisible);

    // A keystroke shows the caret at once.
    OnChar(box, 'a');
    box.Update(1.0f / 30);
    EXPECT_TRUE(box.caretVisible);
}

TEST_F(TextBoxTest, LongTextScrollsToKeepTheCaretInsideAndIsClippedToTheFrame) {
    TextBox box(20, *routing);
    Type(box, u"禾岚珠霁星禾岚珠霁星");  // 200 pixels in a box of 160
    Draw(box, 20, 10);
    int inkRightEnd = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (Pixel(x, y) == kBackground) {
                continue;
            }
            ASSERT_TRUE(x >= 19 && x < 19 + 162 && y >= 9 && y < 9 + 22)
                << "drawn outside the frame at " << x << "," << y;
            inkRightEnd += x >= 160 ? 1 : 0;
        }
    }
    EXPECT_GT(inkRightEnd, 10) << "the last character shows at the box's right end";
    EXPECT_EQ(box.clickRect.x1, 20.0f);
    EXPECT_EQ(box.clickRect.y2, 30.0f);
    EXPECT_EQ(box.frameX, 19.0f);
    EXPECT_EQ(box.frameH, 22.0f);
}

TEST(Utf16Test, ConvertsBothWaysAndReplacesWhatCannotBeCarried) {
    struct Case {
        const char* name;
        std::string utf8;
        std::u16string utf16;
    } cases[] = {
        {"ASCII", "Ab1", u"Ab1"},
        {"Chinese", "禾岚", u"禾岚"},
        {"outside the basic plane", "\xF0\x9F\x90\x9D", u"\U0001F41D"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.name;
        EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8) << c.name;
    }
    EXPECT_EQ(Utf8ToUtf16("a\xFF"
                          "b"),
              u"a\uFFFDb")
        << "a bad byte";
    EXPECT_EQ(Utf8ToUtf16("\xE7\xA6"), u"\uFFFD") << "a cut sequence";
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD") << "an overlong form";
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xD800}) + u"x"), "\xEF\xBF\xBDx")
        << "a lone surrogate";
}

}  // namespace
