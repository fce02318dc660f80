#include "screens/player_file.h"

#include "screens/save_file_read.h"
#include "screens/save_name.h"
#include "screens/save_paths.h"
#include "screens/save_tokens.h"

#include <iostream>

void ParsePlayerSlots(std::string_view text, const std::string& fileName, PlayerSave& slots,
                      std::ostream& errors) {
    SaveTokens tokens(text, fileName, errors);
    for (SlotSave& slot : slots.slots) {
        tokens.KeyInt(slot.used);
        tokens.KeyName(slot.name, kSlotNameBytes);
        tokens.KeyInt(slot.score);
        tokens.KeyInt(slot.points);
    }
}

std::string FormatPlayerSlots(const PlayerSave& slots) {
    std::string text;
    for (const SlotSave& slot : slots.slots) {
        text += "used " + std::to_string(slot.used) + "\r\n";
        text += "name " + SanitiseName(slot.name, kSlotNameBytes) + "\r\n";
        text += "score " + std::to_string(slot.score) + "\r\n";
        text += "points " + std::to_string(slot.points) + "\r\n";
    }
    return text;
}

void LoadPlayerSlots(SaveData& save, const std::string& root) {
    save.playerSave = PlayerSave{};
    save.playerFile = SaveFileState::Loaded;
    if (root.empty()) {
        std::cerr << "bubblehive: no folder for the saves (neither XDG_DATA_HOME nor HOME is "
                     "set); the player slots start empty\n";
        return;
    }
    const std::string path = PlayerFilePath(root);
    const FileRead file = ReadSaveFile(path);
    if (file.status == FileRead::Status::Failed) {
        save.playerFile = SaveFileState::Unreadable;
        return;
    }
    if (file.status == FileRead::Status::Read) {
        ParsePlayerSlots(file.bytes, path, save.playerSave, std::cerr);
    }
}
