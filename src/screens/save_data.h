// What the game remembers between runs: the five player slots (PlayerSave)
// and the high-score table (ScoreTable), with the current slot and the
// current player's name. Names are code page 936 bytes, as in the files.
#pragma once

#include <array>
#include <cstddef>
#include <string>

inline constexpr int kSlotCount = 5;
inline constexpr int kScoreEntryCount = 10;
// The longest name each file's field holds, in bytes.
inline constexpr size_t kSlotNameBytes = 23;
inline constexpr size_t kScoreNameBytes = 20;

struct SlotSave {
    int used = 0;            // 1: the slot holds a game
    std::string name = "n";  // an empty slot keeps the name "n"
    int score = 0;           // total score when the last completed level ended
    int points = 0;          // number of the last completed level (0: none yet)
};

struct PlayerSave {
    std::array<SlotSave, kSlotCount> slots;
};

struct ScoreEntry {
    std::string name;
    int score = 0;
};

// Entries 0 to count - 1 are valid, best first.
struct ScoreTable {
    int count = 0;
    std::array<ScoreEntry, kScoreEntryCount> entries;
};

// How a save file came in at start-up. A file that exists but could not be
// read is never overwritten, so a passing fault cannot wipe the saves.
enum class SaveFileState {
    NotLoaded,   // no load ran (the engine did not start): the file is left alone
    Loaded,      // read, or missing and started fresh
    Unreadable,  // exists but could not be read
};

struct SaveData {
    PlayerSave playerSave;
    ScoreTable scoreTable;
    int currentSlot = -1;    // CurrentSlot: the slot in play, -1 for none
    std::string playerName;  // PlayerName: the current player's name
    SaveFileState playerFile = SaveFileState::NotLoaded;
    SaveFileState scoreFile = SaveFileState::NotLoaded;
};
