// Where the save files live: script/player and script/score inside the
// save root, which is the folder given (the replay tool's --save-dir) or the
// user's data folder, $XDG_DATA_HOME/bubblehive (~/.local/share/bubblehive by
// default).
#pragma once

#include <string>

// The save root for saveDir (empty: the user's data folder), from the
// environment. Empty when there is no home to put it in.
std::string SaveRoot(const std::string& saveDir);
// The same from the given environment values (either may be null).
std::string SaveRootFrom(const std::string& saveDir, const char* xdgDataHome, const char* home);

std::string PlayerFilePath(const std::string& root);
std::string ScoreFilePath(const std::string& root);
