#include "replay_script.h"

#include "commands.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

namespace {

// Frames beyond this are surely a typing mistake.
constexpr int kMaxFrame = 100'000'000;

bool ParseFrame(const std::string& word, int& frame) {
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, frame);
    return ec == std::errc() && ptr == end && frame >= 1 && frame <= kMaxFrame;
}

}  // namespace

int ReplayScript::LastFrame() const {
    int last = 0;
    for (const ReplayCommand& command : commands) {
        last = std::max(last, command.frame);
    }
    return last;
}

bool SplitReplayLine(std::string_view line, std::vector<std::string>& words, std::string& error) {
    words.clear();
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            std::string word;
            ++i;
            for (;;) {
                if (i >= line.size()) {
                    error = "unterminated quoted text";
                    return false;
                }
                const char d = line[i++];
                if (d == '"') {
                    break;
                }
                if (d != '\\') {
                    word += d;
                    continue;
                }
                const char e = i < line.size() ? line[i++] : '\0';
                switch (e) {
                    case '"':
                    case '\\':
                        word += e;
                        break;
                    case 'n':
                        word += '\n';
                        break;
                    case 't':
                        word += '\t';
                        break;
                    default:
                        error = "unknown escape in quoted text (use \\\" \\\\ \\n \\t)";
                        return false;
                }
            }
            if (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' &&
                line[i] != '#') {
                error = "quoted text must be followed by a space";
                return false;
            }
            words.push_back(std::move(word));
        } else {
            const size_t start = i;
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' &&
                   line[i] != '#' && line[i] != '"') {
                ++i;
            }
            words.emplace_back(line.substr(start, i - start));
            if (i < line.size() && line[i] == '"') {
                error = "a quote must start a word";
                return false;
            }
        }
    }
    return true;
}

ReplayScript ParseReplayScript(std::string_view text, const std::string& fileName,
                               std::vector<std::string>& errors) {
    ReplayScript script;
    script.fileName = fileName;
    int lineNumber = 0;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;

        const auto fail = [&](const std::string& message) {
            errors.push_back(fileName + ":" + std::to_string(lineNumber) + ": " + message);
        };
        std::vector<std::string> words;
        std::string error;
        if (!SplitReplayLine(line, words, error)) {
            fail(error);
            continue;
        }
        if (words.empty()) {
            continue;
        }
        if (words[0] != "at" || words.size() < 3) {
            fail("expected `at FRAME COMMAND ...`");
            continue;
        }
        ReplayCommand command;
        command.line = lineNumber;
        if (!ParseFrame(words[1], command.frame)) {
            fail("`" + words[1] + "` is not a frame number (1 or more)");
            continue;
        }
        command.kind = FindCommand(words[2]);
        if (!command.kind) {
            fail("unknown command `" + words[2] + "`");
            continue;
        }
        const std::vector<std::string> args(words.begin() + 3, words.end());
        error = command.kind->parse(args, command);
        if (!error.empty()) {
            fail(error + " (usage: " + command.kind->usage + ")");
            continue;
        }
        script.commands.push_back(std::move(command));
    }
    return script;
}

ReplayScript LoadReplayScript(const std::string& path, std::vector<std::string>& errors) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        errors.push_back(path + ": cannot read the replay script");
        return {};
    }
    std::stringstream text;
    text << in.rdbuf();
    return ParseReplayScript(text.str(), path, errors);
}
