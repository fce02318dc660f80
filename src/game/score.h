// The game's points.
#pragma once

struct Score {
    int total = 0;  // TotalScore
    int level = 0;  // LevelScore: the points earned in the level in play
};
