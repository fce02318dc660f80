// The keyboard routing of the text box. The engine reports keys as held,
// pressed or released, but a name is typed as characters; the routing takes
// every input event as it arrives between frames (the engine's input hook)
// and turns it into what the focused box needs: typed and input-method
// characters, the character codes of Backspace (8), Tab (9), Escape (27) and
// Ctrl with a letter (1 to 26), and the key-downs of End, Home, Left, Right
// and Delete. Enter and space never reach a box.
#pragma once

class HGE;
struct InputEvent;
struct TextBox;

// The routing's program-wide state.
struct TextInputRouting {
    TextBox* focused = nullptr;  // the box that receives keyboard input, or none
    HGE* hge = nullptr;          // the engine the hook is installed in; none before

    TextInputRouting() = default;
    ~TextInputRouting();  // takes the hook out again
    TextInputRouting(const TextInputRouting&) = delete;
    TextInputRouting& operator=(const TextInputRouting&) = delete;
};

// Puts InputHook into the engine, once; later calls change nothing.
void InstallInputHook(TextInputRouting& routing);
// Routes one input event to the focused box.
void InputHook(TextInputRouting& routing, const InputEvent& event);

// One typed character or navigation key code for the box: an editing key
// that is held acts instead of inserting anything.
void OnChar(TextBox& box, int code);
// One input-method character, inserted as it is.
void OnImeChar(TextBox& box, char16_t code);
// Acts on the first held editing key; false when none is held.
bool HandleEditKeys(TextBox& box);
// Puts the selected text on the clipboard; nothing when nothing is selected.
void CopySelection(TextBox& box);
// Inserts the clipboard's text; after a cut it also empties the clipboard,
// so cut text is pasted once.
void Paste(TextBox& box);
