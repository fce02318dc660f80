#include "game/help.h"

#include "app/layout_script.h"
#include "engine/hge.h"
#include "game/game.h"
#include "game/game_state.h"

void LoadHelp(HelpScreen& help, Sounds& sounds) {
    LayoutScript layout("help", "res/help.pak", "script/help.luac");
    help.picture = layout.AnimationCopy("back");
    help.pictureX = layout.Int("back_posx");
    help.pictureY = layout.Int("back_posy");
    LoadButton(help.button, layout, "help_name", "help", &sounds);
    help.resources = layout.TakeManager();
}

void UpdateHelp(Game& game) {
    HelpScreen& help = game.help;
    const MousePoint mouse = ReadMouse(*game.hge);
    help.button.UpdateHover(mouse.x, mouse.y);
    if (game.hge->Input_GetKeyState(HGEK_LBUTTON)) {
        if (!help.mouseWasDown) {
            help.button.OnMouseDown(mouse.x, mouse.y);
        }
        help.mouseWasDown = true;
        return;
    }
    if (!help.mouseWasDown) {
        return;
    }
    help.mouseWasDown = false;
    if (help.button.OnMouseUp(mouse.x, mouse.y)) {
        help.shown = !help.shown;
        if (help.shown) {
            help.savedState = game.gameState;
            game.gameState = GameState::Help;  // stored directly: no banner starts
        } else {
            SetGameState(game, help.savedState);
        }
        return;
    }
    // Any other click closes help.
    if (help.shown) {
        help.shown = false;
        SetGameState(game, help.savedState);
    }
}

void RenderHelp(HelpScreen& help) {
    help.button.Render();
    if (help.shown && help.picture) {
        help.picture->Render(static_cast<float>(help.pictureX), static_cast<float>(help.pictureY));
    }
}
