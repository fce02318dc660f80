// Where the game's data lives. In the build tree the data (image.dat,
// script/, res/, sound/) sits beside the executable; in an installed tree the
// executable is in PREFIX/bin and the data in PREFIX/share/bubblehive.
#pragma once

#include <string>

// The folder beside the executable when it holds the game's data, else
// EXECUTABLE_FOLDER/../share/bubblehive when that does, else the executable's
// folder (so that messages about missing files name the place looked at).
std::string FindGameFolder(const std::string& executableFolder);
