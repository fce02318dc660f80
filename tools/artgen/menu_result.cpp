#include "artgen/menu_screens.h"

namespace artgen {

void DrawResultScreens(const std::string&) {}

}  // namespace artgen
