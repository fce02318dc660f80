// The block animations: the 22 templates read once at start-up from
// script/block_anima.luac and res/block.pak, the holder every board cell
// keeps its animation in, and the fall speed of dropped blocks.
#pragma once

#include "engine/animation.h"
#include "engine/resource_manager.h"

#include <array>
#include <memory>

// Animation states of a holder; the plain ints the cells store.
namespace AnimState {
inline constexpr int None = 0;
inline constexpr int Normal = 1;
inline constexpr int Hit = 2;
inline constexpr int Remove = 3;  // only in the removal effects
}  // namespace AnimState

// Colours 1..7 are blocks; 8 asks for the bomb picture.
inline constexpr int kBlockColours = 7;
inline constexpr int kBombColour = 8;

struct BlockAnimations {
    std::unique_ptr<hgeResourceManager> resources;  // res/block.pak, kept for the run
    // Index colour - 1. Templates are copied, never drawn; after a load none
    // is null (a missing name gives a placeholder).
    std::array<std::unique_ptr<hgeAnimation>, kBlockColours> normal;
    std::array<std::unique_ptr<hgeAnimation>, kBlockColours> hit;
    std::array<std::unique_ptr<hgeAnimation>, kBlockColours> remove;
    std::unique_ptr<hgeAnimation> bomb;
    float fallSpeed = 0.0f;     // "fallspeed": starting speed of a dropped block, px/s
    float acceleration = 0.0f;  // "jiasu": its downward acceleration, px/s²
};

// The block a cell (or anything else) shows: an owned copy of a template,
// which of the templates it is, and the colour it was made for.
struct AnimationHolder {
    std::unique_ptr<hgeAnimation> animation;
    int state = AnimState::None;
    int colour = 0;
};

// Reads script/block_anima.luac and res/block.pak into the templates.
void LoadBlockAnimations(BlockAnimations& blocks);

// The only way a holder's animation changes: state or colour 0 empties it;
// otherwise a fresh copy of the template for (state, colour) starts from its
// first frame.
void SetCellAnimation(const BlockAnimations& blocks, AnimationHolder& holder, int state,
                      int colour);

// The template a falling block or the shooter's preview copies: colour 1..7
// is that colour's Normal template, 8 the bomb. Null outside 1..8 or before
// the load.
const hgeAnimation* FallAnimationFor(const BlockAnimations& blocks, int colour);
// The Remove template of colour 1..7; null outside it.
const hgeAnimation* RemovalAnimationFor(const BlockAnimations& blocks, int colour);
