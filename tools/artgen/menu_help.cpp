#include "artgen/menu_screens.h"

namespace artgen {

void DrawHelpScreen(const std::string&) {}

}  // namespace artgen
