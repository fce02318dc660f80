// The save-slot screen, where a game begins: the five slots with the names
// of those in use, and for each a New button (a new game in this slot,
// after the name input) and a Read button (continue the game stored in it).
// It runs over the start menu while MenuState is SaveSlots.
#pragma once

#include "app/button.h"
#include "engine/animation.h"
#include "engine/resource_manager.h"
#include "screens/save_data.h"
#include "text/gfx_font.h"

#include <array>
#include <memory>

struct App;
struct Sounds;

struct SaveSlotScreen {
    std::unique_ptr<hgeResourceManager> resources;
    std::unique_ptr<GfxFont> font;  // white; null when no face could be opened
    std::unique_ptr<hgeAnimation> background;
    int backX = 0;
    int backY = 0;
    std::array<Button, kSlotCount> newButtons;
    std::array<Button, kSlotCount> readButtons;
    Button cancel;
    int nameX = 0;  // slot 1's name, relative to the background
    int nameY = 0;
    int lineStep = 0;          // from one slot's name to the next
    bool leftWasDown = false;  // the left button in the previous frame
};

// Reads script/read.luac and res/read.pak and makes the names' font (the
// player file is read beside it, by LoadPlayerSlots).
void LoadSaveSlots(SaveSlotScreen& screen, Sounds& sounds);
// Called by the start menu while MenuState is SaveSlots: the buttons, then
// the release step (New, Read, Cancel) on every frame the left button is up.
void SaveSlotsFrame(App& app);
// The background, the buttons, and the names of the slots in use.
void SaveSlotsRender(App& app);
// Continues the game stored in CurrentSlot at the level after the last one
// it passed; an empty slot (or none) goes to the name input instead.
void ContinueSlot(App& app);
