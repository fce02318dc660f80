// The art and sound generator: draws every texture into PNG files and
// synthesises every sound. Deterministic: the same build gives the same files.
//
//   artgen --textures DIR --sounds DIR [--icons DIR]
//
// --icons writes the desktop icons, bubblehive-SIZE.png for the sizes the
// install puts into the hicolor theme.
#include "artgen/artgen.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    std::string textures, sounds, icons;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--textures") == 0) {
            textures = argv[i + 1];
        } else if (std::strcmp(argv[i], "--sounds") == 0) {
            sounds = argv[i + 1];
        } else if (std::strcmp(argv[i], "--icons") == 0) {
            icons = argv[i + 1];
        } else {
            std::fprintf(stderr, "artgen: unknown option %s\n", argv[i]);
            return 2;
        }
    }
    if (textures.empty() || sounds.empty()) {
        std::fprintf(stderr, "usage: artgen --textures DIR --sounds DIR [--icons DIR]\n");
        return 2;
    }
    std::filesystem::create_directories(textures);
    std::filesystem::create_directories(sounds);
    artgen::DrawBoardArt(textures);
    artgen::DrawMenuArt(textures);
    artgen::SynthesiseSounds(sounds);
    if (!icons.empty()) {
        std::filesystem::create_directories(icons);
        for (int size : {48, 64, 128, 256}) {
            artgen::DrawAppIcon(icons, "bubblehive-" + std::to_string(size), size);
        }
    }
    return 0;
}
