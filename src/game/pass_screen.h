// The pass screen: the level is cleared; its button or Space goes on to the
// next level, keeping the points the level earned.
#pragma once

struct Game;
struct ResultScreen;
struct Sounds;

// Reads script/game_pass.luac and res/game_pass.pak.
void LoadPassScreen(ResultScreen& screen, Sounds* sounds);
void UpdatePassScreen(Game& game, float dt);
void RenderPassScreen(Game& game);
// The ready banner of the next level, with the level's points kept.
void GoOnToNextLevel(Game& game);
