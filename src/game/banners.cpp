#include "game/banners.h"

#include "app/layout_script.h"
#include "game/game.h"

void LoadBanners(Banners& banners) {
    LayoutScript layout("banners", "res/game_state.pak", "script/game_state.luac");
    banners.ready = layout.AnimationCopy("start_name");
    banners.pass = layout.AnimationCopy("pass_name");
    banners.fail = layout.AnimationCopy("fail_name");
    banners.readyX = layout.Int("start_posx");
    banners.readyY = layout.Int("start_posy");
    banners.passX = layout.Int("pass_posx");
    banners.passY = layout.Int("pass_posy");
    banners.failX = layout.Int("fail_posx");
    banners.failY = layout.Int("fail_posy");
    banners.resources = layout.TakeManager();
}

hgeAnimation* BannerOf(Banners& banners, int kind) {
    switch (kind) {
        case GameState::Ready:
            return banners.ready.get();
        case GameState::PassBanner:
            return banners.pass.get();
        case GameState::FailBanner:
            return banners.fail.get();
        default:
            return nullptr;
    }
}

void RestartBanner(Banners& banners, int kind) {
    if (hgeAnimation* banner = BannerOf(banners, kind)) {
        banner->Play();
    }
}

void UpdateBanner(Game& game, float dt) {
    hgeAnimation* banner = BannerOf(game.banners, game.bannerKind);
    if (!banner) {
        return;
    }
    banner->Update(dt);
    if (banner->IsPlaying()) {
        return;
    }
    switch (game.bannerKind) {
        case GameState::Ready:
            game.gameState = GameState::Playing;
            break;
        case GameState::PassBanner:
            game.gameState = GameState::PassScreen;
            game.passScreen.active = true;
            break;
        case GameState::FailBanner:
            game.gameState = GameState::FailScreen;
            game.failScreen.active = true;
            break;
    }
}

void RenderBanner(Game& game) {
    Banners& banners = game.banners;
    hgeAnimation* banner = BannerOf(banners, game.bannerKind);
    if (!banner) {
        return;
    }
    switch (game.bannerKind) {
        case GameState::Ready:
            banner->Render(static_cast<float>(banners.readyX), static_cast<float>(banners.readyY));
            break;
        case GameState::PassBanner:
            banner->Render(static_cast<float>(banners.passX), static_cast<float>(banners.passY));
            break;
        case GameState::FailBanner:
            banner->Render(static_cast<float>(banners.failX), static_cast<float>(banners.failY));
            break;
    }
}
