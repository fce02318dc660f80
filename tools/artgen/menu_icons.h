// Small flat symbols for buttons and labels, drawn in one ink colour.
#pragma once

#include "artgen/button.h"
#include "artgen/paint.h"

#include <cairo.h>

namespace artgen {

enum class Symbol {
    Play,      // a right-pointing triangle
    Crown,     // high scores
    Gear,      // settings
    Globe,     // the maker's web page
    Power,     // exit
    Check,     // OK
    Cross,     // cancel
    Plus,      // new game
    Bars,      // menu
    Question,  // help
    Disk,      // save: an arrow into a tray
    Home,      // back to the start menu
    Next,      // next level: a double chevron
    Retry,     // a circular arrow
    Note,      // music
    Speaker,   // sound effects
};

// Draws the symbol centred on (cx, cy) fitting a size × size square.
void DrawSymbol(cairo_t* cr, Symbol symbol, double cx, double cy, double size, const Rgba& ink);

// A button icon that draws the symbol at the given size.
ButtonIcon SymbolIcon(Symbol symbol, double size);

}  // namespace artgen
