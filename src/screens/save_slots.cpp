#include "screens/save_slots.h"

#include "app/app.h"
#include "app/app_state.h"
#include "app/layout_script.h"
#include "engine/hge.h"
#include "game/level_setup.h"
#include "screens/screen_font.h"

#include <climits>
#include <string>

namespace {

// The buttons' numbered position keys: newposx1 ... readposy5.
void PlaceNumbered(Button& button, LayoutScript& layout, const char* kind, int number) {
    const std::string n = std::to_string(number);
    button.Place(layout.Int((std::string(kind) + "posx" + n).c_str()),
                 layout.Int((std::string(kind) + "posy" + n).c_str()));
}

// Every button of the screen, in the order of the press step.
template <typename F>
void ForEachButton(SaveSlotScreen& screen, F&& f) {
    for (Button& button : screen.newButtons) {
        f(button);
    }
    for (Button& button : screen.readButtons) {
        f(button);
    }
    f(screen.cancel);
}

// The release of the left button: the first New clicked, the first Read
// clicked, then Cancel.
void ReleaseStep(App& app, int px, int py) {
    SaveSlotScreen& screen = app.saveSlots;
    for (int k = 0; k < kSlotCount; ++k) {
        if (screen.newButtons[k].OnMouseUp(px, py)) {
            app.save.currentSlot = k;
            app.startMenu.menuState = MenuState::NameInput;
            break;
        }
    }
    for (int k = 0; k < kSlotCount; ++k) {
        if (screen.readButtons[k].OnMouseUp(px, py)) {
            app.save.currentSlot = k;
            ContinueSlot(app);
            break;
        }
    }
    if (screen.cancel.OnMouseUp(px, py)) {
        app.startMenu.menuState = MenuState::Main;
        app.save.currentSlot = -1;
    }
}

}  // namespace

void LoadSaveSlots(SaveSlotScreen& screen, Sounds& sounds) {
    LayoutScript layout("save slots", "res/read.pak", "script/read.luac");
    screen.font = MakeScreenFont("save slots", layout.Int("font_size"));
    screen.background = layout.AnimationCopy("back");
    screen.backX = layout.Int("back_posx");
    screen.backY = layout.Int("back_posy");
    LoadButton(screen.cancel, layout, "cancel", "cancel", &sounds);
    // The five New buttons share one animation, each with its own copy; so
    // do the five Read buttons.
    const std::unique_ptr<hgeAnimation> newLooks = layout.AnimationCopy("new");
    const int newNum = layout.Int("new_num");
    for (Button& button : screen.newButtons) {
        button.Load(*newLooks, newNum, &sounds);
    }
    const std::unique_ptr<hgeAnimation> readLooks = layout.AnimationCopy("read");
    const int readNum = layout.Int("read_num");
    for (Button& button : screen.readButtons) {
        button.Load(*readLooks, readNum, &sounds);
    }
    for (int k = 0; k < kSlotCount; ++k) {
        PlaceNumbered(screen.newButtons[k], layout, "new", k + 1);
    }
    for (int k = 0; k < kSlotCount; ++k) {
        PlaceNumbered(screen.readButtons[k], layout, "read", k + 1);
    }
    screen.nameX = layout.Int("font_posx");
    screen.nameY = layout.Int("font_posy");
    screen.lineStep = layout.Int("font_dify");
    screen.resources = layout.TakeManager();
}

void SaveSlotsFrame(App& app) {
    SaveSlotScreen& screen = app.saveSlots;
    const MousePoint mouse = ReadMouse(*app.hge);
    ForEachButton(screen, [&](Button& button) { button.UpdateHover(mouse.x, mouse.y); });
    if (app.hge->Input_GetKeyState(HGEK_LBUTTON)) {
        if (!screen.leftWasDown) {
            screen.leftWasDown = true;
            ForEachButton(screen, [&](Button& button) { button.OnMouseDown(mouse.x, mouse.y); });
        }
    } else {
        ReleaseStep(app, mouse.x, mouse.y);
        screen.leftWasDown = false;
    }
    if (screen.background) {
        screen.background->Update(app.hge->Timer_GetDelta());
    }
}

void SaveSlotsRender(App& app) {
    SaveSlotScreen& screen = app.saveSlots;
    if (screen.background) {
        screen.background->Render(static_cast<float>(screen.backX),
                                  static_cast<float>(screen.backY));
    }
    ForEachButton(screen, [](Button& button) { button.Render(); });
    if (!screen.font) {
        return;
    }
    const PlayerSave& slots = app.save.playerSave;
    for (int i = 0; i < kSlotCount; ++i) {
        // Only a slot marked 1 shows its name; a gap stays where one is not.
        if (slots.slots[i].used != 1) {
            continue;
        }
        const int x = screen.backX + screen.nameX;
        const int y = screen.backY + screen.nameY + i * screen.lineStep;
        screen.font->PrintFormatted(static_cast<float>(x), static_cast<float>(y), "%s",
                                    slots.slots[i].name.c_str());
    }
}

void ContinueSlot(App& app) {
    const int slot = app.save.currentSlot;
    if (slot < 0 || slot >= kSlotCount || app.save.playerSave.slots[slot].used == 0) {
        // An empty slot starts a new game there once the name is typed.
        app.startMenu.menuState = MenuState::NameInput;
        return;
    }
    const SlotSave& saved = app.save.playerSave.slots[slot];
    app.save.playerName = saved.name;
    app.startMenu.menuState = MenuState::Main;
    Game& game = app.game;
    game.score.total = saved.score;
    game.score.level = 0;
    if (saved.points > 0) {
        // A hand-edited file may hold the largest int: the level stays there.
        game.level.current = saved.points < INT_MAX ? saved.points + 1 : INT_MAX;
    } else {
        // No level passed yet: the game starts over.
        game.level.current = 1;
        game.score.total = 0;
    }
    SetUpLevel(game, game.level.current);
    SetAppState(app, AppState::Game);
}
