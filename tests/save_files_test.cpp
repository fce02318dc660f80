// The save files on disk: their bytes, reading what other writers and
// damaged files hold, the slot a save updates, and saves that fail without
// harming the files already there.
#include "app/app.h"
#include "game/game.h"
#include "screens/player_file.h"
#include "screens/save_all.h"
#include "screens/save_name.h"
#include "screens/save_paths.h"
#include "screens/score_file.h"
#include "temp_folder.h"

#include <sys/resource.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// "禾岚小游戏" and "禾" in code page 936.
const std::string kStem = "\xBA\xCC\xE1\xB0\xD0\xA1\xD3\xCE\xCF\xB7";
const std::string kHe = "\xBA\xCC";

const std::string kEmptySlot = "used 0\r\nname n\r\nscore 0\r\npoints 0\r\n";

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

std::string DefaultScoreFile() {
    std::string text = "numplayer 10\r\n";
    for (int i = 0; i < 10; ++i) {
        text += "name " + kStem + std::to_string(9 - i) + "\r\n";
        text += "score " + std::to_string(10000 - 1000 * i) + "\r\n";
    }
    return text;
}

// The files of the folder, so a test can see that no temporary file is left.
std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

SaveData Loaded(const TempFolder& root) {
    SaveData save;
    LoadPlayerSlots(save, root.Path().string());
    LoadScoreTable(save, root.Path().string());
    return save;
}

TEST(SaveFiles, NoFilesGiveEmptySlotsAndTheDefaultsAndSaveThemByteForByte) {
    TempFolder root;
    SaveData save = Loaded(root);
    for (const SlotSave& slot : save.playerSave.slots) {
        EXPECT_EQ(slot.used, 0);
        EXPECT_EQ(slot.name, "n");
        EXPECT_EQ(slot.score, 0);
        EXPECT_EQ(slot.points, 0);
    }
    EXPECT_EQ(save.scoreTable.count, 10);

    // No slot chosen and no player: nothing changes, but both files appear
    // (their folder too).
    const SaveResult result = SaveAll(save, SaveInput{}, root.Path().string());
    EXPECT_TRUE(result.Ok());
    EXPECT_EQ(ReadBytes(root / "script/player"), Repeat(kEmptySlot, 5));
    EXPECT_EQ(ReadBytes(root / "script/score"), DefaultScoreFile());
    EXPECT_EQ(FilesIn(root / "script"), (std::vector<std::string>{"player", "score"}));
}

TEST(SaveFiles, AFileFromTheOriginalGameLoadsAndSavesUnchanged) {
    TempFolder root;
    std::string player;
    for (int i = 0; i < 5; ++i) {
        player +=
            i == 2 ? "used 1\r\nname " + kStem + "\r\nscore 1000\r\npoints 2\r\n" : kEmptySlot;
    }
    const std::string score =
        "numplayer 2\r\nname " + kStem + "\r\nscore 1200\r\nname Bee\r\nscore 3\r\n";
    root.Write("script/player", player);
    root.Write("script/score", score);

    SaveData save = Loaded(root);
    EXPECT_EQ(save.playerSave.slots[2].used, 1);
    EXPECT_EQ(save.playerSave.slots[2].name, kStem);
    EXPECT_EQ(save.playerSave.slots[2].score, 1000);
    EXPECT_EQ(save.playerSave.slots[2].points, 2);
    ASSERT_EQ(save.scoreTable.count, 2);
    EXPECT_EQ(save.scoreTable.entries[0].name, kStem);

    ASSERT_TRUE(SaveAll(save, SaveInput{}, root.Path().string()).Ok());
    EXPECT_EQ(ReadBytes(root / "script/player"), player);
    EXPECT_EQ(ReadBytes(root / "script/score"), score);
}

TEST(SaveFiles, EmptyScoreFileGivesAnEmptyTableThenOneEntry) {
    TempFolder root;
    root.Write("script/score", "");
    SaveData save = Loaded(root);
    EXPECT_EQ(save.scoreTable.count, 0);

    // Without a player (no game started) nobody is listed.
    ASSERT_TRUE(SaveAll(save, SaveInput{}, root.Path().string()).Ok());
    EXPECT_EQ(ReadBytes(root / "script/score"), "numplayer 0\r\n");

    save.playerName = "Bee";
    ASSERT_TRUE(SaveAll(save, SaveInput{1, 2, 700, 100}, root.Path().string()).Ok());
    EXPECT_EQ(ReadBytes(root / "script/score"), "numplayer 1\r\nname Bee\r\nscore 700\r\n");
}

struct SlotCase {
    const char* name;
    int currentSlot;
    std::string playerName;
    SaveInput input;
    SlotSave expected;  // what slot 1 holds afterwards
};

class SaveSlotTest : public testing::TestWithParam<SlotCase> {};

TEST_P(SaveSlotTest, StoresTheProgress) {
    const SlotCase& c = GetParam();
    TempFolder root;
    SaveData save = Loaded(root);
    save.currentSlot = c.currentSlot;
    save.playerName = c.playerName;
    ASSERT_TRUE(SaveAll(save, c.input, root.Path().string()).Ok());

    // Both in memory and as read back from the file.
    SaveData again = Loaded(root);
    for (const SaveData* data : {&save, &again}) {
        const SlotSave& slot = data->playerSave.slots[1];
        EXPECT_EQ(slot.used, c.expected.used);
        EXPECT_EQ(slot.name, c.expected.name);
        EXPECT_EQ(slot.score, c.expected.score);
        EXPECT_EQ(slot.points, c.expected.points);
        EXPECT_EQ(data->playerSave.slots[0].used, 0) << "another slot changed";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveSlotTest,
    testing::Values(
        // Mid-level: the progress as it stood when level 3 began.
        SlotCase{"MidLevel", 1, "Bee", {GameState::Playing, 3, 1200, 200}, {1, "Bee", 1000, 2}},
        SlotCase{"FromTheInGameMenu",
                 1,
                 "Bee",
                 {GameState::GameMenu, 3, 1200, 200},
                 {1, "Bee", 1000, 2}},
        // Closed on the pass screen after level 3: the level counts.
        SlotCase{
            "PassScreen", 1, "Bee", {GameState::PassScreen, 3, 1500, 500}, {1, "Bee", 1500, 3}},
        SlotCase{
            "PassBanner", 1, "Bee", {GameState::PassBanner, 3, 1500, 500}, {1, "Bee", 1500, 3}},
        SlotCase{"NoSlotChosen", -1, "Bee", {GameState::Playing, 3, 1200, 200}, {0, "n", 0, 0}},
        // A slot chosen but no game played: the name becomes a token of its own.
        SlotCase{"EmptyName", 1, "", {GameState::Ready, 0, 0, 0}, {1, "n", 0, -1}},
        SlotCase{
            "NameWithSpaces", 1, "Bee Hive\t", {GameState::Ready, 1, 0, 0}, {1, "Bee_Hive_", 0, 0}},
        SlotCase{"ChineseName", 1, kStem, {GameState::Ready, 1, 0, 0}, {1, kStem, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SaveFiles, TheRunningGameSavesItsLevelAndPoints) {
    // As at the in-game save button in the middle of level 3.
    TempFolder root;
    App app;
    app.saveDir = root.Path().string();
    LoadPlayerSlots(app.save, app.saveDir);
    LoadScoreTable(app.save, app.saveDir);
    app.save.currentSlot = 2;
    app.save.playerName = "Bee";
    app.game.gameState = GameState::Playing;
    app.game.level.current = 3;
    app.game.score.total = 1200;
    app.game.score.level = 200;
    ASSERT_TRUE(SaveAll(app).Ok());
    EXPECT_NE(
        ReadBytes(root / "script/player").find("used 1\r\nname Bee\r\nscore 1000\r\npoints 2\r\n"),
        std::string::npos);

    // Closed with help open over the in-game menu over the pass screen: the
    // level under both counts as passed.
    app.game.gameState = GameState::Help;
    app.game.help.savedState = GameState::GameMenu;
    app.game.gameMenu.savedState = GameState::PassScreen;
    ASSERT_TRUE(SaveAll(app).Ok());
    EXPECT_NE(
        ReadBytes(root / "script/player").find("used 1\r\nname Bee\r\nscore 1200\r\npoints 3\r\n"),
        std::string::npos)
        << ReadBytes(root / "script/player");
}

TEST(SaveName, CarriesOneWholeTokenThatFits) {
    EXPECT_EQ(SanitiseName("Bee", 23), "Bee");
    EXPECT_EQ(SanitiseName("", 23), "n");
    EXPECT_EQ(SanitiseName("a b\tc\r\nd", 23), "a_b_c__d");
    EXPECT_EQ(SanitiseName(std::string("a\0\x7F"
                                       "b",
                                       4),
                           23),
              "a__b");
    EXPECT_EQ(SanitiseName(std::string(30, 'x'), 23), std::string(23, 'x'));
    // Twelve two-byte characters are 24 bytes: 11 fit in 23, 10 in 20.
    EXPECT_EQ(SanitiseName(Repeat(kHe, 12), 23), Repeat(kHe, 11));
    EXPECT_EQ(SanitiseName("x" + Repeat(kHe, 12), 20), "x" + Repeat(kHe, 9));
    // A second pass changes nothing.
    const std::string once = SanitiseName("\xBA\t" + Repeat(kHe, 12), 20);
    EXPECT_EQ(SanitiseName(once, 20), once);
}

TEST(SaveFiles, NameTooLongForTheTableIsFoundAgainAtTheNextSave) {
    TempFolder root;
    SaveData save = Loaded(root);
    save.playerName = "abcdefghijklmnopqrstuv";  // 22 bytes: fits a slot, not the table
    ASSERT_TRUE(SaveAll(save, SaveInput{1, 1, 20000, 0}, root.Path().string()).Ok());
    ASSERT_TRUE(SaveAll(save, SaveInput{1, 1, 30000, 0}, root.Path().string()).Ok());
    EXPECT_EQ(save.scoreTable.entries[0].name, "abcdefghijklmnopqrst");
    EXPECT_EQ(save.scoreTable.entries[0].score, 30000);
    EXPECT_EQ(save.scoreTable.entries[1].name, kStem + "9") << "the player is in twice";
}

struct ScoreParseCase {
    const char* name;
    std::string text;
    std::vector<std::pair<std::string, int>> entries;
    std::string message;  // a part of what goes to errors; empty: nothing
};

class ScoreParseTest : public testing::TestWithParam<ScoreParseCase> {};

TEST_P(ScoreParseTest, ReadsWhatIsWhole) {
    const ScoreParseCase& c = GetParam();
    ScoreTable table;
    std::ostringstream errors;
    ParseScoreTable(c.text, "score", table, errors);
    std::vector<std::pair<std::string, int>> entries;
    for (int i = 0; i < table.count; ++i) {
        entries.emplace_back(table.entries[i].name, table.entries[i].score);
    }
    EXPECT_EQ(entries, c.entries);
    if (c.message.empty()) {
        EXPECT_EQ(errors.str(), "");
    } else {
        EXPECT_NE(errors.str().find(c.message), std::string::npos) << errors.str();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScoreParseTest,
    testing::Values(ScoreParseCase{"AnyWhiteSpace",
                                   "numplayer\t2\nname a\n\n score  5\vname b score -3",
                                   {{"a", 5}, {"b", -3}},
                                   ""},
                    ScoreParseCase{"CountOf99",
                                   "numplayer 99\r\nname a\r\nscore 3\r\nname b\r\nscore 2\r\n",
                                   {{"a", 3}, {"b", 2}},
                                   "score:1: a count of 99 entries is read as 10"},
                    ScoreParseCase{
                        "NegativeCount", "numplayer -4\r\nname a\r\nscore 3\r\n", {}, "read as 0"},
                    ScoreParseCase{"EndsInsideAnEntry",
                                   "numplayer 3\r\nname a\r\nscore 3\r\nname b\r\n",
                                   {{"a", 3}},
                                   "only 1 of the table's 3 entries are read whole"},
                    ScoreParseCase{"LongToken",
                                   "numplayer 2\r\nname " + std::string(300, 'x') +
                                       "\r\nscore 7\r\nname b\r\nscore 6\r\n",
                                   {{std::string(20, 'x'), 7}, {"b", 6}},
                                   "score:2: a name of 300 bytes"},
                    ScoreParseCase{"LongChineseToken",
                                   "numplayer 1\r\nname " + Repeat(kHe, 150) + "\r\nscore 7\r\n",
                                   {{Repeat(kHe, 10), 7}},
                                   "300 bytes"},
                    ScoreParseCase{"CountNotANumber",
                                   "numplayer many\r\nname a\r\nscore 3\r\n",
                                   {},
                                   "expected a whole number after `numplayer`"},
                    ScoreParseCase{"HugeNumbersHeld",
                                   "numplayer 2 name a score 99999999999 name b score -99999999999",
                                   {{"a", 2147483647}, {"b", -2147483647 - 1}},
                                   ""},
                    ScoreParseCase{"ControlBytesInAName",
                                   "numplayer 1 name a\x01"
                                   "b score 1",
                                   {{"a_b", 1}},
                                   ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlayerFileParse, LongTokenIsCutAndReadingGoesOn) {
    PlayerSave slots;
    std::ostringstream errors;
    const std::string text =
        "used 1\r\nname " + std::string(300, 'y') +
        "\r\nscore 40\r\npoints 4\r\nused 1\r\nname Bee\r\nscore 10\r\npoints 1\r\n";
    ParsePlayerSlots(text, "player", slots, errors);
    EXPECT_EQ(slots.slots[0].name, std::string(23, 'y'));
    EXPECT_EQ(slots.slots[0].score, 40);
    EXPECT_EQ(slots.slots[0].points, 4);
    EXPECT_EQ(slots.slots[1].name, "Bee");
    EXPECT_EQ(slots.slots[1].points, 1);
    EXPECT_EQ(slots.slots[2].used, 0) << "a short file leaves the rest empty";
    EXPECT_EQ(slots.slots[2].name, "n");
    EXPECT_NE(errors.str().find("player:2: a name of 300 bytes"), std::string::npos)
        << errors.str();
}

TEST(PlayerFileParse, AFieldThatFailsKeepsItsValue) {
    PlayerSave slots;
    slots.slots[0].score = 77;
    std::ostringstream errors;
    ParsePlayerSlots("used 1 name Bee score x", "player", slots, errors);
    EXPECT_EQ(slots.slots[0].used, 1);
    EXPECT_EQ(slots.slots[0].name, "Bee");
    EXPECT_EQ(slots.slots[0].score, 77);
    EXPECT_NE(errors.str().find("player:1: expected a whole number after `score`"),
              std::string::npos)
        << errors.str();
}

TEST(SaveRoot, FromTheSaveDirOrTheUsersDataFolder) {
    EXPECT_EQ(SaveRootFrom("/tmp/s", "/data", "/home/u"), "/tmp/s");
    EXPECT_EQ(SaveRootFrom("", "/data", "/home/u"), "/data/bubblehive");
    EXPECT_EQ(SaveRootFrom("", "relative", "/home/u"), "/home/u/.local/share/bubblehive");
    EXPECT_EQ(SaveRootFrom("", "", "/home/u"), "/home/u/.local/share/bubblehive");
    EXPECT_EQ(SaveRootFrom("", nullptr, "/home/u"), "/home/u/.local/share/bubblehive");
    EXPECT_EQ(SaveRootFrom("", nullptr, nullptr), "");
    EXPECT_EQ(PlayerFilePath("/r"), "/r/script/player");
    EXPECT_EQ(ScoreFilePath("/r"), "/r/script/score");
}

// Saves that cannot be written. Tests run as root, which file modes do not
// stop, so each failure is made another way.
class SaveFailure : public testing::Test {
protected:
    void SetUp() override {
        save = Loaded(root);
        save.currentSlot = 0;
        save.playerName = "Bee";
        ASSERT_TRUE(SaveAll(save, SaveInput{GameState::Playing, 2, 300, 100}, rootPath).Ok());
        playerBefore = ReadBytes(root / "script/player");
        scoreBefore = ReadBytes(root / "script/score");
        memoryBefore = save;
        save.playerName = "Wasp";
    }

    // Nothing on disk or in memory changed, and no temporary file is left.
    void ExpectUnchanged() {
        EXPECT_EQ(ReadBytes(root / "script/player"), playerBefore);
        EXPECT_EQ(ReadBytes(root / "script/score"), scoreBefore);
        EXPECT_EQ(FormatPlayerSlots(save.playerSave), FormatPlayerSlots(memoryBefore.playerSave));
        EXPECT_EQ(FormatScoreTable(save.scoreTable), FormatScoreTable(memoryBefore.scoreTable));
    }

    const SaveInput later{GameState::Playing, 5, 9000, 100};
    TempFolder root;
    const std::string rootPath = root.Path().string();
    SaveData save;
    SaveData memoryBefore;
    std::string playerBefore, scoreBefore;
};

TEST_F(SaveFailure, FullDiskLeavesTheOldFilesWhole) {
    // Every write past 64 bytes fails, as on a full disk: the new files are
    // half written when the failure comes.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 64;
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const SaveResult result = SaveAll(save, later, rootPath);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    // The failure's own line on stderr may have hit the limit too (when
    // stderr is a file), which leaves the stream failed for later tests.
    std::cerr.clear();

    EXPECT_FALSE(result.playerWritten);
    EXPECT_FALSE(result.scoreWritten);
    ExpectUnchanged();
    EXPECT_EQ(FilesIn(root / "script"), (std::vector<std::string>{"player", "score"}));

    // Once there is room again the save goes through.
    EXPECT_TRUE(SaveAll(save, later, rootPath).Ok());
    EXPECT_EQ(save.playerSave.slots[0].points, 4);
}

TEST_F(SaveFailure, FolderThatCannotBeMadeIsReportedOnStderr) {
    // The save root's script folder is in a folder that is a regular file.
    TempFolder other;
    other.Write("blocked", "a file, not a folder");
    testing::internal::CaptureStderr();
    const SaveResult result = SaveAll(save, later, other / "blocked");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(result.playerWritten);
    EXPECT_FALSE(result.scoreWritten);
    EXPECT_NE(err.find("player slots are not saved to " + (other / "blocked/script/player")),
              std::string::npos)
        << err;
    EXPECT_NE(err.find("high scores are not saved to"), std::string::npos) << err;
    EXPECT_EQ(ReadBytes(other / "blocked"), "a file, not a folder");
    ExpectUnchanged();
}

TEST_F(SaveFailure, ReplacingFailsAndTheOtherFileIsStillWritten) {
    // A folder where the player file should be: the rename onto it fails.
    std::filesystem::remove(root / "script/player");
    std::filesystem::create_directories(root / "script/player/inside");
    testing::internal::CaptureStderr();
    const SaveResult result = SaveAll(save, later, rootPath);
    testing::internal::GetCapturedStderr();
    EXPECT_FALSE(result.playerWritten);
    EXPECT_TRUE(result.scoreWritten);
    EXPECT_TRUE(std::filesystem::is_directory(root / "script/player/inside"));
    EXPECT_EQ(FilesIn(root / "script"), (std::vector<std::string>{"player", "score"}));
    EXPECT_EQ(save.scoreTable.entries[1].name, "Wasp");
}

TEST_F(SaveFailure, FilesThatWereNeverLoadedOrCouldNotBeReadAreLeftAlone) {
    SaveData fresh;  // as after an engine that did not start: no load ran
    testing::internal::CaptureStderr();
    EXPECT_FALSE(SaveAll(fresh, later, rootPath).playerWritten);
    testing::internal::GetCapturedStderr();
    ExpectUnchanged();

    // A player file that exists but cannot be read (here a folder) is never
    // saved over; the score file still is.
    TempFolder other;
    std::filesystem::create_directories(other / "script/player");
    testing::internal::CaptureStderr();
    SaveData unreadable = Loaded(other);
    const SaveResult result = SaveAll(unreadable, later, other.Path().string());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(unreadable.playerFile, SaveFileState::Unreadable);
    EXPECT_FALSE(result.playerWritten);
    EXPECT_TRUE(result.scoreWritten);
    EXPECT_NE(err.find("cannot read " + (other / "script/player")), std::string::npos) << err;
}

}  // namespace
