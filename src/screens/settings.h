// The settings screen: two volume sliders and an OK button. The music knob
// (back_sound) and the effects knob (sound) are dragged along one shared
// track; the knob's place on it is the volume, applied while dragging.
// Nothing is stored: the knobs keep their places for the run only.
//
// It runs over the start menu while MenuState is Settings, and inside the
// in-game menu's panel; OK goes back to whichever opened it.
#pragma once

#include "app/button.h"
#include "engine/animation.h"
#include "engine/resource_manager.h"

#include <memory>

struct App;
class HGE;
struct Sounds;

struct SettingsScreen {
    std::unique_ptr<hgeResourceManager> resources;
    std::unique_ptr<hgeAnimation> background;
    int backX = 0;
    int backY = 0;
    Button musicKnob;    // its x follows the mouse while dragged
    Button effectsKnob;  // the same for the effects volume
    Button ok;
    int trackLeft = 0;  // the ends of both tracks, relative to backX
    int trackRight = 0;
    bool draggingMusic = false;
    bool draggingEffects = false;
    bool leftWasDown = false;  // the left button in the previous frame
};

// Reads script/app_set.luac and res/app_set.pak; the volumes are not touched.
void LoadSettings(SettingsScreen& screen, Sounds& sounds);
// One frame: the knobs, their drags and volumes, OK and the background.
// True on the frame OK is clicked.
bool UpdateSettings(SettingsScreen& screen, const HGE& hge, Sounds& sounds, float dt);
void RenderSettings(SettingsScreen& screen);

// The screen's frame for the start menu and the in-game menu: OK goes back
// to the in-game menu's buttons in a game, to the main menu otherwise.
void SettingsFrame(App& app);
