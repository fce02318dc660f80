// The replay commands, one table entry each: its name, when it acts, how its
// arguments are read and what it does. To add a command, write its parse and
// run functions in commands.cpp and add a row to the table there.
#pragma once

#include "replay_script.h"

#include <string>
#include <string_view>
#include <vector>

struct App;
class HGE;
class OffscreenBackend;

// What a running command can reach.
struct ReplayContext {
    App& app;
    HGE& hge;
    OffscreenBackend& backend;
    int frame = 0;
    bool failed = false;  // a shot or dump could not be written
};

enum class CommandTime {
    BeforeFrame,  // feeds input or changes state before the frame function
    AfterFrame,   // looks at the finished frame, after its render
};

struct CommandSpec {
    const char* name;
    const char* usage;
    CommandTime time;
    // Reads the words after the name into command; returns an error
    // message, or an empty string when they are fine.
    std::string (*parse)(const std::vector<std::string>& args, ReplayCommand& command);
    void (*run)(const ReplayCommand& command, ReplayContext& context);
};

// Null when no command has that name.
const CommandSpec* FindCommand(std::string_view name);

// A key name of the script (SPACE, A, ...) or a number as a virtual-key
// code; 0 when it is neither.
int ParseKeyName(std::string_view name);
