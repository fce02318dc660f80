// Everything the running game holds, in one plain struct: the configuration,
// the top-level state, every screen's state and the sounds. The shell's
// callbacks work on one App; a test can build a fresh one.
#pragma once

#include "app/config.h"
#include "app/sound.h"
#include "game/game.h"
#include "screens/high_scores.h"
#include "screens/logo.h"
#include "screens/name_input.h"
#include "screens/save_data.h"
#include "screens/save_slots.h"
#include "screens/settings.h"
#include "screens/start_menu.h"
#include "text/text_input_routing.h"

#include <string>

class HGE;

enum class AppState : int { Logo = 0, Menu = 1, Game = 2 };

struct App {
    HGE* hge = nullptr;  // the engine reference of the running game; null outside RunGame
    Config config;
    AppState appState = AppState::Logo;
    float logoTime = 0.0f;  // seconds of frame deltas summed while the logo shows
    // Where the save files go; empty means the user's data folder.
    std::string saveDir;

    LogoScreen logo;
    StartMenu startMenu;
    TextInputRouting textInput;  // before the screens whose boxes it routes to
    NameInputScreen nameInput;
    SaveSlotScreen saveSlots;
    HighScoreScreen highScores;
    SettingsScreen settings;  // in the menu and inside the in-game menu
    Sounds sounds;
    Game game;      // the game in play
    SaveData save;  // the player slots, the high scores, the current slot and player
};
