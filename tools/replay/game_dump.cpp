#include "game_dump.h"

#include "app/app.h"
#include "commands.h"
#include "json_writer.h"

void DumpLevel(const ReplayContext& context, JsonWriter& json) {
    const Level& level = context.app.game.level;
    json.BeginObject();
    json.Key("current");
    json.Int(level.current);
    json.Key("needRemove");
    json.Int(level.needRemove);
    json.Key("fallTime");
    json.Float(level.fallTime);
    json.Key("maxProps");
    json.Int(level.maxProps);
    json.Key("putPropsTime");
    json.Float(level.putPropsTime);
    json.Key("fallTimer");
    json.Float(level.fallTimer);
    json.Key("advanceDue");
    json.Bool(level.advanceDue);
    json.EndObject();
}

void DumpScore(const ReplayContext& context, JsonWriter& json) {
    const Score& score = context.app.game.score;
    json.BeginObject();
    json.Key("total");
    json.Int(score.total);
    json.Key("level");
    json.Int(score.level);
    json.EndObject();
}

namespace {

// One grid of the board section: an array of rows from row 0, each an array
// of the cells' values from column 0.
template <typename Value>
void DumpGrid(const Board& board, JsonWriter& json, const char* key, Value value) {
    json.Key(key);
    json.BeginArray();
    for (int row = 0; row < board.numy; ++row) {
        json.BeginArray();
        for (int col = 0; col < board.numx; ++col) {
            value(board.At(col, row));
        }
        json.EndArray();
    }
    json.EndArray();
}

}  // namespace

void DumpBoard(const ReplayContext& context, JsonWriter& json) {
    const Board& board = context.app.game.board;
    json.BeginObject();
    json.Key("numx");
    json.Int(board.numx);
    json.Key("numy");
    json.Int(board.numy);
    json.Key("blockWidth");
    json.Int(board.blockWidth);
    json.Key("blockHeight");
    json.Int(board.blockHeight);
    json.Key("originY");
    json.Float(board.BoardOriginY);
    json.Key("bottomLine");
    json.Int(board.bottomLine);
    json.Key("rowPitch");
    json.Float(board.rowPitch);
    DumpGrid(board, json, "colour", [&](const Cell& cell) { json.Int(cell.colour); });
    DumpGrid(board, json, "kind", [&](const Cell& cell) { json.Int(cell.kind); });
    DumpGrid(board, json, "prop", [&](const Cell& cell) { json.Int(cell.prop); });
    DumpGrid(board, json, "shifted", [&](const Cell& cell) { json.Int(cell.shifted); });
    DumpGrid(board, json, "animState", [&](const Cell& cell) { json.Int(cell.animation.state); });
    DumpGrid(board, json, "x", [&](const Cell& cell) { json.Float(cell.x); });
    DumpGrid(board, json, "y", [&](const Cell& cell) { json.Float(cell.y); });
    json.EndObject();
}

void DumpEffects(const ReplayContext& context, JsonWriter& json) {
    const Effects& effects = context.app.game.effects;
    json.BeginObject();
    json.Key("bombBursts");
    json.Int(static_cast<long long>(effects.bombBursts.size()));
    json.Key("removals");
    json.Int(static_cast<long long>(effects.removals.size()));
    json.Key("falling");
    json.BeginArray();
    for (const Effect& effect : effects.fallingBlocks) {
        json.BeginObject();
        json.Key("x");
        json.Float(effect.x);
        json.Key("y");
        json.Float(effect.y);
        json.Key("speed");
        json.Float(effect.speed);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}
