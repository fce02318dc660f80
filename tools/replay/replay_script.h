// Replay scripts: one command a line, "at FRAME COMMAND ARGS...", with '#'
// comments and blank lines. Frame 1 is the first call of the frame function.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct CommandSpec;

// One parsed line. Each command's parser fills the fields it needs.
struct ReplayCommand {
    int line = 0;
    int frame = 0;
    const CommandSpec* kind = nullptr;
    int number = 0;
    bool flag = false;
    float x = 0;
    float y = 0;
    std::string text;
};

struct ReplayScript {
    std::string fileName;
    std::vector<ReplayCommand> commands;  // in the order written

    // The highest frame any command names; 0 for an empty script.
    int LastFrame() const;
};

// Splits a line into words: spaces and tabs separate, a '#' outside quotes
// starts a comment, and "double quotes" hold one word with \" \\ \n \t
// escapes. False with error set for an unterminated quote or bad escape.
bool SplitReplayLine(std::string_view line, std::vector<std::string>& words, std::string& error);

// Parses the whole text. Every malformed line is reported in errors as
// "FILE:LINE: message"; the script is usable only when errors stays empty.
ReplayScript ParseReplayScript(std::string_view text, const std::string& fileName,
                               std::vector<std::string>& errors);

// Reads and parses the file; a file that cannot be read gives one error.
ReplayScript LoadReplayScript(const std::string& path, std::vector<std::string>& errors);
