// The font of a screen that draws text (the save slots' names, the high
// scores), made so that a missing face costs the text and not the game.
#pragma once

#include "text/gfx_font.h"

#include <memory>

// A white font size pixels high, or null with one line on stderr naming the
// screen when no face can be opened at that size.
std::unique_ptr<GfxFont> MakeScreenFont(const char* screenName, int size);
