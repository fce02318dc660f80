// SDL key and mouse button numbers to Windows virtual-key codes.
#include "engine/window/keymap.h"

#include "engine/hge.h"

int VirtualKeyFromSdl(SDL_Scancode scancode, SDL_Keycode keycode) {
    if (keycode >= SDLK_a && keycode <= SDLK_z) {
        return HGEK_A + static_cast<int>(keycode - SDLK_a);
    }
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
        return HGEK_A + (scancode - SDL_SCANCODE_A);
    }
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) {
        return HGEK_0 + 1 + (scancode - SDL_SCANCODE_1);
    }
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) {
        return HGEK_F1 + (scancode - SDL_SCANCODE_F1);
    }
    if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9) {
        return 0x61 + (scancode - SDL_SCANCODE_KP_1);  // VK_NUMPAD1..9
    }
    switch (scancode) {
        case SDL_SCANCODE_0:
            return HGEK_0;
        case SDL_SCANCODE_KP_0:
            return 0x60;  // VK_NUMPAD0
        case SDL_SCANCODE_RETURN:
        case SDL_SCANCODE_KP_ENTER:
            return HGEK_ENTER;
        case SDL_SCANCODE_ESCAPE:
            return HGEK_ESCAPE;
        case SDL_SCANCODE_SPACE:
            return HGEK_SPACE;
        case SDL_SCANCODE_BACKSPACE:
            return HGEK_BACKSPACE;
        case SDL_SCANCODE_TAB:
            return HGEK_TAB;
        case SDL_SCANCODE_DELETE:
            return HGEK_DELETE;
        case SDL_SCANCODE_INSERT:
            return HGEK_INSERT;
        case SDL_SCANCODE_HOME:
            return HGEK_HOME;
        case SDL_SCANCODE_END:
            return HGEK_END;
        case SDL_SCANCODE_PAGEUP:
            return HGEK_PGUP;
        case SDL_SCANCODE_PAGEDOWN:
            return HGEK_PGDN;
        case SDL_SCANCODE_LEFT:
            return HGEK_LEFT;
        case SDL_SCANCODE_RIGHT:
            return HGEK_RIGHT;
        case SDL_SCANCODE_UP:
            return HGEK_UP;
        case SDL_SCANCODE_DOWN:
            return HGEK_DOWN;
        case SDL_SCANCODE_LCTRL:
        case SDL_SCANCODE_RCTRL:
            return HGEK_CTRL;
        case SDL_SCANCODE_LSHIFT:
        case SDL_SCANCODE_RSHIFT:
            return HGEK_SHIFT;
        case SDL_SCANCODE_LALT:
        case SDL_SCANCODE_RALT:
            return HGEK_ALT;
        case SDL_SCANCODE_PAUSE:
            return HGEK_PAUSE;
        case SDL_SCANCODE_CAPSLOCK:
            return HGEK_CAPSLOCK;
        case SDL_SCANCODE_KP_PLUS:
            return 0x6B;  // VK_ADD
        case SDL_SCANCODE_KP_MINUS:
            return 0x6D;  // VK_SUBTRACT
        case SDL_SCANCODE_MINUS:
            return 0xBD;  // VK_OEM_MINUS
        case SDL_SCANCODE_EQUALS:
            return 0xBB;  // VK_OEM_PLUS
        default:
            return 0;
    }
}

int VirtualKeyFromMouseButton(Uint8 button) {
    switch (button) {
        case SDL_BUTTON_LEFT:
            return HGEK_LBUTTON;
        case SDL_BUTTON_RIGHT:
            return HGEK_RBUTTON;
        case SDL_BUTTON_MIDDLE:
            return HGEK_MBUTTON;
        default:
            return 0;
    }
}
