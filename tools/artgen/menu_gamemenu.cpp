#include "artgen/menu_screens.h"

namespace artgen {

void DrawGameMenuScreen(const std::string&) {}

}  // namespace artgen
