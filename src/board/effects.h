// The short-lived pictures that outlive a block's place on the board: bomb
// bursts, removal animations and blocks falling off the field.
#pragma once

#include "board/block_animations.h"
#include "engine/animation.h"

#include <memory>
#include <vector>

struct Effect {
    std::unique_ptr<hgeAnimation> animation;
    float x = 0.0f;  // drawing point, whole pixels when created
    float y = 0.0f;
    float speed = 0.0f;         // falling blocks: current downward speed, px/s
    float acceleration = 0.0f;  // falling blocks: "jiasu"
};

// Each list keeps insertion order; an entry owns its animation.
struct Effects {
    std::vector<Effect> bombBursts;
    std::vector<Effect> removals;
    std::vector<Effect> fallingBlocks;
};

void SpawnBombBurst(Effects& effects, const BlockAnimations& blocks, float x, float y);
void SpawnRemoval(Effects& effects, const BlockAnimations& blocks, int colour, float x, float y);
void SpawnFallingBlock(Effects& effects, const BlockAnimations& blocks, int colour, float x,
                       float y);

// Advance the animations; an entry whose animation stopped is removed.
void UpdateBombBursts(Effects& effects, float dt);
void UpdateRemovals(Effects& effects, float dt);
// Moves falling blocks down (the position step uses last frame's speed, then
// the speed grows) and removes those that reached screenHeight + half a
// block height.
void UpdateFallingBlocks(Effects& effects, float dt, int screenHeight, int blockHeight);

void RenderBombBursts(Effects& effects);
void RenderRemovals(Effects& effects);
void RenderFallingBlocks(Effects& effects);

// Empties the three lists (bomb bursts, removals, falling blocks).
void ClearEffects(Effects& effects);
