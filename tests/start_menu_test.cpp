// The start menu's buttons: the order of the click step and where it stops,
// the sub-screens that a click opens, and presses that began elsewhere.
#include "screens/start_menu.h"
#include "app/app.h"
#include "app/sound.h"
#include "counting_stream.h"
#include "engine/offscreen/offscreen_backend.h"
#include "offscreen_engine.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

// Each button 100 x 20, in a column: start, more, exit, top, set.
constexpr int kRowStep = 30;

class StartMenuTest : public OffscreenEngineTest {
protected:
    void SetUp() override {
        OffscreenEngineTest::SetUp();
        app.hge = hge;
        sound = &CountSound(app.sounds, ButtonSound);
        int row = 0;
        for (Button* button : Buttons()) {
            hgeAnimation looks(0, 3, 1.0f, 0, 0, 100, 20);
            button->Load(looks, 3, &app.sounds);
            button->Place(0, kRowStep * row++);
        }
    }
    void TearDown() override {
        app.hge = nullptr;
        OffscreenEngineTest::TearDown();
    }

    std::array<Button*, 5> Buttons() {
        StartMenu& m = app.startMenu;
        return {&m.start, &m.more, &m.exit, &m.top, &m.set};
    }
    // The middle of a button.
    void MoveTo(const Button& button) { Move(button.x + 50, button.y + 10); }
    void Move(float x, float y) {
        InputEvent event;
        event.kind = InputEvent::Kind::MouseMove;
        event.x = x;
        event.y = y;
        hge->DeliverEvent(event);
    }
    void Left(bool down) {
        InputEvent event;
        event.kind = down ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
        event.key = HGEK_LBUTTON;
        hge->DeliverEvent(event);
    }
    // One frame of the menu.
    void Frame() { StartMenuFrame(app); }
    void Click() {
        Left(true);
        Frame();
        Left(false);
        Frame();
    }
    std::string OpenedUrl() { return backend->LastURL(); }

    App app;
    StartMenu& menu = app.startMenu;
    CountingStream* sound = nullptr;
};

TEST_F(StartMenuTest, EachButtonOpensItsScreen) {
    struct Case {
        Button StartMenu::*button;
        MenuState opens;
    };
    for (const Case& c :
         {Case{&StartMenu::start, MenuState::SaveSlots}, Case{&StartMenu::set, MenuState::Settings},
          Case{&StartMenu::top, MenuState::HighScores}}) {
        menu.menuState = MenuState::Main;
        MoveTo(menu.*c.button);
        Frame();
        EXPECT_EQ((menu.*c.button).state, ButtonHover);
        Click();
        EXPECT_EQ(menu.menuState, c.opens);
        EXPECT_EQ((menu.*c.button).state, ButtonNormal) << "drawn normal behind the sub-screen";
        EXPECT_FALSE((menu.*c.button).pressed);
    }
    EXPECT_EQ(sound->plays, 3);
    EXPECT_TRUE(OpenedUrl().empty());
}

TEST_F(StartMenuTest, MoreOpensTheGamesPageAndKeepsTheMenu) {
    MoveTo(menu.more);
    Click();
    EXPECT_EQ(menu.menuState, MenuState::Main);
    EXPECT_EQ(menu.more.state, ButtonHover);
    EXPECT_EQ(OpenedUrl(), MorePageUrl(*hge));
    const std::string readme = hge->Resource_MakePath("README.md");
    EXPECT_EQ(OpenedUrl(), "file://" + readme) << "the game folder's path has no unsafe characters";
}

TEST_F(StartMenuTest, ThePagesUrlEscapesUnsafeCharacters) {
    hge->System_SetStateString(HGE_GAMEDIR, "/tmp/my games/bubble#hive");
    EXPECT_EQ(MorePageUrl(*hge), "file:///tmp/my%20games/bubble%23hive/README.md");
}

TEST_F(StartMenuTest, PressOnOneButtonAndReleaseOnAnotherDoesNothing) {
    MoveTo(menu.start);
    Left(true);
    Frame();
    EXPECT_EQ(menu.start.state, ButtonPressed);
    MoveTo(menu.set);
    Frame();
    EXPECT_EQ(menu.start.state, ButtonPressed) << "a held button keeps its pressed look";
    Left(false);
    Frame();
    EXPECT_EQ(menu.menuState, MenuState::Main);
    EXPECT_EQ(menu.start.state, ButtonNormal);
    EXPECT_FALSE(menu.start.pressed);
    EXPECT_EQ(menu.set.state, ButtonHover);
    EXPECT_FALSE(menu.set.pressed);
}

// With all five buttons on one spot, one press arms all five; the release
// is taken start, set, top, more, exit and stops at the first click that
// leaves the menu. Buttons after the stop are not reached and keep their
// pressed look; more goes on to exit.
TEST_F(StartMenuTest, TheClickStepTakesButtonsInOrderAndStopsAtTheFirstThatLeaves) {
    struct Case {
        const char* disabled;  // letters of the buttons switched off: s(tart) e(set) t(op) m(ore)
        MenuState state;
        bool opensPage;
        int start, set, top, more, exit;  // states after the release
    };
    const Case cases[] = {
        {"", MenuState::SaveSlots, false, 0, 2, 2, 2, 2},
        {"s", MenuState::Settings, false, 0, 0, 2, 2, 2},
        {"se", MenuState::HighScores, false, 0, 0, 0, 2, 2},
        {"set", MenuState::Main, true, 0, 0, 0, 1, 1},
        {"setm", MenuState::Main, false, 0, 0, 0, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("disabled: ") + c.disabled);
        const std::string off = c.disabled;
        menu = StartMenu{};
        backend->OpenURL("");
        for (Button* button : Buttons()) {
            hgeAnimation looks(0, 3, 1.0f, 0, 0, 100, 20);
            button->Load(looks, 3, &app.sounds);
            button->Place(0, 0);
        }
        menu.start.enabled = off.find('s') == std::string::npos;
        menu.set.enabled = off.find('e') == std::string::npos;
        menu.top.enabled = off.find('t') == std::string::npos;
        menu.more.enabled = off.find('m') == std::string::npos;
        const int soundsBefore = sound->plays;
        Move(50, 10);
        Click();
        EXPECT_EQ(sound->plays - soundsBefore, 5 - static_cast<int>(off.size()));
        EXPECT_EQ(menu.menuState, c.state);
        EXPECT_EQ(!OpenedUrl().empty(), c.opensPage);
        EXPECT_EQ(menu.start.state, c.start);
        EXPECT_EQ(menu.set.state, c.set);
        EXPECT_EQ(menu.top.state, c.top);
        EXPECT_EQ(menu.more.state, c.more);
        EXPECT_EQ(menu.exit.state, c.exit);
    }
}

TEST_F(StartMenuTest, WhileASubScreenIsOpenTheMenuButtonsAreFrozen) {
    MoveTo(menu.start);
    Click();
    ASSERT_EQ(menu.menuState, MenuState::SaveSlots);
    MoveTo(menu.set);
    Frame();
    EXPECT_EQ(menu.set.state, ButtonNormal) << "no hover behind a sub-screen";
    Click();
    EXPECT_EQ(menu.menuState, MenuState::SaveSlots);
    EXPECT_EQ(menu.set.state, ButtonNormal);
    EXPECT_FALSE(menu.set.pressed);
    EXPECT_EQ(sound->plays, 1) << "only the click on start sounded";
}

TEST_F(StartMenuTest, APressBegunInASubScreenIsNotAMenuClick) {
    menu.menuState = MenuState::HighScores;
    MoveTo(menu.start);
    Left(true);
    Frame();
    // The sub-screen closes while the button is still held.
    menu.menuState = MenuState::Main;
    Frame();
    EXPECT_EQ(menu.start.state, ButtonHover);
    Left(false);
    Frame();
    EXPECT_EQ(menu.menuState, MenuState::Main);
    EXPECT_EQ(menu.start.state, ButtonHover);
    EXPECT_EQ(sound->plays, 0);
    // The next press and release is a click.
    Click();
    EXPECT_EQ(menu.menuState, MenuState::SaveSlots);
}

}  // namespace
