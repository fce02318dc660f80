// Puts a player's total into the high-score table, best first.
#pragma once

#include "screens/save_data.h"

#include <string_view>

// name is compared byte for byte with the entries' names. A player already
// in the table keeps only the best score and moves up when it grows; a new
// player goes in above every entry scoring the same or less, the tenth entry
// dropping off a full table. A total too low for a full table changes nothing.
void MergeScore(ScoreTable& table, std::string_view name, int totalScore);
