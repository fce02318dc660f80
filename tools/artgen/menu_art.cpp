// Every picture around the game: the logo and icon, the start menu and its
// sub-screens, the in-game menu, the help picture and the pass and fail
// screens. Each screen is drawn by its own file.
#include "artgen/artgen.h"
#include "artgen/menu_screens.h"

namespace artgen {

void DrawMenuArt(const std::string& dir) {
    DrawLogoScreen(dir);
    DrawStartScreen(dir);
    DrawInputScreen(dir);
    DrawSlotsScreen(dir);
    DrawTopScreen(dir);
    DrawSettingsScreen(dir);
    DrawGameMenuScreen(dir);
    DrawHelpScreen(dir);
    DrawResultScreens(dir);
}

}  // namespace artgen
