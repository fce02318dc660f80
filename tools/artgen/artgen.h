// The generator's three parts, each in its own files.
#pragma once

#include <string>

namespace artgen {

// Blocks, props, launcher, aim line, ceiling, digits, game background,
// animals, pause picture and banners.
void DrawBoardArt(const std::string& dir);
// Logo, window icon, start menu and every menu panel, pass and fail screens,
// help picture.
void DrawMenuArt(const std::string& dir);
// The application icon, SIZE pixels square, as DIR/NAME.png (the window icon
// and the desktop theme's icons).
void DrawAppIcon(const std::string& dir, const std::string& name, int size);
// The menu tune (Ogg Vorbis) and the nine effects (WAV).
void SynthesiseSounds(const std::string& dir);

}  // namespace artgen
