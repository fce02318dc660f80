// Finding the game's data from the executable's place: beside it in the build
// tree, under ../share/bubblehive in an installed tree.
#include "engine/game_folder.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Layout {
    const char* name;
    std::vector<const char*> files;  // below the tree's root
    const char* expected;            // the folder found, relative to the root
};

TEST(GameFolderTest, FoundBesideTheExecutableOrInTheInstalledTree) {
    const Layout layouts[] = {
        {"build tree", {"game/image.dat", "game/script/config.luac"}, "game"},
        {"beside, configuration only", {"game/script/config.luac"}, "game"},
        {"beside wins over installed", {"game/image.dat", "share/bubblehive/image.dat"}, "game"},
        {"installed",
         {"share/bubblehive/image.dat", "share/bubblehive/script/config.luac"},
         "share/bubblehive"},
        {"installed, pack only", {"share/bubblehive/image.dat"}, "share/bubblehive"},
        {"nowhere: the executable's folder", {"share/other/image.dat"}, "game"},
        {"a folder named like the pack is not it", {"game/image.dat/x"}, "game"},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        TempFolder root;
        std::filesystem::create_directories(root.Path() / "game");
        for (const char* file : layout.files) {
            root.Write(file, "x");
        }
        EXPECT_EQ(FindGameFolder(root / "game"), root / layout.expected);
    }
}

}  // namespace
