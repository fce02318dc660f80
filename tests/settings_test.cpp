// The settings screen: knobs dragged along the shared track and bounded by
// its ends, the volume of each applied while dragging and independent of the
// other, a track without length, and OK back to whichever screen opened it.
#include "screens/settings.h"
#include "app/sound.h"
#include "screens_fixture.h"

#include <gtest/gtest.h>

namespace {

class SettingsTest : public ScreensFixture {
protected:
    void SetUp() override {
        ScreensFixture::SetUp();
        // The background at x 100, the track from 20 to 220 beyond it.
        screen.backX = 100;
        screen.trackLeft = 20;
        screen.trackRight = 220;
        Make(screen.musicKnob, 320, 10, 34, 38);
        Make(screen.effectsKnob, 320, 60, 34, 38);
        Make(screen.ok, 0, 200, 150, 50);
        app.startMenu.menuState = MenuState::Settings;
    }
    void Frame() { SettingsFrame(app); }
    float Music() const { return SoundVolume(app.sounds, MenuMusic); }
    float Effects() const { return SoundVolume(app.sounds, BombSound); }

    SettingsScreen& screen = app.settings;
};

TEST_F(SettingsTest, ADraggedKnobStaysOnTheTrackAndSetsItsVolumeAlone) {
    struct Case {
        float mouseX;
        int knobX;
        float volume;
    };
    const Case cases[] = {{50, 120, 0.0f}, {220, 220, 0.5f}, {400, 320, 1.0f}};
    for (const bool music : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE((music ? "music, mouse x " : "effects, mouse x ") +
                         std::to_string(c.mouseX));
            Button& knob = music ? screen.musicKnob : screen.effectsKnob;
            knob.Place(320, knob.y);
            SetMusicVolume(app.sounds, 0.25f);
            SetEffectsVolume(app.sounds, 0.75f);
            MoveTo(knob);
            Left(true);
            Frame();
            EXPECT_EQ(music ? Music() : Effects(), 1.0f) << "pressed at the right end";
            Move(c.mouseX, 500);  // far below the track: the knob still follows
            Frame();
            EXPECT_EQ(knob.x, c.knobX);
            EXPECT_EQ(knob.right, c.knobX + 34) << "the hit rectangle moves with the knob";
            EXPECT_EQ(music ? Music() : Effects(), c.volume);
            EXPECT_EQ(music ? Effects() : Music(), music ? 0.75f : 0.25f)
                << "the other volume is untouched";
            Left(false);
            Frame();
            EXPECT_FALSE(screen.draggingMusic || screen.draggingEffects);
            Move(c.mouseX + 30, 500);
            Frame();
            EXPECT_EQ(knob.x, c.knobX) << "a released knob stays";
        }
    }
}

TEST_F(SettingsTest, KnobsLeftAloneDoNotTouchTheVolumes) {
    SetMusicVolume(app.sounds, 0.25f);
    SetEffectsVolume(app.sounds, 0.75f);
    Move(250, 300);  // a press away from both knobs
    Left(true);
    Frame();
    Move(50, 20);
    Frame();
    Left(false);
    Frame();
    EXPECT_EQ(Music(), 0.25f);
    EXPECT_EQ(Effects(), 0.75f);
    EXPECT_EQ(screen.musicKnob.x, 320);
}

TEST_F(SettingsTest, ATrackWithoutLengthMovesNoKnobAndNoVolume) {
    screen.trackLeft = screen.trackRight = 20;
    SetMusicVolume(app.sounds, 0.25f);
    MoveTo(screen.musicKnob);
    Left(true);
    Frame();
    Move(50, 20);
    Frame();
    EXPECT_EQ(screen.musicKnob.x, 320);
    EXPECT_EQ(Music(), 0.25f);
}

TEST_F(SettingsTest, OkGoesBackToTheMenuOrToTheInGameMenusButtons) {
    // Pressed elsewhere and released over OK: not a click.
    Move(250, 300);
    Left(true);
    Frame();
    MoveTo(screen.ok);
    Left(false);
    Frame();
    EXPECT_EQ(app.startMenu.menuState, MenuState::Settings);

    Left(true);
    Frame();
    Left(false);
    Frame();
    EXPECT_EQ(app.startMenu.menuState, MenuState::Main);

    // In a game the same click hands the panel back to the menu's buttons.
    app.startMenu.menuState = MenuState::Main;
    app.appState = AppState::Game;
    app.game.gameMenu.open = true;
    app.game.gameMenu.buttonsLive = false;
    Left(true);
    Frame();
    Left(false);
    Frame();
    EXPECT_TRUE(app.game.gameMenu.buttonsLive);
    EXPECT_TRUE(app.game.gameMenu.open);
    EXPECT_EQ(app.startMenu.menuState, MenuState::Main);
}

}  // namespace
