// The in-game menu: the HUD's menu button, always shown, opens and closes a
// panel with four buttons: resume, save, settings (the settings screen then
// takes over the panel) and back to the start menu. Esc does what the menu
// button does. While the menu is open the level stands still (GameState
// GameMenu); closing it brings back the state it was opened from.
#pragma once

#include "app/button.h"
#include "engine/animation.h"
#include "engine/resource_manager.h"

#include <memory>

struct App;
struct Game;
struct Sounds;

// Closed: open and buttonsLive both false; open with its buttons: both true;
// open with the settings screen: open true, buttonsLive false.
struct GameMenu {
    std::unique_ptr<hgeResourceManager> resources;
    std::unique_ptr<hgeAnimation> panel;
    int panelX = 0;
    int panelY = 0;
    Button start;               // back to the start menu
    Button resume;              // close the menu and play on
    Button save;                // write the save files; the menu stays open
    Button settings;            // the settings screen in the panel
    Button menu;                // the HUD's menu button, always shown and live
    bool open = false;          // GameMenuOpen: the panel is drawn
    bool buttonsLive = false;   // GameMenuButtonsLive: the panel's four buttons react
    int savedState = 0;         // GameState before the menu opened
    bool mouseWasDown = false;  // the left button in the previous menu update
    bool escWasDown = false;    // Esc in the previous menu update
};

// Reads script/gamemenu.luac and res/gamemenu.pak.
void LoadGameMenu(GameMenu& menu, Sounds& sounds);
// Opens the menu over the current GameState, or closes it and brings that
// state back through SetGameState (a banner restarts silently).
void ToggleGameMenu(Game& game);
// The menu's frame, from the game frame unless help is shown: the mouse on
// its buttons, Esc, and the settings screen when it has the panel.
void UpdateGameMenu(App& app);
// The panel and its buttons when open, the settings screen over them when it
// has the panel, and always the menu button.
void RenderGameMenu(App& app);
