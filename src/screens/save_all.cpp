#include "screens/save_all.h"

#include "app/app.h"
#include "engine/file_io.h"
#include "game/game.h"
#include "screens/merge_score.h"
#include "screens/player_file.h"
#include "screens/save_name.h"
#include "screens/save_paths.h"
#include "screens/score_file.h"

#include <iostream>

namespace {

// Why a file is not written, or an empty string when it may be.
std::string Refusal(SaveFileState state, const std::string& root) {
    switch (state) {
        case SaveFileState::NotLoaded:
            return "it was never loaded";
        case SaveFileState::Unreadable:
            return "it could not be read at start-up";
        case SaveFileState::Loaded:
            break;
    }
    if (root.empty()) {
        return "there is no folder for the saves (neither XDG_DATA_HOME nor HOME is set)";
    }
    return "";
}

bool WriteSaveFile(const std::string& what, const std::string& path, SaveFileState state,
                   const std::string& root, const std::string& bytes) {
    std::string error = Refusal(state, root);
    if (error.empty()) {
        error = WriteFileAtomically(path, bytes);
    }
    if (!error.empty()) {
        std::cerr << "bubblehive: the " << what << " are not saved to "
                  << (root.empty() ? std::string("script/") : path) << ": " << error << "\n";
        return false;
    }
    return true;
}

bool LevelPassed(int gameState) {
    return gameState == GameState::PassBanner || gameState == GameState::PassScreen;
}

// The level's state under the in-game menu and help (either may be open over
// the other), so that a save made over the pass screen counts the level.
int LevelState(const Game& game) {
    int state = game.gameState;
    for (int step = 0; step < 2; ++step) {
        if (state == GameState::Help) {
            state = game.help.savedState;
        } else if (state == GameState::GameMenu) {
            state = game.gameMenu.savedState;
        }
    }
    return state;
}

}  // namespace

SaveResult SaveAll(SaveData& save, const SaveInput& input, const std::string& root) {
    SaveResult result;

    PlayerSave slots = save.playerSave;
    if (save.currentSlot >= 0 && save.currentSlot < kSlotCount) {
        SlotSave& slot = slots.slots[save.currentSlot];
        slot.used = 1;
        slot.name = SanitiseName(save.playerName, kSlotNameBytes);
        // In the middle of a level the slot keeps the progress from the
        // level's start; a passed level counts in full.
        const bool passed = LevelPassed(input.gameState);
        slot.score = passed ? input.totalScore : input.totalScore - input.levelScore;
        slot.points = passed ? input.currentLevel : input.currentLevel - 1;
    }
    result.playerWritten = WriteSaveFile("player slots", PlayerFilePath(root), save.playerFile,
                                         root, FormatPlayerSlots(slots));
    if (result.playerWritten) {
        save.playerSave = slots;
    }

    // Without a player name no game was started in this run: nobody to list.
    ScoreTable table = save.scoreTable;
    if (!save.playerName.empty()) {
        MergeScore(table, SanitiseName(save.playerName, kScoreNameBytes), input.totalScore);
    }
    result.scoreWritten = WriteSaveFile("high scores", ScoreFilePath(root), save.scoreFile, root,
                                        FormatScoreTable(table));
    if (result.scoreWritten) {
        save.scoreTable = table;
    }
    return result;
}

SaveResult SaveAll(App& app) {
    const Game& game = app.game;
    const SaveInput input{LevelState(game), game.level.current, game.score.total, game.score.level};
    return SaveAll(app.save, input, SaveRoot(app.saveDir));
}
