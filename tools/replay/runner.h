// Runs the real game on the offscreen backend, feeding a replay script's
// input frame by frame and capturing pictures and dumps.
#pragma once

#include "replay_script.h"

#include <optional>
#include <string>

struct ReplayOptions {
    std::string gameDir;        // empty: the folder of the running program
    std::string saveDir;        // empty: a fresh temporary folder, removed afterwards
    std::optional<int> fps;     // replaces the configured frame rate
    std::optional<int> frames;  // frames to run; empty: up to the script's last frame
    bool autoplay = false;      // the autoplay plays along (autoplay.h)
    // Wall-clock seconds after which the run ends; with autoplay and no frame
    // count it runs for this long.
    std::optional<double> seconds;
};

// Returns the exit status: 0 when the run went through, 1 when the game could
// not start or a picture or dump could not be written. With autoplay, one
// summary line goes to stdout at the end.
int RunReplay(const ReplayScript& script, const ReplayOptions& options);
