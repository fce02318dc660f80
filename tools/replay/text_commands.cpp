#include "text_commands.h"

#include "app/app.h"
#include "engine/hge.h"
#include "json_writer.h"
#include "screens/logo.h"

#include <string_view>
#include <utility>

namespace {

constexpr std::pair<std::string_view, MenuState> kMenuStates[] = {
    {"main", MenuState::Main},           {"nameInput", MenuState::NameInput},
    {"saveSlots", MenuState::SaveSlots}, {"highScores", MenuState::HighScores},
    {"settings", MenuState::Settings},
};

}  // namespace

std::string ParseClipboard(const std::vector<std::string>& args, ReplayCommand& command) {
    if (args.size() != 1) {
        return "expected one quoted text";
    }
    if (!IsValidUtf8(args[0])) {
        return "the text is not valid UTF-8";
    }
    command.text = args[0];
    return "";
}

void RunClipboard(const ReplayCommand& command, ReplayContext& context) {
    context.hge.System_SetClipboardText(command.text);
}

std::string ParseMenu(const std::vector<std::string>& args, ReplayCommand& command) {
    if (args.size() == 1) {
        for (const auto& [name, state] : kMenuStates) {
            if (args[0] == name) {
                command.number = static_cast<int>(state);
                return "";
            }
        }
    }
    return "expected main, nameInput, saveSlots, highScores or settings";
}

void RunMenu(const ReplayCommand& command, ReplayContext& context) {
    App& app = context.app;
    if (app.appState == AppState::Logo) {
        EndLogo(app);
    }
    app.startMenu.menuState = static_cast<MenuState>(command.number);
}
