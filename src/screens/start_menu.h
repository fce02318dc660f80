// The start menu: the screen behind every other menu screen. It owns
// MenuState, which names the sub-screen run and drawn on top of it; while
// MenuState is Main its five buttons are live, otherwise they are drawn as
// they were when the sub-screen opened.
#pragma once

#include "app/button.h"
#include "engine/animation.h"
#include "engine/resource_manager.h"

#include <memory>
#include <string>

struct App;
class HGE;
struct Sounds;

enum class MenuState : int { Main = 0, NameInput = 1, SaveSlots = 2, HighScores = 5, Settings = 6 };

// The page the more button opens, a file of the game folder until the game
// has a web site of its own.
inline constexpr const char* kMorePage = "README.md";

struct StartMenu {
    std::unique_ptr<hgeResourceManager> resources;
    std::unique_ptr<hgeAnimation> background;  // drawn at (0, 0), never advanced
    Button start;
    Button more;
    Button exit;
    Button top;
    Button set;
    float mouseX = 0;  // the last mouse position read
    float mouseY = 0;
    bool mouseWasDown = false;  // the left button in the previous frame
    MenuState menuState = MenuState::Main;
};

// Reads script/start.luac and res/start.pak; the buttons play their sound
// through sounds.
void LoadStartMenu(StartMenu& menu, Sounds& sounds);
// Called every frame while AppState is Menu: the menu's buttons, then the
// sub-screen MenuState names.
void StartMenuFrame(App& app);
void StartMenuRender(App& app);

// The more button's page as a file URL: file:// and the absolute path of
// kMorePage in the game folder, with unsafe characters percent-encoded.
std::string MorePageUrl(const HGE& hge);
