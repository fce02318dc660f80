// Setting a level up from the rule script.
#pragma once

#include "game/game.h"

// Puts the board back at its starting place, reads the level's rules, empties
// the board and fills its opening rows, resets the props' counters and the
// shooter. The caller has set level.current to the same number; scores,
// GameState and the speed mode are the caller's.
void SetUpLevel(Game& game, int level);
