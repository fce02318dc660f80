#include "artgen/menu_screens.h"

namespace artgen {

void DrawInputScreen(const std::string&) {}

}  // namespace artgen
