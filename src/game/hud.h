// The fixed picture around the field: the background, the ceiling that sits
// on the board once no more rows come, four animated animals, the total
// score and level number, and the picture shown while the game is paused.
// Read once from script/game_back.luac and res/game_back.pak.
#pragma once

#include "engine/animation.h"
#include "engine/resource_manager.h"
#include "game/digit_strip.h"

#include <array>
#include <memory>

struct Game;

inline constexpr int kAnimalCount = 4;

struct Hud {
    std::unique_ptr<hgeResourceManager> resources;
    std::unique_ptr<hgeAnimation> back;       // drawn at (0, 0) first
    std::unique_ptr<hgeAnimation> ceiling;    // "back1": on top of the board
    DigitStrip resultDigits;                  // "number1": the pass and fail screens
    DigitStrip hudDigits;                     // "number": the score and the level
    std::unique_ptr<hgeAnimation> lostFocus;  // shown while Paused
    int lostFocusX = 0;
    int lostFocusY = 0;
    int scoreX = 0;  // TotalScore
    int scoreY = 0;
    int pointsX = 0;  // CurrentLevel
    int pointsY = 0;
    std::array<std::unique_ptr<hgeAnimation>, kAnimalCount> animals;
    std::array<int, kAnimalCount> animalX{};
    std::array<int, kAnimalCount> animalY{};
};

void LoadHud(Hud& hud);
// The animals run in every game frame, whatever the game's state.
void UpdateAnimals(Hud& hud, float dt);
void RenderAnimals(Hud& hud);

// The HUD's parts at their places in the game picture.
void RenderHudBackground(Hud& hud);
// The ceiling's bottom edge on the board's top edge, once NeedRemove is 0
// or less; drawn inside the field's clipping.
void RenderCeiling(Game& game);
// TotalScore and CurrentLevel in the HUD digits.
void RenderHudNumbers(Game& game);
void RenderPausePicture(Hud& hud);
