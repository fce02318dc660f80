// Every texture of the game screen: what is drawn while a level is played.
#include "artgen/artgen.h"
#include "artgen/game_art.h"

namespace artgen {

void DrawBoardArt(const std::string& dir) {
    game::DrawBlocks(dir);
    game::DrawProps(dir);
    game::DrawShooter(dir);
    game::DrawGameBackground(dir);
    game::DrawCeiling(dir);
    game::DrawHud(dir);
    game::DrawAnimals(dir);
    game::DrawBanners(dir);
}

}  // namespace artgen
