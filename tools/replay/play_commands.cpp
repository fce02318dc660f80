#include "play_commands.h"

#include "app/app.h"
#include "board/block_animations.h"
#include "game/shooter.h"

#include <charconv>

namespace {

bool ParseColour(const std::string& word, int& colour) {
    auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), colour);
    return ec == std::errc() && ptr == word.data() + word.size() && colour >= 1 &&
           colour <= kBlockColours;
}

}  // namespace

std::string ParseShooter(const std::vector<std::string>& args, ReplayCommand& command) {
    int current = 0;
    int next = 0;
    if (args.size() != 2 || !ParseColour(args[0], current) || !ParseColour(args[1], next)) {
        return "expected two colours 1..7 (current and next)";
    }
    // The two colours ride in the command's two number fields.
    command.x = static_cast<float>(current);
    command.y = static_cast<float>(next);
    return "";
}

void RunShooter(const ReplayCommand& command, ReplayContext& context) {
    SetShooterColours(context.app.game, static_cast<int>(command.x), static_cast<int>(command.y));
}
