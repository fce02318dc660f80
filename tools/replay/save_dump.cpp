#include "save_dump.h"

#include "app/app.h"
#include "commands.h"
#include "engine/codepage.h"
#include "json_writer.h"

void DumpSave(const ReplayContext& context, JsonWriter& json) {
    const SaveData& save = context.app.save;
    json.BeginObject();
    json.Key("currentSlot");
    json.Int(save.currentSlot);
    json.Key("playerName");
    json.String(Cp936ToUtf8(save.playerName));
    json.Key("slots");
    json.BeginArray();
    for (const SlotSave& slot : save.playerSave.slots) {
        json.BeginObject();
        json.Key("used");
        json.Int(slot.used);
        json.Key("name");
        json.String(Cp936ToUtf8(slot.name));
        json.Key("score");
        json.Int(slot.score);
        json.Key("points");
        json.Int(slot.points);
        json.EndObject();
    }
    json.EndArray();
    json.Key("scoreTable");
    json.BeginArray();
    for (int i = 0; i < save.scoreTable.count; ++i) {
        json.BeginObject();
        json.Key("name");
        json.String(Cp936ToUtf8(save.scoreTable.entries[i].name));
        json.Key("score");
        json.Int(save.scoreTable.entries[i].score);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}
