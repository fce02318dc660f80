// One frame of the game in play and its picture, in a fixed order, and the
// pause that follows a loss of window focus.
#pragma once

struct App;
struct Game;

// The game frame's own edge flags, for resuming from a pause only (the
// shooter, the menu, help and the screens keep flags of their own).
struct ResumeKeys {
    bool space = false;
    bool mouse = false;
};

// One frame while AppState is Game: the HUD animals, the resume from a pause,
// then by GameState the banner, the play (shooter, flying block, collision,
// aim line, board, board advance, props, effects) or a result screen; then
// the in-game menu and help.
void GameFrame(App& app, float dt);
// The game's picture: background, animals, the clipped field, aim line,
// numbers, shooter, flying block, menu, help and what the GameState adds.
void GameRender(App& app);
// Window focus lost: a game in play pauses; any other state stays.
void PauseOnFocusLoss(Game& game);
