// Translates SDL keys into the Windows virtual-key codes the game uses.
#pragma once

#include <SDL.h>

// The virtual-key code of a key, or 0 for keys the game does not know.
// Letters follow the keyboard layout (the key code); everything else the
// physical key (the scancode).
int VirtualKeyFromSdl(SDL_Scancode scancode, SDL_Keycode keycode);
// The virtual-key code of a mouse button (1 left, 2 right, 4 middle), or 0.
int VirtualKeyFromMouseButton(Uint8 button);
