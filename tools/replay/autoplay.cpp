#include "autoplay.h"

#include "app/app.h"
#include "commands.h"
#include "engine/hge.h"
#include "engine/offscreen/offscreen_backend.h"
#include "game/game.h"
#include "game/shooter.h"
#include "game_commands.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

void Key(ReplayContext& context, int key, bool down) {
    InputEvent event;
    event.kind = down ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
    event.key = key;
    context.hge.DeliverEvent(event);
}

// Holds the turning key (0: neither), releasing the other one.
void HoldTurn(Autoplay& autoplay, ReplayContext& context, int key) {
    if (autoplay.turnKey == key) {
        return;
    }
    if (autoplay.turnKey != 0) {
        Key(context, autoplay.turnKey, false);
    }
    if (key != 0) {
        Key(context, key, true);
    }
    autoplay.turnKey = key;
}

void PressSpace(Autoplay& autoplay, ReplayContext& context) {
    Key(context, HGEK_SPACE, true);
    autoplay.spaceDown = true;
}

// What a plan depends on besides the aim.
std::vector<int> PlanView(const Game& game) {
    std::vector<int> view;
    view.reserve(game.board.cells.size() + 6);
    for (const Cell& cell : game.board.cells) {
        view.push_back(cell.colour * 8 + cell.prop);
    }
    view.push_back(static_cast<int>(std::lround(game.board.BoardOriginY * 1000.0f)));
    view.push_back(game.shooter.current);
    view.push_back(game.props.bombShots > 0 ? 1 : 0);
    view.push_back(game.props.infectionShots > 0 ? 1 : 0);
    view.push_back(game.props.speedMode);
    return view;
}

// In play: wait for the block in flight, plan a shot, turn to it, fire.
void Aim(Autoplay& autoplay, ReplayContext& context) {
    Game& game = context.app.game;
    if (game.flying.inFlight) {
        HoldTurn(autoplay, context, 0);
        autoplay.planned = false;
        return;
    }
    std::vector<int> view = PlanView(game);
    if (!autoplay.planned || view != autoplay.planView) {
        autoplay.plan = ChooseAim(game, context.backend.FrameDelta());
        autoplay.planView = std::move(view);
        autoplay.planned = true;
    }
    if (autoplay.plan.frames > 0) {
        HoldTurn(autoplay, context, autoplay.plan.key);
        --autoplay.plan.frames;
        return;
    }
    HoldTurn(autoplay, context, 0);
    autoplay.planned = false;
    // Fire only at the angle that was tried; anything else plans again.
    if (game.shooter.angle == autoplay.plan.angle && !game.shooter.spaceHeld) {
        PressSpace(autoplay, context);
    }
}

}  // namespace

bool BetterShot(const AimCandidate& a, const AimCandidate& b) {
    const ShotOutcome& x = a.outcome;
    const ShotOutcome& y = b.outcome;
    const bool xSafe = x.landed && !x.failed;
    const bool ySafe = y.landed && !y.failed;
    if (xSafe != ySafe) {
        return xSafe;
    }
    if (x.passed != y.passed) {
        return x.passed;
    }
    if (x.removed != y.removed) {
        return x.removed > y.removed;
    }
    if (x.sameColourNeighbours != y.sameColourNeighbours) {
        return x.sameColourNeighbours > y.sameColourNeighbours;
    }
    const float xTilt = std::fabs(a.angle);
    const float yTilt = std::fabs(b.angle);
    if (xTilt != yTilt) {
        return xTilt < yTilt;
    }
    return a.angle < b.angle;
}

AimCandidate ChooseAim(Game& game, float delta) {
    const Shooter& shooter = game.shooter;
    std::vector<AimCandidate> candidates;
    candidates.push_back({shooter.angle, 0, 0, {}});
    for (const int key : {HGEK_LEFT, HGEK_RIGHT}) {
        float angle = shooter.angle;
        for (int frames = 1;; ++frames) {
            const float turned =
                TurnAim(angle, key == HGEK_LEFT, key == HGEK_RIGHT, delta, shooter.aimLimit);
            if (turned == angle) {
                break;  // held at the limit (or no time to turn in)
            }
            angle = turned;
            candidates.push_back({angle, key, frames, {}});
        }
    }
    AimCandidate best;
    for (size_t i = 0; i < candidates.size(); ++i) {
        AimCandidate& candidate = candidates[i];
        candidate.outcome = SimulateShot(game, candidate.angle, delta);
        if (i == 0 || BetterShot(candidate, best)) {
            best = candidate;
        }
    }
    return best;
}

void AutoplayBeforeFrame(Autoplay& autoplay, ReplayContext& context) {
    App& app = context.app;
    if (autoplay.spaceDown) {
        // A press lasts one frame; the next one needs a frame with Space up.
        Key(context, HGEK_SPACE, false);
        autoplay.spaceDown = false;
        return;
    }
    if (app.appState != AppState::Game) {
        HoldTurn(autoplay, context, 0);
        if (autoplay.startsGame) {
            autoplay.startsGame = false;
            ReplayCommand start;
            start.number = 1;
            RunStart(start, context);
        }
        return;
    }
    Game& game = app.game;
    switch (game.gameState) {
        case GameState::Playing:
            Aim(autoplay, context);
            break;
        case GameState::PassScreen:  // next level
        case GameState::FailScreen:  // try again
        case GameState::Paused:
            HoldTurn(autoplay, context, 0);
            autoplay.planned = false;
            PressSpace(autoplay, context);
            break;
        default:  // banners; the in-game menu and help are the script's
            HoldTurn(autoplay, context, 0);
            autoplay.planned = false;
            break;
    }
}

void AutoplayAfterFrame(Autoplay& autoplay, const ReplayContext& context) {
    ++autoplay.frames;
    const App& app = context.app;
    if (app.appState != AppState::Game) {
        return;
    }
    const Game& game = app.game;
    autoplay.highestLevel = std::max(autoplay.highestLevel, game.level.current);
    if (game.gameState != autoplay.lastGameState) {
        if (game.gameState == GameState::PassBanner) {
            ++autoplay.passes;
        } else if (game.gameState == GameState::FailBanner) {
            ++autoplay.fails;
        }
        autoplay.lastGameState = game.gameState;
    }
}

std::string AutoplaySummary(const Autoplay& autoplay, double seconds) {
    const double rate = seconds > 0.0 ? autoplay.frames / seconds : 0.0;
    char line[160];
    std::snprintf(line, sizeof line,
                  "autoplay: %d frames, highest level %d, %d passes, %d fails, %.0f frames/s",
                  autoplay.frames, autoplay.highestLevel, autoplay.passes, autoplay.fails, rate);
    return line;
}
