// script/score: the high-score table: "numplayer" with the count, then
// "name" and "score" for each valid entry, each a key word, one space, the
// value and CR LF.
#pragma once

#include "screens/save_data.h"

#include <ostream>
#include <string>
#include <string_view>

// The table used when there is no score file: ten entries from 10000 down
// to 1000.
ScoreTable DefaultScoreTable();

// Fills table from a score file's text. A count outside 0 to 10 is held in
// that range; a file that ends before its count gives the entries read
// whole. Problems go to errors, naming fileName and the line.
void ParseScoreTable(std::string_view text, const std::string& fileName, ScoreTable& table,
                     std::ostream& errors);
// The bytes of a score file holding table.
std::string FormatScoreTable(const ScoreTable& table);

// Reads root/script/score into save.scoreTable, once at start-up; the
// default table when there is no file. An empty file gives an empty table.
void LoadScoreTable(SaveData& save, const std::string& root);
