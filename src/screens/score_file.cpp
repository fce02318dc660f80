#include "screens/score_file.h"

#include "screens/save_file_read.h"
#include "screens/save_name.h"
#include "screens/save_paths.h"
#include "screens/save_tokens.h"

#include <algorithm>
#include <iostream>

ScoreTable DefaultScoreTable() {
    // "禾岚小游戏" in code page 936, followed by a digit from 9 down to 0.
    const std::string stem = "\xBA\xCC\xE1\xB0\xD0\xA1\xD3\xCE\xCF\xB7";
    ScoreTable table;
    table.count = kScoreEntryCount;
    for (int i = 0; i < kScoreEntryCount; ++i) {
        table.entries[i].name = stem + static_cast<char>('9' - i);
        table.entries[i].score = 10000 - 1000 * i;
    }
    return table;
}

void ParseScoreTable(std::string_view text, const std::string& fileName, ScoreTable& table,
                     std::ostream& errors) {
    SaveTokens tokens(text, fileName, errors);
    int count = table.count;
    const int countLine = tokens.Line();
    tokens.KeyInt(count);
    if (count < 0 || count > kScoreEntryCount) {
        tokens.Report(countLine, "a count of " + std::to_string(count) + " entries is read as " +
                                     std::to_string(std::clamp(count, 0, kScoreEntryCount)));
        count = std::clamp(count, 0, kScoreEntryCount);
    }
    int read = 0;
    while (read < count) {
        ScoreEntry entry;
        if (!tokens.KeyName(entry.name, kScoreNameBytes) || !tokens.KeyInt(entry.score)) {
            tokens.Report(tokens.Line(), "only " + std::to_string(read) + " of the table's " +
                                             std::to_string(count) + " entries are read whole");
            break;
        }
        table.entries[read] = std::move(entry);
        ++read;
    }
    table.count = read;
}

std::string FormatScoreTable(const ScoreTable& table) {
    const int count = std::clamp(table.count, 0, kScoreEntryCount);
    std::string text = "numplayer " + std::to_string(count) + "\r\n";
    for (int i = 0; i < count; ++i) {
        text += "name " + SanitiseName(table.entries[i].name, kScoreNameBytes) + "\r\n";
        text += "score " + std::to_string(table.entries[i].score) + "\r\n";
    }
    return text;
}

void LoadScoreTable(SaveData& save, const std::string& root) {
    save.scoreTable = ScoreTable{};
    save.scoreFile = SaveFileState::Loaded;
    if (root.empty()) {
        save.scoreTable = DefaultScoreTable();
        return;
    }
    const std::string path = ScoreFilePath(root);
    const FileRead file = ReadSaveFile(path);
    if (file.status == FileRead::Status::Failed) {
        save.scoreFile = SaveFileState::Unreadable;
    }
    if (file.status != FileRead::Status::Read) {
        save.scoreTable = DefaultScoreTable();
        return;
    }
    ParseScoreTable(file.bytes, path, save.scoreTable, std::cerr);
}
