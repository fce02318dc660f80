// The high-score screen: the valid entries only, each name drawn as it is
// and each score right-aligned in ten characters at its line, and OK back to
// the menu.
#include "screens/high_scores.h"
#include "recording_font.h"
#include "screens_fixture.h"

#include <gtest/gtest.h>

namespace {

class HighScoresTest : public ScreensFixture {
protected:
    void SetUp() override {
        ScreensFixture::SetUp();
        screen.backX = 10;
        screen.backY = 20;
        screen.nameX = 30;
        screen.scoreX = 200;
        screen.firstLineY = 40;
        screen.lineStep = 25;
        Make(screen.ok, 300, 400, 150, 50);
        app.startMenu.menuState = MenuState::HighScores;
    }
    HighScoreScreen& screen = app.highScores;
};

TEST_F(HighScoresTest, ListsTheValidEntriesWithScoresInTenCharacters) {
    RecordingFont& font = Record(screen);
    ScoreTable& table = app.save.scoreTable;
    table.count = 3;
    table.entries[0] = {"100%d", 5000};  // a per-cent sign is drawn as it is
    table.entries[1] = {"neg", -42};
    table.entries[2] = {"\xB7\xE4", 1234567890};  // 蜂 in code page 936
    table.entries[3] = {"old", 7};                // past the count: not drawn
    HighScoresRender(app);
    const std::vector<DrawnText> expected = {
        {40, 60, u"100%d"},       {210, 60, u"      5000"}, {40, 85, u"neg"},
        {210, 85, u"       -42"}, {40, 110, u"\u8702"},     {210, 110, u"1234567890"},
    };
    EXPECT_EQ(font.drawn, expected);
}

TEST_F(HighScoresTest, ScoreFieldsEndAtTheSameRightEdge) {
    // Every code unit below U+2000 advances half the size, spaces included.
    GfxFont font(16);
    EXPECT_EQ(font.MeasureText(u"      5000").width, font.MeasureText(u"     10000").width);
    EXPECT_EQ(font.MeasureText(u"      5000").width, 80);
}

TEST_F(HighScoresTest, AnEmptyTableDrawsNoLines) {
    RecordingFont& font = Record(screen);
    app.save.scoreTable.count = 0;
    app.save.scoreTable.entries[0] = {"left over", 10};
    HighScoresRender(app);
    EXPECT_TRUE(font.drawn.empty());
}

TEST_F(HighScoresTest, OkGoesBackToTheMenu) {
    Move(10, 10);
    Left(true);
    HighScoresFrame(app);
    MoveTo(screen.ok);
    Left(false);
    HighScoresFrame(app);
    EXPECT_EQ(app.startMenu.menuState, MenuState::HighScores) << "pressed elsewhere";
    Left(true);
    HighScoresFrame(app);
    Left(false);
    HighScoresFrame(app);
    EXPECT_EQ(app.startMenu.menuState, MenuState::Main);
}

}  // namespace
