// Merging a player's total into the high-score table: where a new name goes,
// how a known name rises, and what never changes the table.
#include "screens/merge_score.h"
#include "screens/score_file.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Entries = std::vector<std::pair<std::string, int>>;

ScoreTable TableOf(const Entries& entries) {
    ScoreTable table;
    table.count = static_cast<int>(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        table.entries[i] = {entries[i].first, entries[i].second};
    }
    return table;
}

Entries EntriesOf(const ScoreTable& table) {
    Entries entries;
    for (int i = 0; i < table.count; ++i) {
        entries.emplace_back(table.entries[i].name, table.entries[i].score);
    }
    return entries;
}

// The default table with its names shortened to d9 .. d0 for readable cases.
Entries Defaults() {
    Entries entries;
    for (int i = 0; i < 10; ++i) {
        entries.emplace_back("d" + std::to_string(9 - i), 10000 - 1000 * i);
    }
    return entries;
}

Entries With(Entries entries, size_t index, std::string name, int score) {
    entries[index] = {std::move(name), score};
    return entries;
}

struct MergeCase {
    const char* name;
    Entries before;
    std::string player;
    int total;
    Entries after;
};

class MergeScoreTest : public testing::TestWithParam<MergeCase> {};

TEST_P(MergeScoreTest, GivesTheTable) {
    const MergeCase& c = GetParam();
    ScoreTable table = TableOf(c.before);
    MergeScore(table, c.player, c.total);
    EXPECT_EQ(EntriesOf(table), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MergeScoreTest,
    testing::Values(
        // New at index 5, above the default scoring the same; 1000 drops off.
        MergeCase{"NewPlayerAboveAnEqualScore",
                  Defaults(),
                  "Bee",
                  5000,
                  {{"d9", 10000},
                   {"d8", 9000},
                   {"d7", 8000},
                   {"d6", 7000},
                   {"d5", 6000},
                   {"Bee", 5000},
                   {"d4", 5000},
                   {"d3", 4000},
                   {"d2", 3000},
                   {"d1", 2000}}},
        // At index 7 with 3000, saving 6500: to index 4, the entries at 4 to
        // 6 one place down.
        MergeCase{"KnownPlayerRises",
                  With(Defaults(), 7, "Bee", 3000),
                  "Bee",
                  6500,
                  {{"d9", 10000},
                   {"d8", 9000},
                   {"d7", 8000},
                   {"d6", 7000},
                   {"Bee", 6500},
                   {"d5", 6000},
                   {"d4", 5000},
                   {"d3", 4000},
                   {"d1", 2000},
                   {"d0", 1000}}},
        MergeCase{"KnownPlayerRisesAboveAnEqualScore",
                  {{"a", 900}, {"b", 500}, {"Bee", 100}},
                  "Bee",
                  500,
                  {{"a", 900}, {"Bee", 500}, {"b", 500}}},
        MergeCase{"KnownPlayerRisesToTheTop",
                  {{"a", 900}, {"Bee", 100}},
                  "Bee",
                  2000,
                  {{"Bee", 2000}, {"a", 900}}},
        MergeCase{"LowerTotalKeepsTheHigherScore", With(Defaults(), 3, "Bee", 7000), "Bee", 1500,
                  With(Defaults(), 3, "Bee", 7000)},
        MergeCase{"EqualTotalChangesNothing",
                  {{"a", 900}, {"Bee", 400}},
                  "Bee",
                  400,
                  {{"a", 900}, {"Bee", 400}}},
        MergeCase{"AppendedToATableOfThree",
                  {{"a", 500}, {"b", 400}, {"c", 300}},
                  "Bee",
                  100,
                  {{"a", 500}, {"b", 400}, {"c", 300}, {"Bee", 100}}},
        MergeCase{"InsertedIntoATableOfThree",
                  {{"a", 500}, {"b", 400}, {"c", 300}},
                  "Bee",
                  450,
                  {{"a", 500}, {"Bee", 450}, {"b", 400}, {"c", 300}}},
        MergeCase{"FullTableOutscoresThePlayer", Defaults(), "Bee", 999, Defaults()},
        MergeCase{"FirstEntryOfAnEmptyTable", {}, "Bee", 0, {{"Bee", 0}}},
        // Names compare byte for byte, length included.
        MergeCase{"LongerNameIsAnotherPlayer",
                  {{"Bee", 900}},
                  "Bee2",
                  100,
                  {{"Bee", 900}, {"Bee2", 100}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DefaultScoreTable, TenChineseNamesFrom10000Down) {
    const ScoreTable table = DefaultScoreTable();
    ASSERT_EQ(table.count, 10);
    // "禾岚小游戏" in code page 936, then the digit.
    const std::string stem = "\xBA\xCC\xE1\xB0\xD0\xA1\xD3\xCE\xCF\xB7";
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(table.entries[i].name, stem + std::to_string(9 - i));
        EXPECT_EQ(table.entries[i].name.size(), 11u);
        EXPECT_EQ(table.entries[i].score, 10000 - 1000 * i);
    }
}

}  // namespace
