#include "screens/merge_score.h"

#include <algorithm>

void MergeScore(ScoreTable& table, std::string_view name, int totalScore) {
    auto& entries = table.entries;
    const int count = std::clamp(table.count, 0, kScoreEntryCount);
    const auto first = entries.begin();

    const auto found = std::find_if(first, first + count,
                                    [&](const ScoreEntry& entry) { return entry.name == name; });
    if (found != first + count) {
        if (found->score >= totalScore) {
            return;
        }
        // Rise above every entry scoring the same or less.
        auto target = found;
        while (target != first && (target - 1)->score <= totalScore) {
            --target;
        }
        std::rotate(target, found, found + 1);
        target->score = totalScore;
        return;
    }

    const auto place = std::find_if(
        first, first + count, [&](const ScoreEntry& entry) { return entry.score <= totalScore; });
    if (place == first + kScoreEntryCount) {
        return;  // a full table that outscores the player everywhere
    }
    const int newCount = std::min(count + 1, kScoreEntryCount);
    // Entries from place move down one; the last of a full table drops off.
    std::rotate(place, first + newCount - 1, first + newCount);
    place->name = std::string(name);
    place->score = totalScore;
    table.count = newCount;
}
