#include "screens_dump.h"

#include "app/app.h"
#include "commands.h"
#include "json_writer.h"

void DumpGameMenu(const ReplayContext& context, JsonWriter& json) {
    const GameMenu& menu = context.app.game.gameMenu;
    json.BeginObject();
    json.Key("open");
    json.Bool(menu.open);
    json.Key("buttonsLive");
    json.Bool(menu.buttonsLive);
    json.Key("savedState");
    json.Int(menu.savedState);
    json.EndObject();
}

void DumpHelp(const ReplayContext& context, JsonWriter& json) {
    const HelpScreen& help = context.app.game.help;
    json.BeginObject();
    json.Key("shown");
    json.Bool(help.shown);
    json.Key("savedState");
    json.Int(help.savedState);
    json.EndObject();
}

void DumpSettings(const ReplayContext& context, JsonWriter& json) {
    const SettingsScreen& settings = context.app.settings;
    json.BeginObject();
    json.Key("musicKnobX");
    json.Int(settings.musicKnob.x);
    json.Key("effectsKnobX");
    json.Int(settings.effectsKnob.x);
    json.Key("draggingMusic");
    json.Bool(settings.draggingMusic);
    json.Key("draggingEffects");
    json.Bool(settings.draggingEffects);
    json.EndObject();
}
