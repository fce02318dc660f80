// The start menu: the screen behind every other menu screen. It owns
// MenuState, which names the sub-screen run and drawn on top of it.
#pragma once

struct App;

enum class MenuState : int { Main = 0, NameInput = 1, SaveSlots = 2, HighScores = 5, Settings = 6 };

struct StartMenu {
    MenuState menuState = MenuState::Main;
};

// Called every frame while AppState is Menu.
void StartMenuFrame(App& app);
void StartMenuRender(App& app);
