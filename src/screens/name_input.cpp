#include "screens/name_input.h"

#include "app/app.h"
#include "app/app_state.h"
#include "app/layout_script.h"
#include "engine/codepage.h"
#include "engine/hge.h"
#include "game/level_setup.h"

namespace {

// The initial name as the game's literals hold it: code page 936 bytes.
constexpr char kInitialNameCp936[] = "\xBA\xCC\xE1\xB0\xD6\xE9\xF6\xAB\xD0\xC7";

// OK: a new game at level 1 under the typed name; an empty box only goes
// back to the menu.
void ConfirmName(App& app) {
    NameInputScreen& screen = app.nameInput;
    app.startMenu.menuState = MenuState::Main;
    const std::string& name = screen.box->GetText();
    if (name.empty()) {
        return;
    }
    app.save.playerName = name;
    SetAppState(app, AppState::Game);
    app.game.score.total = 0;
    app.game.score.level = 0;
    app.game.level.current = 1;
    SetUpLevel(app.game, 1);
}

}  // namespace

void LoadNameInput(NameInputScreen& screen, TextInputRouting& routing, Sounds& sounds) {
    LayoutScript layout("input", "res/input.pak", "script/input.luac");
    screen.background = layout.AnimationCopy("back");
    screen.backX = layout.Int("back_posx");
    screen.backY = layout.Int("back_posy");
    screen.boxX = layout.Int("input_posx");
    screen.boxY = layout.Int("input_posy");
    LoadButton(screen.ok, layout, "ok_name", "ok", &sounds);
    LoadButton(screen.cancel, layout, "cancel_name", "cancel", &sounds);
    screen.box = std::make_unique<TextBox>(layout.Int("font_size"), routing);
    for (const char16_t unit : Cp936ToUtf16(kInitialNameCp936)) {
        screen.box->InsertChar(unit);
    }
    screen.resources = layout.TakeManager();
}

void NameInputFrame(App& app) {
    NameInputScreen& screen = app.nameInput;
    const MousePoint mouse = ReadMouse(*app.hge);
    const float dt = app.hge->Timer_GetDelta();
    screen.ok.UpdateHover(mouse.x, mouse.y);
    screen.cancel.UpdateHover(mouse.x, mouse.y);
    if (screen.box) {
        screen.box->Update(dt);
    }
    if (app.hge->Input_GetKeyState(HGEK_LBUTTON)) {
        if (!screen.leftWasDown) {
            screen.leftWasDown = true;
            screen.ok.OnMouseDown(mouse.x, mouse.y);
            screen.cancel.OnMouseDown(mouse.x, mouse.y);
        }
    } else if (screen.leftWasDown) {
        if (screen.ok.OnMouseUp(mouse.x, mouse.y) && screen.box) {
            ConfirmName(app);
        }
        if (screen.cancel.OnMouseUp(mouse.x, mouse.y)) {
            app.startMenu.menuState = MenuState::Main;
            app.save.currentSlot = -1;
        }
        screen.leftWasDown = false;
    }
    if (screen.background) {
        screen.background->Update(dt);
    }
}

void NameInputRender(App& app) {
    NameInputScreen& screen = app.nameInput;
    if (screen.background) {
        screen.background->Render(static_cast<float>(screen.backX),
                                  static_cast<float>(screen.backY));
    }
    if (screen.box) {
        screen.box->Render(static_cast<float>(screen.boxX), static_cast<float>(screen.boxY));
    }
    screen.ok.Render();
    screen.cancel.Render();
}
