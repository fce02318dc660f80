// TextBox: the one-line field the player types a name into: at most ten
// UTF-16 code units, a blinking caret, a selection made with the mouse and
// drawn highlighted. Characters, editing keys and the clipboard reach it
// through the keyboard routing (text_input_routing.h), which acts on the
// box that has the focus.
#pragma once

#include "engine/hge.h"
#include "engine/rect.h"
#include "engine/sprite.h"
#include "text/gfx_font.h"

#include <memory>
#include <string>

struct TextInputRouting;

// The most code units a box holds.
inline constexpr int kTextBoxMaxLength = 10;
// The text area's width in pixels.
inline constexpr float kTextBoxWidth = 160.0f;
// The size of a box made with size 0.
inline constexpr int kTextBoxDefaultSize = 12;

inline constexpr DWORD kCaretColor = 0xFF000000;
inline constexpr DWORD kSelectionColor = 0x99BCCEF7;
inline constexpr DWORD kTextBoxTextColor = 0xFF000000;

struct TextBox {
    // A box of the given height (0 gives 12) with a font of that size.
    // Installs the keyboard routing the first time. Throws
    // std::runtime_error when the font cannot be made.
    TextBox(int size, TextInputRouting& routing);
    ~TextBox();
    TextBox(const TextBox&) = delete;
    TextBox& operator=(const TextBox&) = delete;

    // Inserts at the caret, replacing a selection; nothing happens when the
    // box is full.
    void InsertChar(char16_t c);
    void DeleteSelection();
    void SelectAll();
    // The text in code page 936 (at most 1023 bytes), kept in ansiText.
    const std::string& GetText();

    // Every frame while the owning screen runs: focus, blinking, caret
    // placement and drag selection.
    void Update(float dt);
    // Draws the box with the text area's top-left corner at (x, y), clipped
    // to the frame one pixel around it.
    void Render(float x, float y);
    void PlaceCaretAtPointer(float px);
    // Moves the selection's end one code unit towards the pointer.
    void ExtendSelection(float px);

    // Removes the code unit before the caret (as Backspace does) or at it
    // (as Delete does).
    void RemoveBeforeCaret();
    void RemoveAtCaret();
    // anchor = end = caret, dragging off, no highlight.
    void CollapseSelection();
    bool HasSelection() const { return anchor != end; }
    int Length() const { return static_cast<int>(text.size()); }
    bool Focused() const;

    HGE* hge = nullptr;
    TextInputRouting* routing = nullptr;
    std::u16string text;   // never longer than kTextBoxMaxLength
    std::string ansiText;  // the last result of GetText
    float width = kTextBoxWidth;
    float height = 0;   // the text area's height, the font size
    int caret = 0;      // insertion index, 0 to the length
    hgeRect clickRect;  // (x, y, x + width, y + height) of the last draw
    std::unique_ptr<hgeSprite> caretSprite;
    std::unique_ptr<hgeSprite> selectionSprite;
    std::unique_ptr<GfxFont> font;
    bool caretVisible = false;
    bool cutPending = false;  // set by a cut: the next paste empties the clipboard
    bool dragging = false;
    // The selection runs between anchor and end, whichever is smaller first;
    // the end is the moving side, equal to the caret while selecting. The
    // highlight spans (x1, y1) to (x2, y2).
    int anchor = 0;
    float x1 = 0, y1 = 0;
    int end = 0;
    float x2 = 0, y2 = 0;
    float blinkTimer = 0;  // seconds, 0 to below 1; the caret shows from 0.5
    // The area one pixel around the text area at the last draw.
    float frameX = 0, frameY = 0, frameW = kTextBoxWidth, frameH = 0;
};
