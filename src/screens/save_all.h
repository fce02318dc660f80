// SaveAll: writes the player slots and the high-score table, after the
// frame loop and at the in-game menu's save button.
#pragma once

#include "screens/save_data.h"

#include <string>

struct App;

// The state of the game that a save stores.
struct SaveInput {
    // GameState as the level stands: a level passed (PassBanner or
    // PassScreen) is saved as done, any other state as it was when the level
    // began.
    int gameState = 0;
    int currentLevel = 0;  // CurrentLevel: 0 until a level is set up
    int totalScore = 0;    // TotalScore
    int levelScore = 0;    // LevelScore
};

struct SaveResult {
    bool playerWritten = false;
    bool scoreWritten = false;
    bool Ok() const { return playerWritten && scoreWritten; }
};

// Updates the current slot (CurrentSlot, if any) with the player's name and
// progress and writes script/player; merges the player's name and total into
// the table (when there is a player) and writes script/score; both inside
// root. Each file is written
// whole or not at all: a file that cannot be written stays as it was on
// disk, its part of save stays as it was in memory, a line goes to stderr and
// the game goes on. A file whose load did not run, or that could not be
// read, is not written.
SaveResult SaveAll(SaveData& save, const SaveInput& input, const std::string& root);

// SaveAll for the running game: its save data, its save folder, and its game
// state as the level stands under the in-game menu or help.
SaveResult SaveAll(App& app);
