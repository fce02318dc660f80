#include "game/aim_line.h"

#include "app/layout_script.h"
#include "engine/hge.h"
#include "game/game.h"

void LoadAimLine(AimLine& aim) {
    LayoutScript layout("aim line", "res/aim.pak", "script/block_aim.luac");
    aim.animation = layout.AnimationCopy("block_aim");
    aim.x = layout.Int("aim_posx");
    aim.y = layout.Int("aim_posy");
    aim.limitTime = static_cast<float>(layout.Number("aim_limit_time"));
    aim.resources = layout.TakeManager();
}

void UpdateAimLine(Game& game, float dt) {
    PropState& props = game.props;
    if (!props.aimLineOn) {
        return;
    }
    props.aimLineTimer += dt;
    if (game.aimLine.limitTime <= props.aimLineTimer) {
        props.aimLineOn = false;
    }
    if (game.aimLine.animation) {
        game.aimLine.animation->Update(dt);
    }
}

void RenderAimLine(Game& game) {
    AimLine& aim = game.aimLine;
    const Board& board = game.board;
    if (!aim.reflectionsKnown) {
        const double rightEdge = static_cast<double>(board.blockWidth * board.numx + board.offsetX);
        aim.leftReflection =
            static_cast<float>((board.blockWidth * 0.5 + board.offsetX) * 2.0 - aim.x);
        aim.rightReflection = static_cast<float>(2.0 * rightEdge - aim.x);
        aim.reflectionsKnown = true;
    }
    if (!game.props.aimLineOn || !aim.animation) {
        return;
    }
    HGE& hge = *game.hge;
    // The strip between the two walls, above the launcher's pivot.
    const int clipX = static_cast<int>(board.offsetX + board.blockWidth * 0.5);
    const int clipWidth = static_cast<int>(board.blockWidth * board.numx - board.blockWidth * 0.5);
    hge.Gfx_SetClipping(clipX, 0, clipWidth, aim.y);
    const float angle = game.shooter.angle;
    const float x = static_cast<float>(aim.x);
    const float y = static_cast<float>(aim.y);
    aim.animation->RenderEx(x, y, angle, 1.0f, 1.0f);
    // The path after one bounce: the line again from the launcher's mirror
    // image in the wall it points at.
    const float mirror = angle > 0.0f ? aim.rightReflection : aim.leftReflection;
    aim.animation->RenderEx(mirror, y, -angle, 1.0f, 1.0f);
    hge.Gfx_SetClipping(0, 0, 0, 0);
}
