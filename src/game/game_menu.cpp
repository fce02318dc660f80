#include "game/game_menu.h"

#include "app/app.h"
#include "app/layout_script.h"
#include "app/sound.h"
#include "engine/hge.h"
#include "game/game.h"
#include "game/game_state.h"
#include "screens/save_all.h"
#include "screens/settings.h"

namespace {

void CloseMenu(GameMenu& menu) {
    menu.open = false;
    menu.buttonsLive = false;
}

// The release of a press in the menu. Each step stops once the panel's
// buttons are no longer live.
void ClickStep(App& app, int px, int py) {
    Game& game = app.game;
    GameMenu& menu = game.gameMenu;
    if (menu.menu.OnMouseUp(px, py)) {
        ToggleGameMenu(game);
    }
    if (!menu.buttonsLive) {
        return;
    }
    if (menu.resume.OnMouseUp(px, py)) {
        CloseMenu(menu);
        SetGameState(game, menu.savedState);
        return;
    }
    if (menu.save.OnMouseUp(px, py)) {
        // Saves the level as it stands under the menu (a level passed counts
        // as passed). A save that fails leaves the old files; the game goes on.
        SaveAll(app);
    }
    if (menu.start.OnMouseUp(px, py)) {
        // Set directly: GameState stays GameMenu, so the next game's ready
        // banner starts without its sound.
        app.appState = AppState::Menu;
        PlaySound(app.sounds, MenuMusic, true);
        CloseMenu(menu);
        return;
    }
    if (menu.settings.OnMouseUp(px, py)) {
        menu.buttonsLive = false;  // the settings screen takes over the panel
    }
}

}  // namespace

void LoadGameMenu(GameMenu& menu, Sounds& sounds) {
    LayoutScript layout("game menu", "res/gamemenu.pak", "script/gamemenu.luac");
    menu.panel = layout.AnimationCopy("back");
    menu.panelX = layout.Int("back_posx");
    menu.panelY = layout.Int("back_posy");
    LoadButton(menu.start, layout, "btn_start_name", "btn_start", &sounds);
    LoadButton(menu.resume, layout, "btn_game_name", "btn_game", &sounds);
    LoadButton(menu.save, layout, "btn_save_name", "btn_save", &sounds);
    LoadButton(menu.settings, layout, "btn_set_name", "btn_set", &sounds);
    LoadButton(menu.menu, layout, "btn_back_name", "btn_back", &sounds);
    menu.resources = layout.TakeManager();
}

void ToggleGameMenu(Game& game) {
    GameMenu& menu = game.gameMenu;
    if (menu.open) {
        CloseMenu(menu);
        SetGameState(game, menu.savedState);
        return;
    }
    menu.open = true;
    menu.buttonsLive = true;
    menu.savedState = game.gameState;
    game.gameState = GameState::GameMenu;  // stored directly: no banner starts
}

void UpdateGameMenu(App& app) {
    GameMenu& menu = app.game.gameMenu;
    HGE& hge = *app.hge;
    const MousePoint mouse = ReadMouse(hge);
    Button* const panelButtons[] = {&menu.resume, &menu.start, &menu.save, &menu.settings};

    menu.menu.UpdateHover(mouse.x, mouse.y);
    if (menu.buttonsLive) {
        for (Button* button : panelButtons) {
            button->UpdateHover(mouse.x, mouse.y);
        }
    }
    if (hge.Input_GetKeyState(HGEK_LBUTTON)) {
        if (!menu.mouseWasDown) {
            menu.mouseWasDown = true;
            menu.menu.OnMouseDown(mouse.x, mouse.y);
            if (menu.buttonsLive) {
                for (Button* button : panelButtons) {
                    button->OnMouseDown(mouse.x, mouse.y);
                }
            }
        }
    } else if (menu.mouseWasDown) {
        ClickStep(app, mouse.x, mouse.y);
        menu.mouseWasDown = false;
    }

    if (hge.Input_GetKeyState(HGEK_ESCAPE)) {
        if (!menu.escWasDown) {
            menu.escWasDown = true;
            ToggleGameMenu(app.game);
        }
    } else {
        menu.escWasDown = false;
    }

    if (menu.open && !menu.buttonsLive) {
        SettingsFrame(app);
    }
}

void RenderGameMenu(App& app) {
    GameMenu& menu = app.game.gameMenu;
    if (menu.open) {
        if (menu.panel) {
            menu.panel->Render(static_cast<float>(menu.panelX), static_cast<float>(menu.panelY));
        }
        menu.resume.Render();
        menu.start.Render();
        menu.settings.Render();
        menu.save.Render();
        if (!menu.buttonsLive) {
            RenderSettings(app.settings);
        }
    }
    menu.menu.Render();
}
