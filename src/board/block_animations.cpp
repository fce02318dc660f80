#include "board/block_animations.h"

#include "app/layout_script.h"

#include <string>

void LoadBlockAnimations(BlockAnimations& blocks) {
    LayoutScript layout("block", "res/block.pak", "script/block_anima.luac");
    // Read in the script's order: Normal, Hit, Remove, each colour 1 to 7,
    // then the bomb and the two numbers. A missing name becomes a placeholder
    // (the layout script reports it), so a template is never null.
    const struct {
        const char* prefix;
        std::array<std::unique_ptr<hgeAnimation>, kBlockColours>* templates;
    } groups[] = {{"block_normal", &blocks.normal},
                  {"block_hit", &blocks.hit},
                  {"block_remove", &blocks.remove}};
    for (const auto& group : groups) {
        for (int colour = 1; colour <= kBlockColours; ++colour) {
            const std::string key = group.prefix + std::to_string(colour);
            (*group.templates)[colour - 1] = layout.AnimationCopy(key.c_str());
        }
    }
    blocks.bomb = layout.AnimationCopy("bombanima");
    blocks.fallSpeed = static_cast<float>(layout.Number("fallspeed"));
    blocks.acceleration = static_cast<float>(layout.Number("jiasu"));
    blocks.resources = layout.TakeManager();
}

namespace {

const hgeAnimation* TemplateFor(const BlockAnimations& blocks, int state, int colour) {
    if (colour < 1 || colour > kBlockColours) {
        return nullptr;
    }
    switch (state) {
        case AnimState::Normal:
            return blocks.normal[colour - 1].get();
        case AnimState::Hit:
            return blocks.hit[colour - 1].get();
        case AnimState::Remove:
            return blocks.remove[colour - 1].get();
        default:
            return nullptr;
    }
}

}  // namespace

void SetCellAnimation(const BlockAnimations& blocks, AnimationHolder& holder, int state,
                      int colour) {
    holder.animation.reset();
    const hgeAnimation* source = TemplateFor(blocks, state, colour);
    if (state == AnimState::None || colour == 0 || source == nullptr) {
        holder.state = AnimState::None;
        holder.colour = 0;
        return;
    }
    holder.state = state;
    holder.colour = colour;
    holder.animation = std::make_unique<hgeAnimation>(*source);
    holder.animation->Play();
}

const hgeAnimation* FallAnimationFor(const BlockAnimations& blocks, int colour) {
    if (colour == kBombColour) {
        return blocks.bomb.get();
    }
    return TemplateFor(blocks, AnimState::Normal, colour);
}

const hgeAnimation* RemovalAnimationFor(const BlockAnimations& blocks, int colour) {
    return TemplateFor(blocks, AnimState::Remove, colour);
}
