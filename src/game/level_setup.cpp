#include "game/level_setup.h"

#include "app/lua_globals.h"
#include "engine/hge.h"
#include "game/shooter.h"

#include <cstdio>

namespace {

int IntRule(Game& game, const char* name, int level) {
    return TruncateToInt(CallRule(game.rules, *game.hge, name, level));
}

float FloatRule(Game& game, const char* name, int level) {
    return static_cast<float>(CallRule(game.rules, *game.hge, name, level));
}

}  // namespace

void SetUpLevel(Game& game, int level) {
    Board& board = game.board;
    // 1. Every level starts with the field at its whole-pixel starting place.
    board.BoardOriginY = static_cast<float>(board.offsetYInt);

    // 2. The level's rules, in this order.
    int colours = IntRule(game, "getBlockNum", level);
    int rows = IntRule(game, "getBlockInitHeight", level);
    game.level.needRemove = IntRule(game, "getNeedRemove", level);
    game.level.maxProps = IntRule(game, "getMaxProps", level);
    game.level.putPropsTime = FloatRule(game, "getPutPropsTime", level);
    // The fill must stay inside the grid and the seven colours.
    if (rows < 0 || rows > board.numy) {
        const int clamped = rows < 0 ? 0 : board.numy;
        std::fprintf(stderr,
                     "level rules: getBlockInitHeight(%d) gives %d rows, the grid has %d; "
                     "filling %d\n",
                     level, rows, board.numy, clamped);
        rows = clamped;
    }
    if (rows > 0) {
        colours = ClampColours(colours);
    }

    // 3. No props yet.
    game.props.propTimer = 0.0f;
    game.props.propsOnBoard = 0;

    // 4. An empty board, no effects, no armed shots, no aim line, nothing in
    // flight.
    ResetBoard(board, game.blocks, game.effects);
    game.props.infectionShots = 0;
    game.props.aimLineTimer = 0.0f;
    game.props.bombShots = 0;
    game.flying.inFlight = false;
    game.props.aimLineOn = false;

    // 5. The advance timer (getFallTime takes the level in play).
    game.level.fallTime = FloatRule(game, "getFallTime", game.level.current);
    game.level.fallTimer = 0.0f;
    game.level.advanceDue = false;

    // 6. and 7. The opening rows from a clock-seeded generator, staggered from
    // an unshifted row 0.
    game.hge->Random_Seed(0);
    for (int row = 0; row < rows; ++row) {
        FillRow(board, game.blocks, *game.hge, row, row % 2, colours);
    }

    // 8. The shooter: angle and shot timer 0, a second clock seed, current
    // and next colours from the board.
    ResetShooter(game);
}
