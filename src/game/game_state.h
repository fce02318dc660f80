// Changing GameState, with the banner and its sound that some states start.
#pragma once

#include "game/game.h"

// Ready, PassBanner and FailBanner set the banner kind and restart their
// banner, and play their sound unless the game is paused or in its menu or
// help; then GameState takes the value.
void SetGameState(Game& game, int value);
