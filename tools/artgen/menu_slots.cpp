#include "artgen/menu_screens.h"

namespace artgen {

void DrawSlotsScreen(const std::string&) {}

}  // namespace artgen
