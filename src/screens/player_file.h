// script/player: the five player slots, four lines each, "used", "name",
// "score" and "points", each a key word, one space, the value and CR LF.
#pragma once

#include "screens/save_data.h"

#include <ostream>
#include <string>
#include <string_view>

// Fills the slots from a player file's text. A field whose read fails keeps
// its value; problems go to errors, naming fileName and the line.
void ParsePlayerSlots(std::string_view text, const std::string& fileName, PlayerSave& slots,
                      std::ostream& errors);
// The bytes of a player file holding slots.
std::string FormatPlayerSlots(const PlayerSave& slots);

// Reads root/script/player into save.playerSave, once at start-up. A missing
// file leaves five empty slots.
void LoadPlayerSlots(SaveData& save, const std::string& root);
