#include "dump.h"

#include "app/app.h"
#include "app/button.h"
#include "app/sound.h"
#include "commands.h"
#include "game_dump.h"
#include "json_writer.h"
#include "play_dump.h"
#include "save_dump.h"
#include "screens_dump.h"
#include "text_dump.h"

#include <fstream>
#include <string>
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

// One button of the buttons section, by its screen and name.
void DumpButton(JsonWriter& json, const char* name, const Button& button) {
    json.Key(name);
    json.BeginObject();
    json.Key("state");
    json.Int(button.state);
    json.Key("pressed");
    json.Bool(button.pressed);
    json.Key("x");
    json.Int(button.x);
    json.Key("y");
    json.Int(button.y);
    json.Key("right");
    json.Int(button.right);
    json.Key("bottom");
    json.Int(button.bottom);
    json.EndObject();
}

// Every button of every screen; a screen adds one line per button.
void DumpButtons(const ReplayContext& context, JsonWriter& json) {
    const StartMenu& menu = context.app.startMenu;
    json.BeginObject();
    DumpButton(json, "startMenu.start", menu.start);
    DumpButton(json, "startMenu.more", menu.more);
    DumpButton(json, "startMenu.exit", menu.exit);
    DumpButton(json, "startMenu.top", menu.top);
    DumpButton(json, "startMenu.set", menu.set);
    DumpButton(json, "passScreen.next", context.app.game.passScreen.button);
    DumpButton(json, "failScreen.retry", context.app.game.failScreen.button);
    DumpButton(json, "nameInput.ok", context.app.nameInput.ok);
    DumpButton(json, "nameInput.cancel", context.app.nameInput.cancel);
    const App& app = context.app;
    for (int k = 0; k < kSlotCount; ++k) {
        const std::string n = std::to_string(k + 1);
        DumpButton(json, ("saveSlots.new" + n).c_str(), app.saveSlots.newButtons[k]);
    }
    for (int k = 0; k < kSlotCount; ++k) {
        const std::string n = std::to_string(k + 1);
        DumpButton(json, ("saveSlots.read" + n).c_str(), app.saveSlots.readButtons[k]);
    }
    DumpButton(json, "saveSlots.cancel", app.saveSlots.cancel);
    DumpButton(json, "gameMenu.menu", app.game.gameMenu.menu);
    DumpButton(json, "gameMenu.resume", app.game.gameMenu.resume);
    DumpButton(json, "gameMenu.save", app.game.gameMenu.save);
    DumpButton(json, "gameMenu.settings", app.game.gameMenu.settings);
    DumpButton(json, "gameMenu.start", app.game.gameMenu.start);
    DumpButton(json, "help.button", app.game.help.button);
    DumpButton(json, "highScores.ok", app.highScores.ok);
    DumpButton(json, "settings.ok", app.settings.ok);
    DumpButton(json, "settings.music", app.settings.musicKnob);
    DumpButton(json, "settings.effects", app.settings.effectsKnob);
    json.EndObject();
}

void DumpResultScreen(const ResultScreen& screen, JsonWriter& json) {
    json.BeginObject();
    json.Key("active");
    json.Bool(screen.active);
    json.EndObject();
}

void DumpPassScreen(const ReplayContext& context, JsonWriter& json) {
    DumpResultScreen(context.app.game.passScreen, json);
}

void DumpFailScreen(const ReplayContext& context, JsonWriter& json) {
    DumpResultScreen(context.app.game.failScreen, json);
}

struct DumpSection {
    std::string_view key;
    void (*write)(const ReplayContext& context, JsonWriter& json);
};

// The dump's sections, in the order they appear.
constexpr DumpSection kSections[] = {
    {"frame", DumpFrame},           {"appState", DumpAppState}, {"menuState", DumpMenuState},
    {"logoTime", DumpLogoTime},     {"config", DumpConfig},     {"sounds", DumpSounds},
    {"buttons", DumpButtons},       {"level", DumpLevel},       {"score", DumpScore},
    {"board", DumpBoard},           {"effects", DumpEffects},   {"gameState", DumpGameState},
    {"bannerKind", DumpBannerKind}, {"shooter", DumpShooter},   {"flying", DumpFlying},
    {"props", DumpProps},           {"save", DumpSave},         {"passScreen", DumpPassScreen},
    {"failScreen", DumpFailScreen}, {"textBox", DumpTextBox},   {"clipboard", DumpClipboard},
    {"gameMenu", DumpGameMenu},     {"help", DumpHelp},         {"settings", DumpSettings},
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
