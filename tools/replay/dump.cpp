#include "dump.h"

#include "app/app.h"
#include "app/sound.h"
#include "commands.h"
#include "json_writer.h"

#include <fstream>
#include <string_view>

namespace {

void DumpFrame(const ReplayContext& context, JsonWriter& json) {
    json.Int(context.frame);
}

void DumpAppState(const ReplayContext& context, JsonWriter& json) {
    json.Int(static_cast<int>(context.app.appState));
}

void DumpMenuState(const ReplayContext& context, JsonWriter& json) {
    json.Int(static_cast<int>(context.app.startMenu.menuState));
}

void DumpLogoTime(const ReplayContext& context, JsonWriter& json) {
    json.Float(context.app.logoTime);
}

void DumpConfig(const ReplayContext& context, JsonWriter& json) {
    const Config& config = context.app.config;
    json.BeginObject();
    json.Key("width");
    json.Int(config.width);
    json.Key("height");
    json.Int(config.height);
    json.Key("fps");
    json.Int(config.fps);
    json.Key("title");
    json.String(config.title);
    json.EndObject();
}

void DumpSounds(const ReplayContext& context, JsonWriter& json) {
    const Sounds& sounds = context.app.sounds;
    json.BeginObject();
    for (int i = 0; i < SoundCount; ++i) {
        const auto id = static_cast<SoundId>(i);
        json.Key(SoundName(id));
        json.BeginObject();
        json.Key("loaded");
        json.Bool(sounds.slots[i].stream != nullptr);
        json.Key("playing");
        json.Bool(sounds.slots[i].playing);
        json.Key("volume");
        json.Float(SoundVolume(sounds, id));
        json.EndObject();
    }
    json.EndObject();
}

struct DumpSection {
    std::string_view key;
    void (*write)(const ReplayContext& context, JsonWriter& json);
};

// The dump's sections, in the order they appear.
constexpr DumpSection kSections[] = {
    {"frame", DumpFrame},       {"appState", DumpAppState}, {"menuState", DumpMenuState},
    {"logoTime", DumpLogoTime}, {"config", DumpConfig},     {"sounds", DumpSounds},
};

}  // namespace

std::string DumpText(const ReplayContext& context) {
    JsonWriter json;
    json.BeginObject();
    for (const DumpSection& section : kSections) {
        json.Key(section.key);
        section.write(context, json);
    }
    json.EndObject();
    return json.Text();
}

bool WriteDump(const std::string& path, const ReplayContext& context) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << DumpText(context);
    out.close();
    return static_cast<bool>(out);
}
