// The game's entry sequence: configuration, engine set-up, loading, the
// frame loop and shutdown. Shared by the game itself and the replay tool.
#pragma once

#include "app/app.h"

#include <memory>
#include <optional>
#include <string>

class Backend;

struct LaunchOptions {
    // Out of line, where Backend is a complete type.
    LaunchOptions();
    ~LaunchOptions();
    LaunchOptions(LaunchOptions&&) noexcept;
    LaunchOptions& operator=(LaunchOptions&&) noexcept;

    // The platform to run on; null means the engine's window backend.
    std::unique_ptr<Backend> backend;
    // Where image.dat, script/, res/ and sound/ are; empty means the folder
    // of the running program.
    std::string gameDir;
    // Where the save files go (DIR/script/player and DIR/script/score);
    // empty means the user's data folder.
    std::string saveDir;
    // Replaces the configured frame rate given to the engine.
    std::optional<int> fps;
};

// Runs the game on app until the loop ends; returns the process exit code:
// 0, or 1 when the saves after the loop could not be written. If the engine
// cannot start, the error is shown, nothing is loaded, the save files are
// not touched and app.hge stays null afterwards as always.
int RunGame(App& app, LaunchOptions options);
