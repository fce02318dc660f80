#include "game_session.h"

#include "bench_boards.h"

#include "app/app_state.h"
#include "app/callbacks.h"
#include "app/config.h"
#include "app/init_all.h"
#include "app/pack_password.h"
#include "board/board.h"
#include "game/level_setup.h"
#include "game/shooter.h"

#include <stdlib.h>

#include <filesystem>
#include <system_error>

GameSession::GameSession(const std::string& gameDir) : app_(std::make_unique<App>()) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "bubblehive-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        error_ = "cannot make a temporary save folder";
        return;
    }
    saveDir_ = pattern;
    app_->saveDir = saveDir_;

    // The same steps as RunGame, without the sounds: the audio device stays
    // closed, so the figures are the game's own work.
    hge_ = hgeCreate(HGE_VERSION);
    app_->hge = hge_;
    auto offscreen = std::make_unique<OffscreenBackend>();
    backend_ = offscreen.get();
    // Each System_Start runs one pass of the loop.
    backend_->SetAfterFrame([](int) { return false; });
    hge_->System_SetBackend(std::move(offscreen));
    hge_->System_SetStateString(HGE_GAMEDIR, gameDir);
    hge_->Resource_AttachPack(hge_->Resource_MakePath("image.dat"), kPackPassword);

    const std::string configPath = hge_->Resource_MakePath("script/config.luac");
    App& app = *app_;
    ReadConfig(configPath, app.config);
    hge_->System_SetStateFunc(HGE_FRAMEFUNC, [&app] { return FrameFunc(app); });
    hge_->System_SetStateFunc(HGE_RENDERFUNC, [&app] { return RenderFunc(app); });
    app.config.title = ReadTitle(configPath);
    hge_->System_SetStateString(HGE_TITLE, app.config.title);
    hge_->System_SetStateBool(HGE_WINDOWED, true);
    hge_->System_SetStateBool(HGE_USESOUND, false);
    hge_->System_SetStateBool(HGE_SHOWSPLASH, false);
    hge_->System_SetStateInt(HGE_FPS, app.config.fps);
    hge_->System_SetStateInt(HGE_SCREENWIDTH, app.config.width);
    hge_->System_SetStateInt(HGE_SCREENHEIGHT, app.config.height);
    if (!hge_->System_Initiate()) {
        error_ = hge_->System_GetErrorMessage();
        return;
    }
    InitAll(app);
    ok_ = true;
}

GameSession::~GameSession() {
    if (hge_ != nullptr) {
        hge_->System_Shutdown();
    }
    // The game's sprites and textures go while the engine is still there.
    app_.reset();
    if (hge_ != nullptr) {
        hge_->Release();
    }
    if (!saveDir_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(saveDir_, ignored);
    }
}

void GameSession::StartLevel(int level) {
    Game& game = app_->game;
    SetAppState(*app_, AppState::Game);
    game.score = Score{};
    game.level.current = level;
    SetUpLevel(game, level);
    game.gameState = GameState::Playing;
}

void GameSession::LayBoard(const std::function<int(int col, int row)>& colourAt) {
    Game& game = app_->game;
    Board& board = game.board;
    board.BoardOriginY = static_cast<float>(board.offsetYInt);
    for (int row = 0; row < board.numy; ++row) {
        for (int col = 0; col < board.numx; ++col) {
            const int colour = colourAt(col, row);
            PlaceCell(board, col, row, row % 2);
            Cell& cell = board.At(col, row);
            cell.colour = colour;
            cell.kind = colour == 0 ? 0 : 1;
            cell.prop = 0;
            SetCellAnimation(game.blocks, cell.animation,
                             colour == 0 ? AnimState::None : AnimState::Normal, colour);
        }
    }
    ClearEffects(game.effects);
    game.props.propsOnBoard = 0;
    game.props.propTimer = 0.0f;
    game.level.fallTimer = 0.0f;
    game.level.advanceDue = false;
}

void GameSession::Launch(int colour, float x, float y) {
    Game& game = app_->game;
    FireBlock(game, colour, static_cast<float>(game.shooter.x), static_cast<float>(game.shooter.y),
              0.0f);
    game.flying.x = x;
    game.flying.y = y;
}

void GameSession::RunOneLoopFrame() {
    hge_->System_Start();
}

GameSession::Spot GameSession::StartFullBoardFlight() {
    StartLevel(1);
    LayBoard(FullBoardColour);
    Launch(kFlyingColour, 0.0f, 0.0f);
    const Game& g = game();
    return Spot{static_cast<float>(g.shooter.x),
                HeightUnderFullBoard(g.board, g.flying.vy, FrameDelta())};
}
