#include "game/game_frame.h"

#include "app/app.h"
#include "board/advance.h"
#include "board/board.h"
#include "board/effects.h"
#include "engine/hge.h"
#include "game/aim_line.h"
#include "game/banners.h"
#include "game/fail_screen.h"
#include "game/flying_block.h"
#include "game/game.h"
#include "game/game_menu.h"
#include "game/help.h"
#include "game/hud.h"
#include "game/pass_screen.h"
#include "game/props.h"
#include "game/shooter.h"

namespace {

// Space or the left button going down resumes a paused game; the press goes
// no further (true: the frame ends here).
bool ResumeFromPause(Game& game) {
    HGE& hge = *game.hge;
    ResumeKeys& keys = game.resumeKeys;
    if (!hge.Input_GetKeyState(HGEK_SPACE)) {
        keys.space = false;
    } else if (!keys.space) {
        keys.space = true;
        if (game.gameState == GameState::Paused) {
            game.gameState = GameState::Playing;
            // The press that resumed must not also fire.
            game.shooter.spaceHeld = true;
            return true;
        }
    }
    if (!hge.Input_GetKeyState(HGEK_LBUTTON)) {
        keys.mouse = false;
    } else if (!keys.mouse) {
        keys.mouse = true;
        if (game.gameState == GameState::Paused) {
            game.gameState = GameState::Playing;
            // The menu and help take this press as begun already, so its
            // release clicks neither of their buttons.
            game.gameMenu.mouseWasDown = true;
            game.help.mouseWasDown = true;
            return true;
        }
    }
    return false;
}

void PlayFrame(Game& game, float dt) {
    UpdateShooter(game, dt);
    AdvanceShot(game, dt);
    UpdateAimLine(game, dt);
    UpdateBoard(game.board, game.blocks, game.effects, dt);
    UpdateBoardTimer(game, dt);
    game.props.propTimer += dt;
    if (game.props.propsOnBoard < game.level.maxProps) {
        PlaceProp(game);
    }
    UpdateRemovals(game.effects, dt);
    UpdateFallingBlocks(game.effects, dt, game.screenHeight, game.board.blockHeight);
}

}  // namespace

void GameFrame(App& app, float dt) {
    Game& game = app.game;
    // The animals move in every state.
    UpdateAnimals(game.hud, dt);
    if (ResumeFromPause(game)) {
        return;
    }
    switch (game.gameState) {
        case GameState::Ready:
        case GameState::PassBanner:
        case GameState::FailBanner:
            UpdateBanner(game, dt);
            break;
        case GameState::Playing:
            PlayFrame(game, dt);
            break;
        case GameState::PassScreen:
            UpdatePassScreen(game, dt);
            break;
        case GameState::FailScreen:
            UpdateFailScreen(game, dt);
            break;
        default:  // Paused, GameMenu, Help: the level stands still
            break;
    }
    if (game.gameState != GameState::Help) {
        UpdateGameMenu(app);
    }
    if (game.gameState != GameState::GameMenu) {
        UpdateHelp(game);
    }
}

void GameRender(App& app) {
    Game& game = app.game;
    HGE& hge = *game.hge;
    Board& board = game.board;
    RenderHudBackground(game.hud);
    RenderAnimals(game.hud);

    // The field, clipped to its fixed rectangle.
    hge.Gfx_SetClipping(board.clipX, board.clipY, board.clipWidth, board.clipHeight);
    if (game.level.needRemove <= 0) {
        RenderCeiling(game);  // no more rows come: the ceiling sits on row 0
    }
    RenderRemovals(game.effects);
    RenderFallingBlocks(game.effects);
    RenderBoard(board, game.effects, BoardPropIcons(game.propAnimations));
    hge.Gfx_SetClipping(0, 0, 0, 0);

    RenderAimLine(game);
    RenderHudNumbers(game);
    RenderShooter(game);
    RenderFlyingBlock(game);
    RenderGameMenu(app);
    RenderHelp(game.help);

    switch (game.gameState) {
        case GameState::Ready:
        case GameState::PassBanner:
        case GameState::FailBanner:
            RenderBanner(game);
            break;
        case GameState::PassScreen:
            RenderPassScreen(game);
            break;
        case GameState::FailScreen:
            RenderFailScreen(game);
            break;
        case GameState::Paused:
            RenderPausePicture(game.hud);
            break;
        default:  // Playing, GameMenu, Help add nothing
            break;
    }
}

void PauseOnFocusLoss(Game& game) {
    if (game.gameState == GameState::Playing) {
        game.gameState = GameState::Paused;
    }
}
