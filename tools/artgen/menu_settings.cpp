#include "artgen/menu_screens.h"

namespace artgen {

void DrawSettingsScreen(const std::string&) {}

}  // namespace artgen
