// Help: the HUD's help button shows a picture of the keys, the goal and the
// props; any click closes it again. While it shows, the level stands still
// (GameState Help); closing it brings back the state it was opened from.
#pragma once

#include "app/button.h"
#include "engine/animation.h"
#include "engine/resource_manager.h"

#include <memory>

struct Game;
struct Sounds;

struct HelpScreen {
    std::unique_ptr<hgeResourceManager> resources;
    std::unique_ptr<hgeAnimation> picture;
    int pictureX = 0;
    int pictureY = 0;
    Button button;              // the HUD's help button, always shown
    bool shown = false;         // HelpShown
    int savedState = 0;         // GameState before help opened
    bool mouseWasDown = false;  // the left button in the previous help update
};

// Reads script/help.luac and res/help.pak.
void LoadHelp(HelpScreen& help, Sounds& sounds);
// Help's frame, from the game frame unless the menu is open: a click on the
// help button opens help, any click closes it.
void UpdateHelp(Game& game);
// The help button, then the picture when help is shown.
void RenderHelp(HelpScreen& help);
