#include "game/flying_block.h"

#include "board/collision.h"
#include "game/game.h"

void UpdateFlyingBlock(Game& game, float dt) {
    FlyingBlock& flying = game.flying;
    if (flying.sprite) {
        flying.sprite->Update(dt);
    }
    // A slow or fast mode runs down in every playing frame, flight or not.
    PropState& props = game.props;
    if (props.speedMode != 0) {
        props.speedTimer -= dt;
        if (props.speedTimer <= 0.0f) {
            props.speedMode = 0;
        }
    }
    if (!flying.inFlight) {
        return;
    }
    flying.x += flying.vx * dt;
    flying.y += flying.vy * dt;
    // The walls stand where the outermost plain-grid and shifted centres are,
    // so a bouncing block stays inside the columns.
    const float left = static_cast<float>(game.board.wallLeft);
    const float right = static_cast<float>(game.board.wallRight);
    if (flying.x <= left) {
        flying.x = left;
        flying.vx = -flying.vx;
    }
    if (flying.x >= right) {
        flying.x = right;
        flying.vx = -flying.vx;
    }
}

void AdvanceShot(Game& game, float dt) {
    UpdateFlyingBlock(game, dt);
    if (game.flying.inFlight) {
        CheckCollision(game);
    }
}

void RenderFlyingBlock(Game& game) {
    FlyingBlock& flying = game.flying;
    if (flying.sprite && flying.inFlight) {
        flying.sprite->Render(flying.x, flying.y);
    }
}
