#include "board/effects.h"

namespace {

// Appends an effect with a started copy of source; nothing when there is no
// template to copy.
Effect* Spawn(std::vector<Effect>& list, const hgeAnimation* source, float x, float y) {
    if (source == nullptr) {
        return nullptr;
    }
    Effect& effect = list.emplace_back();
    effect.animation = std::make_unique<hgeAnimation>(*source);
    effect.animation->Play();
    effect.x = x;
    effect.y = y;
    return &effect;
}

// Advances every animation from the front; one that stopped leaves the list
// and the walk goes on with the next entry.
void UpdateAnimations(std::vector<Effect>& list, float dt) {
    for (size_t i = 0; i < list.size();) {
        list[i].animation->Update(dt);
        if (!list[i].animation->IsPlaying()) {
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
}

void RenderList(std::vector<Effect>& list) {
    for (Effect& effect : list) {
        effect.animation->Render(effect.x, effect.y);
    }
}

}  // namespace

void SpawnBombBurst(Effects& effects, const BlockAnimations& blocks, float x, float y) {
    Spawn(effects.bombBursts, blocks.bomb.get(), x, y);
}

void SpawnRemoval(Effects& effects, const BlockAnimations& blocks, int colour, float x, float y) {
    Spawn(effects.removals, RemovalAnimationFor(blocks, colour), x, y);
}

void SpawnFallingBlock(Effects& effects, const BlockAnimations& blocks, int colour, float x,
                       float y) {
    if (Effect* effect = Spawn(effects.fallingBlocks, FallAnimationFor(blocks, colour), x, y)) {
        effect->speed = blocks.fallSpeed;
        effect->acceleration = blocks.acceleration;
    }
}

void UpdateBombBursts(Effects& effects, float dt) {
    UpdateAnimations(effects.bombBursts, dt);
}

void UpdateRemovals(Effects& effects, float dt) {
    UpdateAnimations(effects.removals, dt);
}

void UpdateFallingBlocks(Effects& effects, float dt, int screenHeight, int blockHeight) {
    const float bottom = static_cast<float>(screenHeight) + static_cast<float>(blockHeight) * 0.5f;
    auto& list = effects.fallingBlocks;
    for (size_t i = 0; i < list.size();) {
        Effect& effect = list[i];
        effect.animation->Update(dt);
        // Explicit step: move with last frame's speed, then speed up.
        effect.y = effect.y + effect.speed * dt;
        effect.speed = effect.speed + effect.acceleration * dt;
        if (effect.y >= bottom) {
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
}

void RenderBombBursts(Effects& effects) {
    RenderList(effects.bombBursts);
}

void RenderRemovals(Effects& effects) {
    RenderList(effects.removals);
}

void RenderFallingBlocks(Effects& effects) {
    RenderList(effects.fallingBlocks);
}

void ClearEffects(Effects& effects) {
    effects.bombBursts.clear();
    effects.removals.clear();
    effects.fallingBlocks.clear();
}
