// The banners' hand-over and the pass and fail screens: their button and
// Space, the level change each one makes, at most one per frame, and the
// Space flag that outlives a screen's visit.
#include "app/sound.h"
#include "block_fixture.h"
#include "counting_stream.h"
#include "digit_fixture.h"
#include "game/banners.h"
#include "game/fail_screen.h"
#include "game/game.h"
#include "game/game_state.h"
#include "game/hud.h"
#include "game/pass_screen.h"
#include "game/result_screen.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace {

// Two opening rows of three colours; the rest does not matter here.
constexpr const char* kRules = R"(
function getBlockNum(n) return 3 end
function getBlockInitHeight(n) return 2 end
function getNeedRemove(n) return 5 end
function getMaxProps(n) return 0 end
function getPutPropsTime(n) return 10 end
function getFallTime(n) return 5 end
)";

constexpr float kFrame = 1.0f / 30;

class ResultScreenTest : public WithDigits<BlockFixture> {
protected:
    void SetUp() override {
        WithDigits<BlockFixture>::SetUp();
        folder.Write("script/block_function.luac", kRules);
        hge->System_SetStateString(HGE_GAMEDIR, folder.Path().string());
        game.hge = hge;
        game.sounds = &sounds;
        ready = &CountSound(sounds, ReadySound);
        game.blocks = std::move(blocks);
        ConfigureBoard(game.board, {8, 10, 8, 8, 0, 0.0f}, "test");
        // A 100 x 20 go-on button at (10, 10) on each screen.
        for (ResultScreen* screen : {&game.passScreen, &game.failScreen}) {
            hgeAnimation looks(0, 3, 1.0f, 0, 0, 100, 20);
            screen->button.Load(looks, 3, &sounds);
            screen->button.Place(10, 10);
        }
    }
    void TearDown() override {
        game = Game{};
        WithDigits<BlockFixture>::TearDown();
    }

    void Open(int state, int level, int total, int levelScore) {
        game.gameState = state;
        game.level.current = level;
        game.score.total = total;
        game.score.level = levelScore;
        (state == GameState::PassScreen ? game.passScreen : game.failScreen).active = true;
    }
    void Key(int key, bool down) {
        InputEvent event;
        event.kind = down ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
        event.key = key;
        hge->DeliverEvent(event);
    }
    void Mouse(float x, float y) {
        InputEvent event;
        event.kind = InputEvent::Kind::MouseMove;
        event.x = x;
        event.y = y;
        hge->DeliverEvent(event);
    }
    // One frame of whichever screen the GameState names, as the game frame
    // runs it.
    void Frame() {
        if (game.gameState == GameState::PassScreen) {
            UpdatePassScreen(game, kFrame);
        } else if (game.gameState == GameState::FailScreen) {
            UpdateFailScreen(game, kFrame);
        }
    }
    int Blocks() const {
        int count = 0;
        for (const Cell& cell : game.board.cells) {
            count += cell.colour != 0 ? 1 : 0;
        }
        return count;
    }

    TempFolder folder;
    Sounds sounds;
    CountingStream* ready = nullptr;
    Game game;
};

TEST_F(ResultScreenTest, RetryTakesTheFailedLevelsPointsBack) {
    Open(GameState::FailScreen, 4, 700, 250);
    Key(HGEK_SPACE, true);
    Frame();
    EXPECT_EQ(game.level.current, 4);
    EXPECT_EQ(game.score.total, 450);
    EXPECT_EQ(game.score.level, 0);
    EXPECT_EQ(game.gameState, GameState::Ready);
    EXPECT_EQ(game.bannerKind, GameState::Ready);
    EXPECT_FALSE(game.failScreen.active);
    EXPECT_EQ(Blocks(), 2 * 8) << "the level was set up again";
    EXPECT_EQ(ready->plays, 1);
}

TEST_F(ResultScreenTest, NextLevelKeepsThePointsAndTheHudShowsTwoDigits) {
    Open(GameState::PassScreen, 9, 1230, 300);
    Mouse(60, 20);
    Key(HGEK_LBUTTON, true);
    Frame();
    EXPECT_EQ(game.passScreen.button.state, ButtonPressed);
    Key(HGEK_LBUTTON, false);
    Frame();
    EXPECT_EQ(game.level.current, 10);
    EXPECT_EQ(game.score.total, 1230);
    EXPECT_EQ(game.score.level, 0);
    EXPECT_EQ(game.gameState, GameState::Ready);
    EXPECT_FALSE(game.passScreen.active);
    EXPECT_EQ(Blocks(), 2 * 8);

    InitDigitStrip(game.hud.hudDigits, DigitAnimation());
    game.hud.scoreX = 0;
    game.hud.scoreY = 0;
    game.hud.pointsX = 4;
    game.hud.pointsY = 10;
    BeginFrame();
    RenderHudNumbers(game);
    EXPECT_EQ(ReadDigits(0, 0), "1230");
    EXPECT_EQ(ReadDigits(4, 10), "10");
}

TEST_F(ResultScreenTest, TheScreensShowBothScoresInTheirDigits) {
    Open(GameState::FailScreen, 3, 470, 80);
    InitDigitStrip(game.hud.resultDigits, DigitAnimation());
    game.failScreen.button.Place(0, 20);  // out of the digits' way
    game.failScreen.scoreX = 1;
    game.failScreen.scoreY = 2;
    game.failScreen.getX = 1;
    game.failScreen.getY = 6;
    BeginFrame();
    RenderFailScreen(game);
    EXPECT_EQ(ReadDigits(1, 2), "470") << "the total still holds the failed level's points";
    EXPECT_EQ(ReadDigits(1, 6), "80");

    game.failScreen.active = false;
    BeginFrame();
    RenderFailScreen(game);
    EXPECT_EQ(ReadDigits(1, 2), "") << "an inactive screen draws nothing";
}

TEST_F(ResultScreenTest, AClickAndASpaceInOneFrameGoOnOnce) {
    Open(GameState::PassScreen, 2, 100, 50);
    Mouse(60, 20);
    Key(HGEK_LBUTTON, true);
    Frame();
    Key(HGEK_LBUTTON, false);
    Key(HGEK_SPACE, true);
    UpdatePassScreen(game, kFrame);  // the same screen again, as if it were still up
    EXPECT_EQ(game.level.current, 3);
    // Space was not taken in that frame, so the next pass screen reacts to
    // it at once.
    Open(GameState::PassScreen, 3, 100, 0);
    Frame();
    EXPECT_EQ(game.level.current, 4);
}

TEST_F(ResultScreenTest, APressWithTheReleaseOutsideDoesNothing) {
    Open(GameState::FailScreen, 5, 300, 100);
    Mouse(60, 20);
    Key(HGEK_LBUTTON, true);
    Frame();
    Mouse(300, 300);
    Frame();
    Key(HGEK_LBUTTON, false);
    Frame();
    EXPECT_EQ(game.gameState, GameState::FailScreen);
    EXPECT_TRUE(game.failScreen.active);
    EXPECT_EQ(game.score.total, 300);
    EXPECT_EQ(game.failScreen.button.state, ButtonNormal);
}

// Space goes on on the frame it goes down. The screen's flag only changes
// while the screen is up, so it remembers how the screen was last left.
TEST_F(ResultScreenTest, SpaceHeldFromTheLastVisitWaitsForANewPress) {
    Open(GameState::PassScreen, 1, 0, 0);
    Key(HGEK_SPACE, true);
    Frame();
    ASSERT_EQ(game.level.current, 2);

    // Still held when the screen comes up again: no go-on until a new press.
    Open(GameState::PassScreen, 2, 0, 0);
    Frame();
    Frame();
    EXPECT_EQ(game.level.current, 2);
    Key(HGEK_SPACE, false);
    Frame();
    EXPECT_EQ(game.level.current, 2);
    Key(HGEK_SPACE, true);
    Frame();
    EXPECT_EQ(game.level.current, 3);
}

TEST_F(ResultScreenTest, SpaceHeldAfterAClickGoesOnAtOnce) {
    Open(GameState::PassScreen, 1, 0, 0);
    Mouse(60, 20);
    Key(HGEK_LBUTTON, true);
    Frame();
    Key(HGEK_LBUTTON, false);
    Frame();
    ASSERT_EQ(game.level.current, 2);

    Key(HGEK_SPACE, true);  // held down before the screen is back
    Open(GameState::PassScreen, 2, 0, 0);
    Frame();
    EXPECT_EQ(game.level.current, 3);
}

TEST_F(ResultScreenTest, EachScreenKeepsItsOwnSpaceFlag) {
    Open(GameState::PassScreen, 1, 0, 0);
    Key(HGEK_SPACE, true);
    Frame();
    ASSERT_EQ(game.level.current, 2);
    // The fail screen never saw that press: a held Space retries at once.
    Open(GameState::FailScreen, 2, 40, 40);
    Frame();
    EXPECT_EQ(game.gameState, GameState::Ready);
    EXPECT_EQ(game.score.total, 0);
}

TEST_F(ResultScreenTest, AnInactiveScreenIgnoresEverything) {
    game.gameState = GameState::PassScreen;
    game.level.current = 6;
    Key(HGEK_SPACE, true);
    Frame();
    EXPECT_EQ(game.level.current, 6);
    EXPECT_FALSE(game.passScreen.spaceWasDown) << "flags change only while the screen is up";
}

// Each banner plays once; when it stops, play starts or its screen comes up.
TEST_F(ResultScreenTest, ABannerHandsOverWhenItStops) {
    struct Case {
        int kind;
        int next;
    };
    for (const Case& c : {Case{GameState::Ready, GameState::Playing},
                          Case{GameState::PassBanner, GameState::PassScreen},
                          Case{GameState::FailBanner, GameState::FailScreen}}) {
        game = Game{};
        game.hge = hge;
        for (auto* banner : {&game.banners.ready, &game.banners.pass, &game.banners.fail}) {
            // Three frames at 10 a second, played once: 0.3 seconds.
            *banner = std::make_unique<hgeAnimation>(0, 3, 10.0f, 0, 0, 8, 8);
            (*banner)->SetMode(HGEANIM_FWD | HGEANIM_NOLOOP);
        }
        SetGameState(game, c.kind);
        int frames = 0;
        while (game.gameState == c.kind && frames < 100) {
            UpdateBanner(game, kFrame);
            ++frames;
        }
        EXPECT_EQ(game.gameState, c.next) << "banner kind " << c.kind;
        EXPECT_NEAR(frames * kFrame, 0.3f, 2 * kFrame) << "banner kind " << c.kind;
        EXPECT_EQ(game.passScreen.active, c.next == GameState::PassScreen);
        EXPECT_EQ(game.failScreen.active, c.next == GameState::FailScreen);
    }
}

}  // namespace
