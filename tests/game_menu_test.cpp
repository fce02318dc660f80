// The in-game menu and help: Esc and the menu button opening and closing the
// menu over any state and bringing that state back, the settings screen in
// the panel, the click order of the panel's buttons, the save and the return
// to the start menu; help opened by its button and closed by any click.
#include "game/game_menu.h"
#include "app/sound.h"
#include "game/game_state.h"
#include "game/help.h"
#include "screens/save_all.h"
#include "screens_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

class GameMenuTest : public ScreensFixture {
protected:
    void SetUp() override {
        ScreensFixture::SetUp();
        // The panel's buttons in a column, the HUD's menu and help buttons
        // apart, and the settings screen's OK over the panel's last button.
        Make(menu.resume, 100, 100);
        Make(menu.save, 100, 130);
        Make(menu.settings, 100, 160);
        Make(menu.start, 100, 190);
        Make(menu.menu, 300, 300);
        Make(app.game.help.button, 300, 340);
        Make(app.settings.ok, 100, 190);
        app.appState = AppState::Game;
        app.game.gameState = GameState::Playing;
        ready = &CountSound(app.sounds, ReadySound);
        music = &CountSound(app.sounds, MenuMusic);
    }
    // The menu's and help's part of a game frame.
    void Frame() {
        if (app.game.gameState != GameState::Help) {
            UpdateGameMenu(app);
        }
        if (app.appState == AppState::Game && app.game.gameState != GameState::GameMenu) {
            UpdateHelp(app.game);
        }
    }
    void Click(const Button& button) {
        MoveTo(button);
        Left(true);
        Frame();
        Left(false);
        Frame();
    }
    void Esc() {
        Key(HGEK_ESCAPE, true);
        Frame();
        Key(HGEK_ESCAPE, false);
        Frame();
    }

    GameMenu& menu = app.game.gameMenu;
    HelpScreen& help = app.game.help;
    CountingStream* ready = nullptr;
    CountingStream* music = nullptr;
};

TEST_F(GameMenuTest, EscOpensAndClosesTheMenuOverTheStateItFound) {
    for (const int state :
         {GameState::Playing, GameState::Paused, GameState::PassScreen, GameState::FailScreen}) {
        SCOPED_TRACE("state " + std::to_string(state));
        app.game.gameState = state;
        Key(HGEK_ESCAPE, true);
        Frame();
        EXPECT_TRUE(menu.open);
        EXPECT_TRUE(menu.buttonsLive);
        EXPECT_EQ(app.game.gameState, GameState::GameMenu);
        Frame();
        EXPECT_TRUE(menu.open) << "a held Esc acts once";
        Key(HGEK_ESCAPE, false);
        Frame();
        Esc();
        EXPECT_FALSE(menu.open);
        EXPECT_FALSE(menu.buttonsLive);
        EXPECT_EQ(app.game.gameState, state);
    }
    EXPECT_EQ(ready->plays, 0);
}

TEST_F(GameMenuTest, TheMenuButtonAndResumeCloseItToo) {
    Click(menu.menu);
    EXPECT_TRUE(menu.open);
    Click(menu.menu);
    EXPECT_FALSE(menu.open);
    EXPECT_EQ(app.game.gameState, GameState::Playing);
    Click(menu.menu);
    Click(menu.resume);
    EXPECT_FALSE(menu.open);
    EXPECT_EQ(app.game.gameState, GameState::Playing);
}

TEST_F(GameMenuTest, ResumingOverTheReadyBannerRestartsItSilently) {
    hgeAnimation banner(0, 4, 10.0f, 0, 0, 8, 8);
    banner.SetMode(HGEANIM_FWD | HGEANIM_NOLOOP);
    app.game.banners.ready = std::make_unique<hgeAnimation>(banner);
    SetGameState(app.game, GameState::Ready);
    EXPECT_EQ(ready->plays, 1);
    app.game.banners.ready->Update(0.25f);
    ASSERT_EQ(app.game.banners.ready->GetFrame(), 2);
    Esc();
    Click(menu.resume);
    EXPECT_EQ(app.game.gameState, GameState::Ready);
    EXPECT_EQ(app.game.banners.ready->GetFrame(), 0) << "the banner starts again";
    EXPECT_TRUE(app.game.banners.ready->IsPlaying());
    EXPECT_EQ(ready->plays, 1) << "without its sound";
}

TEST_F(GameMenuTest, EscOverTheSettingsScreenClosesTheWholeMenu) {
    Esc();
    Click(menu.settings);
    EXPECT_TRUE(menu.open);
    EXPECT_FALSE(menu.buttonsLive);
    // The panel's buttons are dead while the settings screen has the panel:
    // a click on resume closes nothing.
    Click(menu.resume);
    EXPECT_TRUE(menu.open);
    Esc();
    EXPECT_FALSE(menu.open);
    EXPECT_EQ(app.game.gameState, GameState::Playing);
    Esc();
    EXPECT_TRUE(menu.open);
    EXPECT_TRUE(menu.buttonsLive) << "opened again with its four buttons";
}

TEST_F(GameMenuTest, TheSettingsScreensOkBringsBackThePanelsButtonsOnly) {
    Esc();
    Click(menu.settings);
    // OK lies over the return button: its click must not also leave the game.
    Click(app.settings.ok);
    EXPECT_TRUE(menu.open);
    EXPECT_TRUE(menu.buttonsLive);
    EXPECT_EQ(app.appState, AppState::Game);
}

TEST_F(GameMenuTest, APressReleasedOutsideItsButtonDoesNothing) {
    Esc();
    MoveTo(menu.resume);
    Left(true);
    Frame();
    Move(5, 5);
    Left(false);
    Frame();
    EXPECT_TRUE(menu.open);
    EXPECT_EQ(menu.resume.state, ButtonNormal);
}

TEST_F(GameMenuTest, ReturningToTheStartMenuLeavesTheGameInItsMenuState) {
    Esc();
    Click(menu.start);
    EXPECT_EQ(app.appState, AppState::Menu);
    EXPECT_EQ(app.game.gameState, GameState::GameMenu);
    EXPECT_FALSE(menu.open);
    EXPECT_FALSE(menu.buttonsLive);
    EXPECT_EQ(music->plays, 1);
    EXPECT_TRUE(music->repeat);
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST_F(GameMenuTest, SaveWritesTheLevelAsItStandsUnderTheMenu) {
    struct Case {
        int state;
        const char* slot;  // the slot's lines as saved
    };
    const Case cases[] = {
        {GameState::Playing, "used 1\r\nname bee\r\nscore 1000\r\npoints 2\r\n"},
        {GameState::PassScreen, "used 1\r\nname bee\r\nscore 1200\r\npoints 3\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("state " + std::to_string(c.state));
        app.save.playerFile = SaveFileState::Loaded;
        app.save.scoreFile = SaveFileState::Loaded;
        app.save.currentSlot = 0;
        app.save.playerName = "bee";
        app.game.level.current = 3;
        app.game.score.total = 1200;
        app.game.score.level = 200;
        app.game.gameState = c.state;
        Esc();
        Click(menu.save);
        EXPECT_TRUE(menu.open) << "the menu stays open";
        EXPECT_EQ(app.game.gameState, GameState::GameMenu);
        const std::string player = ReadText(folder / "saves/script/player");
        EXPECT_EQ(player.substr(0, std::string(c.slot).size()), c.slot);
        EXPECT_NE(ReadText(folder / "saves/script/score").find("name bee\r\nscore 1200\r\n"),
                  std::string::npos);
        Esc();
        EXPECT_EQ(app.game.gameState, c.state);
    }
}

TEST_F(GameMenuTest, HelpOpensOnItsButtonAndAnyClickClosesIt) {
    for (const bool onTheButton : {false, true}) {
        SCOPED_TRACE(onTheButton ? "closed by its button" : "closed elsewhere");
        app.game.gameState = GameState::FailScreen;
        Click(help.button);
        EXPECT_TRUE(help.shown);
        EXPECT_EQ(app.game.gameState, GameState::Help);
        Esc();
        EXPECT_FALSE(menu.open) << "the menu does not open over help";
        if (onTheButton) {
            Click(help.button);
        } else {
            Move(5, 5);
            Left(true);
            Frame();
            Left(false);
            Frame();
        }
        EXPECT_FALSE(help.shown);
        EXPECT_EQ(app.game.gameState, GameState::FailScreen);
    }
    // A click elsewhere while help is hidden opens nothing.
    Move(5, 5);
    Left(true);
    Frame();
    Left(false);
    Frame();
    EXPECT_FALSE(help.shown);
}

}  // namespace
