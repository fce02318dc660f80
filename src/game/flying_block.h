// The one block in flight between the launcher and the board.
#pragma once

#include "engine/animation.h"

#include <memory>

struct Game;

struct FlyingBlock {
    bool inFlight = false;                 // cleared by the board when the block stops
    std::unique_ptr<hgeAnimation> sprite;  // replaced at each shot
    float x = 0.0f;                        // centre, pixels
    float y = 0.0f;
    float vx = 0.0f;  // pixels per second
    float vy = 0.0f;
    int colour = 0;      // 1..7, the colour it was fired with
    float speed = 0.0f;  // launch speed
};

// Its animation, the speed-mode countdown, and while in flight its movement
// with the bounces off the side walls. The board's collision test stops it.
void UpdateFlyingBlock(Game& game, float dt);
// The shot's part of a playing frame: UpdateFlyingBlock, then the board's
// collision test while the block still flies. The shot simulation runs the
// same steps.
void AdvanceShot(Game& game, float dt);
// Draws it while it flies.
void RenderFlyingBlock(Game& game);
