// The fail screen: the level is lost; its button or Space plays the same
// level again, with the points it had earned taken back.
#pragma once

struct Game;
struct ResultScreen;
struct Sounds;

// Reads script/game_fail.luac and res/game_fail.pak.
void LoadFailScreen(ResultScreen& screen, Sounds* sounds);
void UpdateFailScreen(Game& game, float dt);
void RenderFailScreen(Game& game);
// The ready banner of the same level, its points taken off the total.
void RetryLevel(Game& game);
