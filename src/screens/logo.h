// The logo: one still image on a black screen for the first two seconds.
#pragma once

#include "engine/resource_manager.h"
#include "engine/sprite.h"

#include <memory>

struct App;

// How long the logo shows, in seconds of summed frame deltas.
inline constexpr float kLogoSeconds = 2.0f;

struct LogoScreen {
    std::unique_ptr<hgeResourceManager> resources;
    std::unique_ptr<hgeSprite> sprite;  // null until loaded
    int x = 0;
    int y = 0;
};

// Reads script/logo.luac and res/logo.pak.
void LoadLogo(LogoScreen& logo);
void RenderLogo(LogoScreen& logo);
// The logo has shown long enough: on to the menu and its music.
void EndLogo(App& app);
