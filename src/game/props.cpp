#include "game/props.h"

#include "app/layout_script.h"
#include "engine/hge.h"
#include "game/game.h"

void LoadProps(PropAnimations& props) {
    LayoutScript layout("props", "res/props.pak", "script/props_anima.luac");
    // In the script's order.
    props.slow = layout.AnimationCopy("props_slow");
    props.fast = layout.AnimationCopy("props_fast");
    props.aim = layout.AnimationCopy("props_aim");
    props.infection = layout.AnimationCopy("props_infection");
    props.star = layout.AnimationCopy("props_star");
    props.bomb = layout.AnimationCopy("props_bomb");
    props.bombArmed = layout.AnimationCopy("props_bomb1");
    props.resources = layout.TakeManager();
}

hgeAnimation* PropIcon(const PropAnimations& props, int kind) {
    switch (kind) {
        case PropKind::Fast:
            return props.fast.get();
        case PropKind::Slow:
            return props.slow.get();
        case PropKind::Aim:
            return props.aim.get();
        case PropKind::Bomb:
            return props.bomb.get();
        case PropKind::Infection:
            return props.infection.get();
        case PropKind::Star:
            return props.star.get();
        default:
            return nullptr;
    }
}

PropIcons BoardPropIcons(const PropAnimations& props) {
    PropIcons icons{};
    for (int kind = 1; kind <= kPropKinds; ++kind) {
        icons[kind - 1] = PropIcon(props, kind);
    }
    return icons;
}

void PlaceProp(Game& game) {
    PropState& props = game.props;
    const float interval = game.level.putPropsTime;
    if (interval > props.propTimer) {
        return;
    }
    // One interval per call, whether or not a prop is placed: props held
    // back by the limit come one a frame once there is room.
    props.propTimer -= interval;

    auto isCandidate = [](const Cell& cell) {
        return cell.colour >= 1 && cell.colour <= kBlockColours && cell.prop == PropKind::None;
    };
    int candidates = 0;
    for (const Cell& cell : game.board.cells) {
        candidates += isCandidate(cell) ? 1 : 0;
    }
    if (candidates < 2) {
        return;
    }
    // The cells are stored row by row from row 0, each row from column 0:
    // the order the candidates are counted in.
    int pick = game.hge->Random_Int(0, candidates - 1);
    for (Cell& cell : game.board.cells) {
        if (isCandidate(cell) && pick-- == 0) {
            cell.prop = game.hge->Random_Int(1, kPropKinds);
            ++props.propsOnBoard;
            return;
        }
    }
}
