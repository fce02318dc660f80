// The name input screen: asks for the player's name before a new game. It
// runs over the start menu while MenuState is NameInput and shows a panel,
// the name box and two buttons: OK starts a new game under the typed name,
// Cancel goes back to the menu.
#pragma once

#include "app/button.h"
#include "engine/animation.h"
#include "engine/resource_manager.h"
#include "text/text_box.h"

#include <memory>

struct App;
struct Sounds;
struct TextInputRouting;

struct NameInputScreen {
    std::unique_ptr<hgeResourceManager> resources;
    std::unique_ptr<hgeAnimation> background;
    int backX = 0;
    int backY = 0;
    int boxX = 0;  // the top-left corner of the box's text area
    int boxY = 0;
    Button ok;
    Button cancel;
    std::unique_ptr<TextBox> box;  // null until loaded
    bool leftWasDown = false;      // the left button in the previous frame
};

// Reads script/input.luac and res/input.pak and builds the box, which
// installs the keyboard routing. Throws std::runtime_error when the box's
// font cannot be made.
void LoadNameInput(NameInputScreen& screen, TextInputRouting& routing, Sounds& sounds);
// Called by the start menu every frame while MenuState is NameInput.
void NameInputFrame(App& app);
void NameInputRender(App& app);
