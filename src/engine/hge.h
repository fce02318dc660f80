// The engine contract: window and frame loop, timer, random numbers, input,
// drawing, textures and resource packs. The game sees only this header (and
// the companion classes in sprite.h, animation.h, rect.h, resource_manager.h);
// everything below it lives in src/engine and its backend folders.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#define HGE_VERSION 0x180

using DWORD = std::uint32_t;
// A texture handle; 0 is "no texture".
using HTEXTURE = std::uint32_t;

// Colours are 0xAARRGGBB.
constexpr DWORD ARGB(DWORD a, DWORD r, DWORD g, DWORD b) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}

// Blend modes of a quad: how its vertex colour meets the texture, and how the
// result meets the screen.
enum : int {
    BLEND_COLORMUL = 0,
    BLEND_COLORADD = 1,
    BLEND_ALPHABLEND = 0,
    BLEND_ALPHAADD = 2,
    BLEND_DEFAULT = BLEND_COLORMUL | BLEND_ALPHABLEND,
};

enum hgeBoolState { HGE_WINDOWED, HGE_HIDEMOUSE, HGE_USESOUND, HGE_SHOWSPLASH };
enum hgeFuncState { HGE_FRAMEFUNC, HGE_RENDERFUNC, HGE_FOCUSLOSTFUNC, HGE_FOCUSGAINFUNC };
enum hgeIntState { HGE_SCREENWIDTH, HGE_SCREENHEIGHT, HGE_FPS };
// HGE_ICON names a PNG resource (looked up like any texture file).
// HGE_GAMEDIR is the folder Resource_MakePath resolves against; it defaults
// to the folder of the running executable.
enum hgeStringState { HGE_TITLE, HGE_ICON, HGE_GAMEDIR };

// Engine callbacks. A frame function returning true ends the loop.
using hgeCallback = std::function<bool()>;

// Windows virtual-key codes, the key numbering the game uses throughout.
enum : int {
    HGEK_LBUTTON = 0x01,
    HGEK_RBUTTON = 0x02,
    HGEK_MBUTTON = 0x04,
    HGEK_BACKSPACE = 0x08,
    HGEK_TAB = 0x09,
    HGEK_ENTER = 0x0D,
    HGEK_SHIFT = 0x10,
    HGEK_CTRL = 0x11,
    HGEK_ALT = 0x12,
    HGEK_PAUSE = 0x13,
    HGEK_CAPSLOCK = 0x14,
    HGEK_ESCAPE = 0x1B,
    HGEK_SPACE = 0x20,
    HGEK_PGUP = 0x21,
    HGEK_PGDN = 0x22,
    HGEK_END = 0x23,
    HGEK_HOME = 0x24,
    HGEK_LEFT = 0x25,
    HGEK_UP = 0x26,
    HGEK_RIGHT = 0x27,
    HGEK_DOWN = 0x28,
    HGEK_INSERT = 0x2D,
    HGEK_DELETE = 0x2E,
    HGEK_0 = 0x30,  // digits 0x30..0x39
    HGEK_A = 0x41,  // letters 0x41..0x5A
    HGEK_F1 = 0x70, // F1..F12 0x70..0x7B
};

// One input event as a backend delivers it, in the order it happened.
struct InputEvent {
    enum class Kind { KeyDown, KeyUp, MouseMove, Text, FocusLost, FocusGained, Quit };
    Kind kind = Kind::KeyDown;
    int key = 0;          // virtual-key code for KeyDown/KeyUp
    bool repeat = false;  // an auto-repeated KeyDown
    float x = 0, y = 0;   // logical pixels for MouseMove
    std::string text;     // UTF-8 for Text
};

// Called for every input event after the engine's own key state is updated.
using hgeInputHook = std::function<void(const InputEvent&)>;

struct hgeVertex {
    float x = 0, y = 0;
    float z = 0.5f;
    DWORD col = 0xFFFFFFFF;
    float tx = 0, ty = 0;  // texture coordinates, 0..1
};

struct hgeQuad {
    hgeVertex v[4];  // top-left, top-right, bottom-right, bottom-left
    HTEXTURE tex = 0;
    int blend = BLEND_DEFAULT;
};

class Backend;
class EngineImpl;

// The one engine object. Obtain it with hgeCreate and give every reference
// back with Release; the object is destroyed with the last reference.
class HGE {
public:
    void Release();

    // System
    bool System_Initiate();
    void System_Shutdown();
    bool System_Start();  // runs the frame loop until quit
    std::string System_GetErrorMessage() const;
    // Reports a fatal error to the player: always as "caption: text" on
    // stderr, and in a message box where the backend can show one.
    void System_ShowErrorBox(const std::string& caption, const std::string& text);
    void System_SetStateBool(hgeBoolState state, bool value);
    void System_SetStateFunc(hgeFuncState state, hgeCallback func);
    void System_SetStateInt(hgeIntState state, int value);
    void System_SetStateString(hgeStringState state, const std::string& value);
    bool System_GetStateBool(hgeBoolState state) const;
    int System_GetStateInt(hgeIntState state) const;
    std::string System_GetStateString(hgeStringState state) const;
    // Chooses the backend before System_Initiate; without one the window
    // backend is used.
    void System_SetBackend(std::unique_ptr<Backend> backend);
    Backend* System_GetBackend() const;
    // Ends the loop after the current frame, like closing the window.
    void System_PostQuit();
    // Opens a URL in the user's browser; false when that failed.
    bool System_OpenURL(const std::string& url);
    void System_SetInputHook(hgeInputHook hook);
    void System_SetClipboardText(const std::string& utf8);
    std::string System_GetClipboardText();

    // Resources
    bool Resource_AttachPack(const std::string& filename, const std::string& password);
    void Resource_RemoveAllPacks();
    // Reads a resource: from the attached pack first, then from the game
    // folder. False when neither has it.
    bool Resource_Load(const std::string& name, std::vector<std::uint8_t>& out);
    // Turns a name relative to the game folder into a path.
    std::string Resource_MakePath(const std::string& filename) const;

    // Timer
    float Timer_GetDelta() const;
    float Timer_GetTime() const;
    int Timer_GetFPS() const;

    // Random numbers
    void Random_Seed(int seed = 0);
    int Random_Int(int min, int max);
    float Random_Float(float min, float max);
    // The generator's whole state, so that trial runs (the autoplay's shot
    // simulation) can put it back and leave the game's stream untouched.
    std::uint64_t Random_GetState() const;
    void Random_SetState(std::uint64_t state);

    // Input
    void Input_GetMousePos(float* x, float* y) const;
    bool Input_GetKeyState(int key) const;
    bool Input_KeyDown(int key) const;
    bool Input_KeyUp(int key) const;

    // Graphics
    bool Gfx_BeginScene(HTEXTURE target = 0);
    void Gfx_EndScene();
    void Gfx_Clear(DWORD color);
    void Gfx_RenderLine(float x1, float y1, float x2, float y2, DWORD color = 0xFFFFFFFF,
                        float z = 0.5f);
    void Gfx_RenderQuad(const hgeQuad* quad);
    // Clips drawing to a rectangle; all zeros switch clipping off.
    void Gfx_SetClipping(int x = 0, int y = 0, int w = 0, int h = 0);

    // Textures
    HTEXTURE Texture_Create(int width, int height);
    HTEXTURE Texture_Load(const std::string& filename);
    void Texture_Free(HTEXTURE tex);
    int Texture_GetWidth(HTEXTURE tex, bool original = false) const;
    int Texture_GetHeight(HTEXTURE tex, bool original = false) const;
    // Pixels as 0xAARRGGBB, row step Texture_GetWidth(tex) * 4 bytes.
    DWORD* Texture_Lock(HTEXTURE tex, bool readOnly = true, int left = 0, int top = 0,
                        int width = 0, int height = 0);
    void Texture_Unlock(HTEXTURE tex);

    // Used by backends: feeds one event into the input state.
    void DeliverEvent(const InputEvent& event);

private:
    friend HGE* hgeCreate(int version);
    friend class EngineImpl;
    HGE();
    ~HGE();
    std::unique_ptr<EngineImpl> impl_;
    int refs_ = 0;
};

HGE* hgeCreate(int version);
