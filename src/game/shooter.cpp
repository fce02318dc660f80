#include "game/shooter.h"

#include "app/layout_script.h"
#include "app/sound.h"
#include "board/board.h"
#include "engine/hge.h"
#include "game/game.h"

#include <cmath>

namespace {

// A copy of a template for the shooter's own use; null without a template.
std::unique_ptr<hgeAnimation> CopyOf(const hgeAnimation* source) {
    return source ? std::make_unique<hgeAnimation>(*source) : nullptr;
}

void PlayShootSound(Game& game) {
    if (game.sounds != nullptr) {
        PlaySound(*game.sounds, ShootSound, false);
    }
}

// The block after the one just fired comes up: the next colour becomes the
// current one and a new next colour is picked from the board.
void AdvanceColours(Game& game) {
    Shooter& shooter = game.shooter;
    const int current = shooter.next;
    RecomputeColoursPresent(shooter, game.board);
    SetShooterColours(game, current, PickColour(shooter, *game.hge));
}

// Fires the current block from the pivot and brings the next one up, unless
// the shot is an armed bomb, which leaves both blocks as they are.
void Fire(Game& game) {
    Shooter& shooter = game.shooter;
    LaunchCurrentBlock(game);
    PlayShootSound(game);
    shooter.shotTimer = 0.0f;
    if (game.props.bombShots <= 0) {
        AdvanceColours(game);
    }
}

}  // namespace

void LoadShooter(Shooter& shooter) {
    LayoutScript layout("shooter", "res/block_shoot.pak", "script/block_shoot.luac");
    shooter.launcher = layout.AnimationCopy("shoot_name");
    shooter.x = layout.Int("shoot_x");
    shooter.y = layout.Int("shoot_y");
    shooter.currentX = layout.Int("shoot_current_x");
    shooter.currentY = layout.Int("shoot_current_y");
    shooter.nextX = layout.Int("shoot_next_x");
    shooter.nextY = layout.Int("shoot_next_y");
    shooter.aimLimit = static_cast<float>(layout.Number("shoot_min_angle")) * kDegreesToRadians;
    shooter.limitTime = static_cast<float>(layout.Number("shoot_limit_time"));
    shooter.resources = layout.TakeManager();
}

void ResetShooter(Game& game) {
    Shooter& shooter = game.shooter;
    shooter.angle = 0.0f;
    shooter.shotTimer = 0.0f;
    game.hge->Random_Seed(0);
    RecomputeColoursPresent(shooter, game.board);
    const int current = PickColour(shooter, *game.hge);
    const int next = PickColour(shooter, *game.hge);
    SetShooterColours(game, current, next);
    shooter.shotTimer = 0.0f;
}

void RecomputeColoursPresent(Shooter& shooter, const Board& board) {
    shooter.coloursPresent.fill(false);
    for (const Cell& cell : board.cells) {
        if (cell.colour >= 1 && cell.colour <= kBlockColours) {
            shooter.coloursPresent[cell.colour - 1] = true;
        }
    }
}

int PickColour(const Shooter& shooter, HGE& hge) {
    int count = 0;
    int only = 1;
    for (int colour = 1; colour <= kBlockColours; ++colour) {
        if (shooter.coloursPresent[colour - 1]) {
            ++count;
            only = colour;
        }
    }
    if (count <= 1) {
        return only;
    }
    // The r-th colour present, walking up from colour 1.
    int r = hge.Random_Int(1, count);
    for (int colour = 1; colour <= kBlockColours; ++colour) {
        if (shooter.coloursPresent[colour - 1] && --r == 0) {
            return colour;
        }
    }
    return only;
}

void SetShooterColours(Game& game, int current, int next) {
    Shooter& shooter = game.shooter;
    shooter.current = current;
    shooter.next = next;
    shooter.currentBlock = CopyOf(FallAnimationFor(game.blocks, current));
    shooter.nextBlock = CopyOf(FallAnimationFor(game.blocks, next));
}

void UpdateShooter(Game& game, float dt) {
    Shooter& shooter = game.shooter;
    HGE& hge = *game.hge;
    shooter.shotTimer += dt;

    shooter.angle =
        TurnAim(shooter.angle, hge.Input_GetKeyState(HGEK_LEFT), hge.Input_GetKeyState(HGEK_RIGHT),
                hge.Timer_GetDelta(), shooter.aimLimit);

    // Space fires once per press, and only when nothing is in flight; a press
    // held through a flight fires as soon as the block has landed.
    if (!hge.Input_GetKeyState(HGEK_SPACE)) {
        shooter.spaceHeld = false;
    } else if (!shooter.spaceHeld && !game.flying.inFlight) {
        Fire(game);
        shooter.spaceHeld = true;
    }

    if (shooter.launcher) {
        shooter.launcher->Update(dt);
    }

    // A player who waits too long has the block fired for them.
    if (shooter.limitTime <= shooter.shotTimer && !game.flying.inFlight) {
        Fire(game);
    }
}

float TurnAim(float angle, bool left, bool right, float delta, float limit) {
    if (left) {
        angle -= delta;
    }
    if (right) {
        angle += delta;
    }
    if (std::fabs(angle) > limit) {
        angle = angle > 0.0f ? limit : -limit;
    }
    return angle;
}

void LaunchCurrentBlock(Game& game) {
    const Shooter& shooter = game.shooter;
    FireBlock(game, shooter.current, static_cast<float>(shooter.x), static_cast<float>(shooter.y),
              shooter.angle);
}

void FireBlock(Game& game, int colour, float x, float y, float angle) {
    FlyingBlock& flying = game.flying;
    flying.sprite.reset();
    if (game.props.bombShots > 0) {
        flying.sprite = CopyOf(game.propAnimations.bomb.get());  // an armed bomb flies as a bomb
    } else {
        flying.sprite = CopyOf(FallAnimationFor(game.blocks, colour));
    }
    flying.inFlight = true;
    flying.x = x;
    flying.y = y;
    flying.colour = colour;
    const char* speedName = "ShootSpeed";
    if (game.props.speedMode == 1) {
        speedName = "ShootSpeedSlow";
    } else if (game.props.speedMode == 2) {
        speedName = "ShootSpeedFast";
    }
    flying.speed = ReadSpeedGlobal(game.rules, speedName);
    flying.vx = std::sin(angle) * flying.speed;
    flying.vy = -std::fabs(std::cos(angle) * flying.speed);
}

void RefreshShooterColours(Game& game) {
    Shooter& shooter = game.shooter;
    RecomputeColoursPresent(shooter, game.board);
    auto present = [&shooter](int colour) {
        return colour >= 1 && colour <= kBlockColours && shooter.coloursPresent[colour - 1];
    };
    if (!present(shooter.current)) {
        shooter.current = PickColour(shooter, *game.hge);
        shooter.currentBlock = CopyOf(FallAnimationFor(game.blocks, shooter.current));
    }
    if (!present(shooter.next)) {
        shooter.next = PickColour(shooter, *game.hge);
        shooter.nextBlock = CopyOf(FallAnimationFor(game.blocks, shooter.next));
    }
}

void RenderShooter(Game& game) {
    Shooter& shooter = game.shooter;
    if (shooter.launcher) {
        shooter.launcher->RenderEx(static_cast<float>(shooter.x), static_cast<float>(shooter.y),
                                   shooter.angle, 1.0f, 1.0f);
    }
    if (shooter.currentBlock) {
        shooter.currentBlock->Render(static_cast<float>(shooter.currentX),
                                     static_cast<float>(shooter.currentY));
    }
    if (shooter.nextBlock) {
        shooter.nextBlock->Render(static_cast<float>(shooter.nextX),
                                  static_cast<float>(shooter.nextY));
    }
    // An armed shot shows its icon over the current block.
    hgeAnimation* armed = nullptr;
    if (game.props.bombShots > 0) {
        armed = game.propAnimations.bombArmed.get();
    } else if (game.props.infectionShots > 0) {
        armed = game.propAnimations.infection.get();
    }
    if (armed) {
        armed->Render(static_cast<float>(shooter.currentX), static_cast<float>(shooter.currentY));
    }
}
