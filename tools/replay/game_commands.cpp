#include "game_commands.h"

#include "app/app.h"
#include "app/app_state.h"
#include "board_file.h"
#include "game/level_setup.h"

#include <charconv>
#include <cstdio>

std::string ParseStart(const std::vector<std::string>& args, ReplayCommand& command) {
    if (args.size() != 1) {
        return "expected a level number";
    }
    const std::string& word = args[0];
    auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), command.number);
    if (ec != std::errc() || ptr != word.data() + word.size() || command.number < 1) {
        return "expected a level number of 1 or more, not `" + word + "`";
    }
    return "";
}

void RunStart(const ReplayCommand& command, ReplayContext& context) {
    Game& game = context.app.game;
    SetAppState(context.app, AppState::Game);
    game.score.total = 0;
    game.score.level = 0;
    game.level.current = command.number;
    SetUpLevel(game, command.number);
}

std::string ParseBoard(const std::vector<std::string>& args, ReplayCommand& command) {
    if (args.size() != 1) {
        return "expected one board file";
    }
    // Checked now so that a bad file stops the replay before it runs; the
    // grid's size is checked when the board is laid out.
    BoardFile file;
    std::string error;
    if (!LoadBoardFile(args[0], file, error)) {
        return error;
    }
    command.text = args[0];
    return "";
}

void RunBoard(const ReplayCommand& command, ReplayContext& context) {
    BoardFile file;
    std::string error;
    if (!LoadBoardFile(command.text, file, error) ||
        !ApplyBoardFile(file, context.app.game, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        context.failed = true;
    }
}
