// The window configuration read from "script/config.luac" before the engine
// starts: size, frame rate and title.
#pragma once

#include <string>

// The title when the configuration gives none.
inline constexpr const char* kDefaultTitle = "Bubblehive";

struct Config {
    int width = 800;
    int height = 600;
    int fps = 30;
    std::string title = kDefaultTitle;
};

// Reads screenwidth, screenheight and app_fps from the script at path into
// config. When the script cannot be loaded or run the three values are left
// alone; when it runs, a missing or non-numeric key reads as 0.
void ReadConfig(const std::string& path, Config& config);

// The app_title string of the script at path; the built-in title when the
// script cannot be loaded or run, or sets no app_title.
std::string ReadTitle(const std::string& path);
