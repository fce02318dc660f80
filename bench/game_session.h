// The real game loaded from the built game folder on the offscreen backend,
// set up the way RunGame sets it up but without entering the loop, so a
// benchmark can call one frame at a time.
#pragma once

#include "app/app.h"
#include "engine/hge.h"
#include "engine/offscreen/offscreen_backend.h"

#include <functional>
#include <memory>
#include <string>

class GameSession {
public:
    // Loads everything from gameDir (image.dat, script/, res/, sound/);
    // saves go to a fresh temporary folder. Ok() tells whether it started.
    explicit GameSession(const std::string& gameDir);
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    bool Ok() const { return ok_; }
    const std::string& Error() const { return error_; }

    App& app() { return *app_; }
    Game& game() { return app_->game; }
    HGE& hge() { return *hge_; }
    OffscreenBackend& backend() { return *backend_; }
    float FrameDelta() const { return backend_->FrameDelta(); }

    // A new game at the level, as the name screen's OK starts one, with the
    // opening banner skipped: GameState is Playing.
    void StartLevel(int level);
    // Every cell from colourAt(col, row): 0 empty, else a normal block of
    // that colour with no prop; row r shifted by r mod 2, the field at its
    // starting place, no effects and no props on the board.
    void LayBoard(const std::function<int(int col, int row)>& colourAt);
    // Fires a block of the colour from the shooter straight up and then
    // puts its centre at (x, y): the flight keeps its launch velocity.
    void Launch(int colour, float x, float y);
    // Level 1 on the full board of bench_boards.h with a colour-7 block
    // flying straight up just under it. Returns the centre the block is put
    // back to before every frame, so that it never lands.
    struct Spot {
        float x = 0.0f;
        float y = 0.0f;
    };
    Spot StartFullBoardFlight();
    // True while that block still flies and the level goes on.
    bool StillInFlight() {
        return game().flying.inFlight && game().gameState == GameState::Playing;
    }
    // Runs exactly one pass of the engine's frame loop: input, the frame
    // function, the render function drawn by the software renderer, present.
    void RunOneLoopFrame();

private:
    std::unique_ptr<App> app_;
    HGE* hge_ = nullptr;
    OffscreenBackend* backend_ = nullptr;
    std::string saveDir_;
    bool ok_ = false;
    std::string error_;
};
