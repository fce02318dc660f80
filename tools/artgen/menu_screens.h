// The menu generator's screens, one file each; menu_art.cpp calls them all.
#pragma once

#include <string>

namespace artgen {

void DrawLogoScreen(const std::string& dir);      // logo_main, icon
void DrawStartScreen(const std::string& dir);     // start_back, start_buttons
void DrawInputScreen(const std::string& dir);     // input_back, input_buttons
void DrawSlotsScreen(const std::string& dir);     // read_back, read_buttons
void DrawTopScreen(const std::string& dir);       // top_back, top_buttons
void DrawSettingsScreen(const std::string& dir);  // set_back, set_parts
void DrawGameMenuScreen(const std::string& dir);  // gamemenu_back, gamemenu_buttons
void DrawHelpScreen(const std::string& dir);      // help_back, help_button
void DrawResultScreens(const std::string& dir);   // pass_back, pass_button, fail_*

}  // namespace artgen
