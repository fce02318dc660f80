#include "engine/game_folder.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// A folder holds the game when its pack or its configuration script is there.
bool HoldsGame(const fs::path& folder) {
    std::error_code ec;
    return fs::is_regular_file(folder / "image.dat", ec) ||
           fs::is_regular_file(folder / "script" / "config.luac", ec);
}

}  // namespace

std::string FindGameFolder(const std::string& executableFolder) {
    const fs::path beside(executableFolder);
    if (HoldsGame(beside)) {
        return executableFolder;
    }
    const fs::path installed = (beside / ".." / "share" / "bubblehive").lexically_normal();
    if (HoldsGame(installed)) {
        return installed.string();
    }
    return executableFolder;
}
