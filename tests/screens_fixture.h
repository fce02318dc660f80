// A fresh App on the offscreen engine for the screens around the game: the
// game's grid with hand-made block templates, rules from a temporary game
// folder (getNeedRemove gives the level's own number, so a test can see which
// level was set up), no sounds but counting ones, and helpers for the mouse,
// the keys and hand-placed buttons.
#pragma once

#include "app/app.h"
#include "block_fixture.h"
#include "counting_stream.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

class ScreensFixture : public BlockFixture {
protected:
    void SetUp() override {
        BlockFixture::SetUp();
        hge->System_SetStateString(HGE_GAMEDIR, folder.Path().string());
        folder.Write("script/block_function.luac",
                     "function getBlockNum(n) return 3 end\n"
                     "function getBlockInitHeight(n) return 2 end\n"
                     "function getNeedRemove(n) return n end\n"
                     "function getMaxProps(n) return 0 end\n"
                     "function getPutPropsTime(n) return 5 end\n"
                     "function getFallTime(n) return 10 end\n");
        app.hge = hge;
        app.saveDir = (folder / "saves");
        app.appState = AppState::Menu;
        Game& game = app.game;
        game.hge = hge;
        game.sounds = &app.sounds;
        game.blocks = std::move(blocks);
        ConfigureBoard(game.board, {8, 10, 8, 8, 0, 0.0f}, "test");
    }
    void TearDown() override {
        app.game = Game{};
        app.saveSlots.font.reset();  // fonts give their glyphs back while the engine runs
        app.highScores.font.reset();
        app.hge = nullptr;
        BlockFixture::TearDown();
    }

    void Move(float x, float y) {
        InputEvent event;
        event.kind = InputEvent::Kind::MouseMove;
        event.x = x;
        event.y = y;
        hge->DeliverEvent(event);
    }
    void Key(int key, bool down) {
        InputEvent event;
        event.kind = down ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
        event.key = key;
        hge->DeliverEvent(event);
    }
    void Left(bool down) { Key(HGEK_LBUTTON, down); }
    // The middle of a button.
    void MoveTo(const Button& button) {
        Move(static_cast<float>(button.x + button.right) / 2.0f,
             static_cast<float>(button.y + button.bottom) / 2.0f);
    }

    // A three-look button of w by h pixels at (x, y), sounding through the
    // App's slots.
    void Make(Button& button, int x, int y, int w = 40, int h = 20) {
        hgeAnimation looks(0, 3, 1.0f, 0, 0, static_cast<float>(w), static_cast<float>(h));
        button.Load(looks, 3, &app.sounds);
        button.Place(x, y);
    }

    TempFolder folder;
    App app;
};
