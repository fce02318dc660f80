// The ready, level-passed and level-failed banners: picture animations that
// play once over the game before a level and after it. The banner kind of
// the game (Ready, PassBanner or FailBanner) names the one shown.
#pragma once

#include "engine/animation.h"
#include "engine/resource_manager.h"

#include <memory>

struct Game;

struct Banners {
    std::unique_ptr<hgeResourceManager> resources;
    std::unique_ptr<hgeAnimation> ready;  // banner kind Ready
    std::unique_ptr<hgeAnimation> pass;   // banner kind PassBanner
    std::unique_ptr<hgeAnimation> fail;   // banner kind FailBanner
    int readyX = 0;
    int readyY = 0;
    int passX = 0;
    int passY = 0;
    int failX = 0;
    int failY = 0;
};

// Reads script/game_state.luac and res/game_state.pak.
void LoadBanners(Banners& banners);
// The banner of a kind; null for any other value.
hgeAnimation* BannerOf(Banners& banners, int kind);
// Restarts the banner of a kind from its first frame.
void RestartBanner(Banners& banners, int kind);
// Advances the current banner; when it has stopped, play starts or the
// pass or fail screen takes over.
void UpdateBanner(Game& game, float dt);
void RenderBanner(Game& game);
