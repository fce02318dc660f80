#include "text/text_box.h"

#include "engine/codepage.h"
#include "text/text_input_routing.h"

#include <algorithm>
#include <cmath>

namespace {

// The longest code page 936 text GetText gives, terminator not counted.
constexpr size_t kAnsiLimit = 1023;
constexpr float kBlinkShow = 0.5f;   // the caret shows from here...
constexpr float kBlinkCycle = 1.0f;  // ...until the cycle restarts

}  // namespace

TextBox::TextBox(int size, TextInputRouting& inputRouting) : routing(&inputRouting) {
    InstallInputHook(inputRouting);
    if (size == 0) {
        size = kTextBoxDefaultSize;
    }
    height = static_cast<float>(size);
    // The caret is 1.2 pixels wide in a box of 12, and grows with the size.
    const float caretWidth = static_cast<float>(size) * 1.2f / 12.0f;
    font = std::make_unique<GfxFont>(size);
    font->SetColor(kTextBoxTextColor);
    hge = hgeCreate(HGE_VERSION);
    caretSprite = std::make_unique<hgeSprite>(0, 0.0f, 0.0f, caretWidth, height);
    caretSprite->SetColor(kCaretColor);
    selectionSprite = std::make_unique<hgeSprite>(0, 0.0f, 0.0f, caretWidth, height);
    selectionSprite->SetColor(kSelectionColor);
    frameH = height;
}

TextBox::~TextBox() {
    if (routing->focused == this) {
        routing->focused = nullptr;
    }
    caretSprite.reset();
    selectionSprite.reset();
    font.reset();
    hge->Release();
}

bool TextBox::Focused() const {
    return routing->focused == this;
}

void TextBox::InsertChar(char16_t c) {
    if (HasSelection()) {
        DeleteSelection();
    }
    if (Length() >= kTextBoxMaxLength) {
        return;
    }
    caret = std::clamp(caret, 0, Length());
    text.insert(text.begin() + caret, c);
    ++caret;
}

void TextBox::RemoveBeforeCaret() {
    if (caret > 0 && caret <= Length()) {
        text.erase(text.begin() + (caret - 1));
        --caret;
    }
}

void TextBox::RemoveAtCaret() {
    if (caret >= 0 && caret < Length()) {
        text.erase(text.begin() + caret);
    }
}

void TextBox::DeleteSelection() {
    // The caret sits at the selection's end, the moving side.
    end = std::clamp(end, 0, Length());
    anchor = std::clamp(anchor, 0, Length());
    caret = end;
    if (anchor < end) {
        for (int i = end - anchor; i > 0; --i) {
            RemoveBeforeCaret();
        }
    } else {
        for (int i = anchor - end; i > 0; --i) {
            RemoveAtCaret();
        }
    }
    anchor = end = caret;
}

void TextBox::CollapseSelection() {
    anchor = end = caret;
    dragging = false;
    x1 = y1 = x2 = y2 = 0;
}

void TextBox::SelectAll() {
    anchor = 0;
    caret = end = Length();
    const TextExtent extent = font->MeasureText(text.c_str());
    x1 = frameX - 1;
    x2 = frameX + static_cast<float>(extent.width) - 1;
    y1 = frameY;
    y2 = frameY + frameH;
}

const std::string& TextBox::GetText() {
    ansiText = Utf16ToCp936(text);
    if (ansiText.size() > kAnsiLimit) {
        ansiText.resize(Cp936WholeLength(ansiText, kAnsiLimit));
    }
    return ansiText;
}

void TextBox::Update(float dt) {
    if (hge->Input_GetKeyState(HGEK_ENTER) || hge->Input_GetKeyState(HGEK_SPACE)) {
        return;
    }
    float mouseX = 0, mouseY = 0;
    hge->Input_GetMousePos(&mouseX, &mouseY);
    const float px = std::trunc(mouseX);
    const float py = std::trunc(mouseY);

    if (hge->Input_GetKeyState(HGEK_LBUTTON) && clickRect.TestPoint(px, py)) {
        routing->focused = this;
    }

    blinkTimer += dt;
    caretVisible = blinkTimer >= kBlinkShow;
    if (blinkTimer >= kBlinkCycle) {
        blinkTimer = 0;
    }

    if (hge->Input_KeyDown(HGEK_LBUTTON)) {
        if (frameX < px && px < frameX + frameW && frameY < py && py < frameY + frameH) {
            PlaceCaretAtPointer(px);
        } else if (Focused()) {
            routing->focused = nullptr;
        }
    }

    if (dragging) {
        if (hge->Input_KeyUp(HGEK_LBUTTON)) {
            dragging = false;
        } else {
            ExtendSelection(px);
        }
    }
}

void TextBox::PlaceCaretAtPointer(float px) {
    const float left = frameX;
    const float textWidth = static_cast<float>(font->MeasureText(text.c_str()).width);
    float advance = font->CharAdvance(text.empty() ? u'\0' : text[0]);
    if (px >= left + textWidth) {
        caret = Length();
    } else {
        const float prefix = static_cast<float>(
            font->MeasureText(text.substr(0, std::clamp(caret, 0, Length())).c_str()).width);
        caret = 0;
        if (prefix > width) {
            // The text is scrolled: skip the code units hidden left of the box.
            const float scroll = prefix - width;
            float sum = 0;
            while (sum < scroll && caret < Length()) {
                advance = font->CharAdvance(text[static_cast<size_t>(caret)]);
                sum += advance;
                ++caret;
            }
        }
        float distance = 0;
        while (caret < Length() && px > left + distance + advance / 2) {
            advance = font->CharAdvance(text[static_cast<size_t>(caret)]);
            distance += advance;
            ++caret;
        }
    }
    blinkTimer = kBlinkShow;
    dragging = true;
    anchor = end = caret;
    x1 = y1 = x2 = y2 = 0;
}

void TextBox::ExtendSelection(float px) {
    const auto prefixWidth = [this](int count) {
        return static_cast<float>(
            font->MeasureText(text.substr(0, static_cast<size_t>(count)).c_str()).width);
    };
    const auto unitAt = [this](int index) {
        return index >= 0 && index < Length() ? text[static_cast<size_t>(index)] : u'\0';
    };
    // Where the text starts, scrolled left when the part before a point is
    // wider than the box.
    const auto textStart = [this](float prefix) {
        return prefix > width ? frameX - (prefix - width) : frameX;
    };

    anchor = std::clamp(anchor, 0, Length());
    const float anchorWidth = prefixWidth(anchor);
    x1 = anchorWidth + textStart(anchorWidth) - 1;
    if (x2 == 0) {
        x2 = x1;
    }
    end = std::clamp(end, 0, Length());
    if (px > x2) {
        const float w = font->CharAdvance(unitAt(end + 1));
        if (px > x2 + w / 2 && end < Length()) {
            ++end;
            ++caret;
        }
    } else if (px < x2) {
        const float w = font->CharAdvance(unitAt(end > 0 ? end - 1 : 0));
        if (px < x2 - w / 2 && end > 0) {
            --end;
            --caret;
        }
    }
    const float endWidth = prefixWidth(end);
    x2 = endWidth + textStart(endWidth) - 1;
    y1 = frameY;
    y2 = frameY + frameH;
}

void TextBox::Render(float x, float y) {
    frameX = x - 1;
    frameY = y - 1;
    frameW = width + 2;
    frameH = height + 2;
    clickRect.Set(x, y, x + width, y + height);

    float textX = x;
    float caretX = x;
    if (caret > 0) {
        const float prefix = static_cast<float>(
            font->MeasureText(
                    text.substr(0, static_cast<size_t>(std::min(caret, Length()))).c_str())
                .width);
        if (prefix > width) {
            textX = x - (prefix - width);
        }
        caretX = textX + prefix;
    }

    hge->Gfx_SetClipping(static_cast<int>(frameX), static_cast<int>(frameY),
                         static_cast<int>(frameW), static_cast<int>(frameH));
    if (Focused()) {
        selectionSprite->RenderStretch(x1 + 1, y1, x2 + 1, y2);
    }
    font->RenderText(textX, y, text.c_str());
    if (Focused() && caretVisible) {
        caretSprite->Render(caretX - 1, y);
    }
    hge->Gfx_SetClipping(0, 0, 0, 0);
}
