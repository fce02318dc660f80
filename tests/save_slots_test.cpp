// The save-slot screen: continuing a slot at the level after the last one it
// passed, with its score, or starting over when it passed none; empty slots
// going to the name input; the release step's order; and the names of the
// slots in use at their lines.
#include "screens/save_slots.h"
#include "recording_font.h"
#include "screens_fixture.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

class SaveSlotsTest : public ScreensFixture {
protected:
    void SetUp() override {
        ScreensFixture::SetUp();
        // Each row a New and a Read button; Cancel below.
        for (int k = 0; k < kSlotCount; ++k) {
            Make(screen.newButtons[k], 100, 50 * k);
            Make(screen.readButtons[k], 200, 50 * k);
        }
        Make(screen.cancel, 150, 300);
        app.startMenu.menuState = MenuState::SaveSlots;
    }
    void Click(const Button& button) {
        MoveTo(button);
        Left(true);
        SaveSlotsFrame(app);
        Left(false);
        SaveSlotsFrame(app);
    }
    SlotSave& Slot(int i) { return app.save.playerSave.slots[i]; }

    SaveSlotScreen& screen = app.saveSlots;
};

TEST_F(SaveSlotsTest, ContinueStartsTheLevelAfterTheLastPassedWithItsScore) {
    struct Case {
        int used, score, points;
        int level, total;
    };
    const Case cases[] = {
        {1, 1000, 2, 3, 1000},
        {1, 700, 0, 1, 0},            // no level passed: level 1 and no points, whatever was stored
        {7, 400, 1, 2, 400},          // a hand-edited mark other than 0 and 1 still continues
        {1, 5, INT_MAX, INT_MAX, 5},  // the largest level stays where it is
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("points " + std::to_string(c.points));
        app.appState = AppState::Menu;
        app.startMenu.menuState = MenuState::SaveSlots;
        app.game.gameState = GameState::Playing;
        app.game.score.level = 99;
        Slot(2) = {c.used, "bee%s", c.score, c.points};
        app.save.currentSlot = 2;
        ContinueSlot(app);
        EXPECT_EQ(app.appState, AppState::Game);
        EXPECT_EQ(app.startMenu.menuState, MenuState::Main);
        EXPECT_EQ(app.game.gameState, GameState::Ready);
        EXPECT_EQ(app.save.playerName, "bee%s");
        EXPECT_EQ(app.game.level.current, c.level);
        EXPECT_EQ(app.game.level.needRemove, c.level) << "the level was set up";
        EXPECT_EQ(app.game.score.total, c.total);
        EXPECT_EQ(app.game.score.level, 0);
    }
}

TEST_F(SaveSlotsTest, AnEmptySlotOrNoneAsksForANameInstead) {
    for (const int slot : {0, -1}) {
        app.startMenu.menuState = MenuState::SaveSlots;
        app.save.currentSlot = slot;
        ContinueSlot(app);
        EXPECT_EQ(app.startMenu.menuState, MenuState::NameInput);
        EXPECT_EQ(app.appState, AppState::Menu);
        EXPECT_EQ(app.save.currentSlot, slot);
    }
}

TEST_F(SaveSlotsTest, ButtonsChooseTheirSlot) {
    Click(screen.newButtons[1]);
    EXPECT_EQ(app.save.currentSlot, 1);
    EXPECT_EQ(app.startMenu.menuState, MenuState::NameInput);

    app.startMenu.menuState = MenuState::SaveSlots;
    Click(screen.cancel);
    EXPECT_EQ(app.save.currentSlot, -1);
    EXPECT_EQ(app.startMenu.menuState, MenuState::Main);

    app.startMenu.menuState = MenuState::SaveSlots;
    Click(screen.readButtons[3]);  // an empty slot
    EXPECT_EQ(app.save.currentSlot, 3);
    EXPECT_EQ(app.startMenu.menuState, MenuState::NameInput);
    EXPECT_EQ(app.appState, AppState::Menu);

    app.startMenu.menuState = MenuState::SaveSlots;
    Slot(4) = {1, "queen", 300, 1};
    Click(screen.readButtons[4]);
    EXPECT_EQ(app.save.currentSlot, 4);
    EXPECT_EQ(app.appState, AppState::Game);
    EXPECT_EQ(app.game.level.current, 2);
}

TEST_F(SaveSlotsTest, APressElsewhereReleasedOnAButtonChoosesNothing) {
    Move(5, 5);
    Left(true);
    SaveSlotsFrame(app);
    MoveTo(screen.newButtons[0]);
    Left(false);
    SaveSlotsFrame(app);
    EXPECT_EQ(app.startMenu.menuState, MenuState::SaveSlots);
    EXPECT_EQ(app.save.currentSlot, -1);
}

TEST_F(SaveSlotsTest, NamesOfSlotsInUseAtTheirLines) {
    RecordingFont& font = Record(screen);
    screen.backX = 10;
    screen.backY = 20;
    screen.nameX = 30;
    screen.nameY = 40;
    screen.lineStep = 58;
    Slot(0) = {1, "ann", 0, 0};
    Slot(1) = {0, "n", 0, 0};
    Slot(2) = {1, "5%d", 0, 0};
    Slot(3) = {7, "hidden", 0, 0};
    SaveSlotsRender(app);
    const std::vector<DrawnText> expected = {{40, 60, u"ann"}, {40, 176, u"5%d"}};
    EXPECT_EQ(font.drawn, expected);
}

}  // namespace
