#include "text/text_input_routing.h"

#include "engine/hge.h"
#include "text/text_box.h"
#include "text/utf16.h"

#include <algorithm>

namespace {

// Clipboard text beyond this many code units is not taken.
constexpr size_t kPasteLimit = 1023;
constexpr int kTabSpaces = 4;

bool IsNavigationKey(int key) {
    return key == HGEK_END || key == HGEK_HOME || key == HGEK_LEFT || key == HGEK_RIGHT ||
           key == HGEK_DELETE;
}

// The character code a key-down produces on its own, as the system's
// keyboard layout gives it; 0 for keys whose characters come as text.
int KeyCharacter(const HGE& hge, int key) {
    switch (key) {
        case HGEK_BACKSPACE:
            return 8;
        case HGEK_TAB:
            return 9;
        case HGEK_ENTER:
            return 13;
        case HGEK_ESCAPE:
            return 27;
        default:
            break;
    }
    if (key >= HGEK_A && key <= HGEK_A + 25 && hge.Input_GetKeyState(HGEK_CTRL) &&
        !hge.Input_GetKeyState(HGEK_ALT)) {
        return key - HGEK_A + 1;
    }
    return 0;
}

}  // namespace

TextInputRouting::~TextInputRouting() {
    if (hge != nullptr) {
        hge->System_SetInputHook(nullptr);
        hge->Release();
    }
}

void InstallInputHook(TextInputRouting& routing) {
    if (routing.hge != nullptr) {
        return;
    }
    routing.hge = hgeCreate(HGE_VERSION);
    routing.hge->System_SetInputHook(
        [&routing](const InputEvent& event) { InputHook(routing, event); });
}

void InputHook(TextInputRouting& routing, const InputEvent& event) {
    if (event.kind == InputEvent::Kind::KeyDown) {
        if (routing.focused != nullptr && IsNavigationKey(event.key)) {
            OnChar(*routing.focused, event.key);
        }
        const int c = KeyCharacter(*routing.hge, event.key);
        // Enter and space are swallowed, focus or not.
        if (c != 0 && c != 13 && routing.focused != nullptr) {
            OnChar(*routing.focused, c);
        }
    } else if (event.kind == InputEvent::Kind::Text) {
        for (const char16_t unit : Utf8ToUtf16(event.text)) {
            if (unit == u'\r' || unit == u' ' || routing.focused == nullptr) {
                continue;
            }
            // A plain key types one ASCII character, which a held editing
            // key may take over; anything else is input-method text.
            if (unit < 0x80) {
                OnChar(*routing.focused, unit);
            } else {
                OnImeChar(*routing.focused, unit);
            }
        }
    }
}

void OnChar(TextBox& box, int code) {
    if (!HandleEditKeys(box)) {
        box.InsertChar(static_cast<char16_t>(code));
    }
    box.blinkTimer = 0.5f;
    // Ctrl+A keeps the selection it has just made.
    if (!(box.hge->Input_GetKeyState(HGEK_CTRL) && box.hge->Input_GetKeyState(HGEK_A))) {
        box.CollapseSelection();
    }
}

void OnImeChar(TextBox& box, char16_t code) {
    box.InsertChar(code);
    box.blinkTimer = 0.5f;
    box.CollapseSelection();
}

bool HandleEditKeys(TextBox& box) {
    const HGE& hge = *box.hge;
    auto held = [&hge](int key) { return hge.Input_GetKeyState(key); };
    const bool ctrl = held(HGEK_CTRL);
    if (held(HGEK_TAB)) {
        for (int i = 0; i < kTabSpaces; ++i) {
            if (box.HasSelection()) {
                box.DeleteSelection();
            }
            if (box.Length() < kTextBoxMaxLength) {
                box.InsertChar(u' ');
            }
        }
    } else if (held(HGEK_BACKSPACE)) {
        if (box.HasSelection()) {
            box.DeleteSelection();
        } else if (box.caret > 0) {
            box.RemoveBeforeCaret();
        }
    } else if (held(HGEK_DELETE)) {
        // The selection is not consulted: Delete removes one code unit.
        if (box.caret < box.Length()) {
            box.RemoveAtCaret();
        }
    } else if (held(HGEK_HOME)) {
        box.caret = 0;
    } else if (held(HGEK_END)) {
        box.caret = box.Length();
    } else if (held(HGEK_LEFT)) {
        if (box.caret > 0) {
            --box.caret;
        }
    } else if (held(HGEK_RIGHT)) {
        if (box.caret < box.Length()) {
            ++box.caret;
        }
    } else if (held(HGEK_ESCAPE)) {
        // Swallowed.
    } else if (ctrl && held('Z')) {
        // No undo; swallowed.
    } else if (ctrl && held('C')) {
        CopySelection(box);
    } else if (ctrl && held('V')) {
        Paste(box);
    } else if (ctrl && held('X')) {
        if (box.HasSelection()) {
            CopySelection(box);
            box.DeleteSelection();
            box.cutPending = true;
        }
    } else if (ctrl && held('A')) {
        box.SelectAll();
    } else {
        return false;
    }
    return true;
}

void CopySelection(TextBox& box) {
    if (!box.HasSelection()) {
        return;
    }
    const int from = std::clamp(std::min(box.anchor, box.end), 0, box.Length());
    const int to = std::clamp(std::max(box.anchor, box.end), 0, box.Length());
    if (from == to) {
        return;  // an empty text never goes on the clipboard
    }
    box.hge->System_SetClipboardText(Utf16ToUtf8(std::u16string_view(box.text).substr(
        static_cast<size_t>(from), static_cast<size_t>(to - from))));
}

void Paste(TextBox& box) {
    const std::string clip = box.hge->System_GetClipboardText();
    if (clip.empty()) {
        return;
    }
    std::u16string units = Utf8ToUtf16(clip);
    if (units.size() > kPasteLimit) {
        units.resize(kPasteLimit);
    }
    if (box.HasSelection()) {
        box.DeleteSelection();
    }
    for (const char16_t unit : units) {
        box.InsertChar(unit);
    }
    if (box.cutPending) {
        box.cutPending = false;
        box.hge->System_SetClipboardText("");
    }
}
