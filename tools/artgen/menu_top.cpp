#include "artgen/menu_screens.h"

namespace artgen {

void DrawTopScreen(const std::string&) {}

}  // namespace artgen
