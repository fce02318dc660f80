#include "screens/settings.h"

#include "app/app.h"
#include "app/layout_script.h"
#include "app/sound.h"
#include "engine/hge.h"

namespace {

// Moves a held knob to the mouse, bounded by the track's ends, and gives the
// volume of its new place. A track without length moves nothing.
void DragKnob(SettingsScreen& screen, Button& knob, int mouseX, Sounds& sounds,
              void (*setVolume)(Sounds&, float)) {
    if (screen.trackRight == screen.trackLeft) {
        return;  // the volume would divide by zero
    }
    const int left = screen.backX + screen.trackLeft;
    const int right = screen.backX + screen.trackRight;
    int x = mouseX;
    if (x > right) {
        x = right;
    }
    if (x < left) {
        x = left;
    }
    knob.Place(x, knob.y);
    setVolume(sounds, static_cast<float>(x - left) /
                          static_cast<float>(screen.trackRight - screen.trackLeft));
}

}  // namespace

void LoadSettings(SettingsScreen& screen, Sounds& sounds) {
    LayoutScript layout("settings", "res/app_set.pak", "script/app_set.luac");
    screen.background = layout.AnimationCopy("set_back");
    screen.backX = layout.Int("set_back_posx");
    screen.backY = layout.Int("set_back_posy");
    LoadButton(screen.musicKnob, layout, "back_sound", "back_sound", &sounds);
    LoadButton(screen.effectsKnob, layout, "sound", "sound", &sounds);
    LoadButton(screen.ok, layout, "ok", "ok", &sounds);
    screen.trackLeft = layout.Int("left");
    screen.trackRight = layout.Int("right");
    screen.resources = layout.TakeManager();
}

bool UpdateSettings(SettingsScreen& screen, const HGE& hge, Sounds& sounds, float dt) {
    const MousePoint mouse = ReadMouse(hge);
    screen.effectsKnob.UpdateHover(mouse.x, mouse.y);
    screen.musicKnob.UpdateHover(mouse.x, mouse.y);
    screen.ok.UpdateHover(mouse.x, mouse.y);

    bool okClicked = false;
    if (hge.Input_GetKeyState(HGEK_LBUTTON)) {
        if (!screen.leftWasDown) {
            screen.leftWasDown = true;
            if (screen.effectsKnob.OnMouseDown(mouse.x, mouse.y)) {
                screen.draggingEffects = true;
            }
            if (screen.musicKnob.OnMouseDown(mouse.x, mouse.y)) {
                screen.draggingMusic = true;
            }
            screen.ok.OnMouseDown(mouse.x, mouse.y);
        }
        // A held knob follows the mouse wherever it goes.
        if (screen.draggingEffects) {
            DragKnob(screen, screen.effectsKnob, mouse.x, sounds, SetEffectsVolume);
        }
        if (screen.draggingMusic) {
            DragKnob(screen, screen.musicKnob, mouse.x, sounds, SetMusicVolume);
        }
    } else {
        if (screen.leftWasDown) {
            // A click on a knob does nothing more than end its drag.
            screen.effectsKnob.OnMouseUp(mouse.x, mouse.y);
            screen.musicKnob.OnMouseUp(mouse.x, mouse.y);
            okClicked = screen.ok.OnMouseUp(mouse.x, mouse.y);
        }
        screen.draggingEffects = false;
        screen.draggingMusic = false;
        screen.leftWasDown = false;
    }
    if (screen.background) {
        screen.background->Update(dt);
    }
    return okClicked;
}

void RenderSettings(SettingsScreen& screen) {
    if (screen.background) {
        screen.background->Render(static_cast<float>(screen.backX),
                                  static_cast<float>(screen.backY));
    }
    screen.effectsKnob.Render();
    screen.musicKnob.Render();
    screen.ok.Render();
}

void SettingsFrame(App& app) {
    if (!UpdateSettings(app.settings, *app.hge, app.sounds, app.hge->Timer_GetDelta())) {
        return;
    }
    if (app.appState == AppState::Game) {
        app.game.gameMenu.buttonsLive = true;  // back to the in-game menu's buttons
    } else {
        app.startMenu.menuState = MenuState::Main;
    }
}
