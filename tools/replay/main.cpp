// bubblehive-replay: runs the game without a window, driven by a script of
// input commands, and writes pictures and state dumps of chosen frames.
//
//   bubblehive-replay [--game-dir DIR] [--save-dir DIR] [--fps N] [--frames N]
//                     [--seconds S] [--autoplay] SCRIPT
//
// With --autoplay the game plays by itself and SCRIPT may be left out.
#include "replay_script.h"
#include "runner.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: bubblehive-replay [--game-dir DIR] [--save-dir DIR] [--fps N] [--frames N]\n"
    "                         [--seconds S] [--autoplay] SCRIPT\n"
    "       (SCRIPT is optional with --autoplay)\n";

bool ParsePositive(std::string_view text, int& value) {
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size() && value >= 1;
}

bool ParseSeconds(std::string_view text, double& value) {
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size() && value > 0.0 && value < 1e9;
}

int Usage(const std::string& message) {
    std::fprintf(stderr, "bubblehive-replay: %s\n%s", message.c_str(), kUsage);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    ReplayOptions options;
    std::string scriptPath;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg == "--game-dir" || arg == "--save-dir") {
            if (!hasValue) {
                return Usage(std::string(arg) + " needs a folder");
            }
            (arg == "--game-dir" ? options.gameDir : options.saveDir) = argv[++i];
        } else if (arg == "--fps" || arg == "--frames") {
            int value = 0;
            if (!hasValue || !ParsePositive(argv[i + 1], value)) {
                return Usage(std::string(arg) + " needs a whole number of 1 or more");
            }
            ++i;
            (arg == "--fps" ? options.fps : options.frames) = value;
        } else if (arg == "--seconds") {
            double value = 0.0;
            if (!hasValue || !ParseSeconds(argv[i + 1], value)) {
                return Usage("--seconds needs a number of seconds above 0");
            }
            ++i;
            options.seconds = value;
        } else if (arg == "--autoplay") {
            options.autoplay = true;
        } else if (arg.starts_with("-") && arg != "-") {
            return Usage("unknown option " + std::string(arg));
        } else if (!scriptPath.empty()) {
            return Usage("only one script, please");
        } else {
            scriptPath = arg;
        }
    }
    if (scriptPath.empty() && !options.autoplay) {
        return Usage("no script given");
    }

    ReplayScript script;
    if (!scriptPath.empty()) {
        std::vector<std::string> errors;
        script = LoadReplayScript(scriptPath, errors);
        if (!errors.empty()) {
            for (const std::string& error : errors) {
                std::fprintf(stderr, "%s\n", error.c_str());
            }
            return 2;
        }
    }
    if (options.autoplay && !options.frames && !options.seconds && script.LastFrame() == 0) {
        return Usage("--autoplay needs --frames, --seconds or a script that names frames");
    }
    return RunReplay(script, options);
}
