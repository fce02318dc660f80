#include "screens/save_paths.h"

#include <cstdlib>

std::string SaveRoot(const std::string& saveDir) {
    return SaveRootFrom(saveDir, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

std::string SaveRootFrom(const std::string& saveDir, const char* xdgDataHome, const char* home) {
    if (!saveDir.empty()) {
        return saveDir;
    }
    // A relative XDG_DATA_HOME is invalid and ignored, as the XDG rules say.
    if (xdgDataHome != nullptr && xdgDataHome[0] == '/') {
        return std::string(xdgDataHome) + "/bubblehive";
    }
    if (home != nullptr && home[0] != '\0') {
        return std::string(home) + "/.local/share/bubblehive";
    }
    return "";
}

std::string PlayerFilePath(const std::string& root) {
    return root + "/script/player";
}

std::string ScoreFilePath(const std::string& root) {
    return root + "/script/score";
}
