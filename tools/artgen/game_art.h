// The textures of the game screen, one drawing function per file. Each
// writes its PNG files into dir; data/res/*.pak names their frames.
#pragma once

#include <string>

namespace artgen::game {

// block_normal, block_hit, block_remove, block_bomb (board_blocks.cpp).
void DrawBlocks(const std::string& dir);
// props_icons: the six prop badges and the armed bomb (game_props.cpp).
void DrawProps(const std::string& dir);
// shoot_launcher and aim_line (game_shooter.cpp).
void DrawShooter(const std::string& dir);
// gameback_back, the game background (game_background.cpp).
void DrawGameBackground(const std::string& dir);
// gameback_ceiling, the wax ceiling above the board (game_ceiling.cpp).
void DrawCeiling(const std::string& dir);
// gameback_digits and gameback_pause (game_hud.cpp).
void DrawHud(const std::string& dir);
// gameback_animals: two bees, a butterfly and a ladybug (game_animals.cpp).
void DrawAnimals(const std::string& dir);
// banner_ready, banner_pass, banner_fail (game_banners.cpp).
void DrawBanners(const std::string& dir);

}  // namespace artgen::game
