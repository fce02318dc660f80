// The offscreen backend: a software renderer on an ARGB surface and a clock
// that advances exactly one frame period per frame.
#include "engine/offscreen/offscreen_backend.h"

#include "engine/hge.h"

#include <SDL_image.h>

#include <cstdio>

OffscreenBackend::~OffscreenBackend() {
    Close();
}

bool OffscreenBackend::Open(const BackendConfig& config, std::string& error) {
    if (config.width <= 0 || config.height <= 0) {
        error = "invalid screen size " + std::to_string(config.width) + "x" +
                std::to_string(config.height);
        return false;
    }
    surface_ = SDL_CreateRGBSurfaceWithFormat(0, config.width, config.height, 32,
                                              SDL_PIXELFORMAT_ARGB8888);
    if (surface_ == nullptr) {
        error = std::string("cannot create the offscreen surface: ") + SDL_GetError();
        return false;
    }
    // Nearest-pixel sampling keeps the pictures exact and the same everywhere.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    renderer_ = SDL_CreateSoftwareRenderer(surface_);
    if (renderer_ == nullptr) {
        error = std::string("cannot create the software renderer: ") + SDL_GetError();
        Close();
        return false;
    }
    const int fps = fpsOverride_.value_or(config.fps);
    frameDelta_ = 1.0f / static_cast<float>(fps > 0 ? fps : 60);
    frame_ = 0;
    virtualSeconds_ = 0;
    return true;
}

void OffscreenBackend::Close() {
    if (renderer_ != nullptr) {
        SDL_DestroyRenderer(renderer_);
        renderer_ = nullptr;
    }
    if (surface_ != nullptr) {
        SDL_FreeSurface(surface_);
        surface_ = nullptr;
    }
}

void OffscreenBackend::PumpEvents(HGE& engine) {
    ++frame_;
    if (beforeFrame_) {
        beforeFrame_(engine, frame_);
    }
}

float OffscreenBackend::NextFrameDelta() {
    virtualSeconds_ += frameDelta_;
    return frameDelta_;
}

void OffscreenBackend::Present() {
    if (renderer_ != nullptr) {
        SDL_RenderPresent(renderer_);
    }
}

bool OffscreenBackend::EndFrame() {
    return afterFrame_ ? afterFrame_(frame_) : true;
}

std::uint64_t OffscreenBackend::ClockMillis() {
    return static_cast<std::uint64_t>(virtualSeconds_ * 1000.0);
}

bool OffscreenBackend::OpenURL(const std::string& url) {
    lastUrl_ = url;
    return true;
}

SDL_Surface* OffscreenBackend::Surface() {
    if (renderer_ != nullptr) {
        SDL_RenderFlush(renderer_);
    }
    return surface_;
}

bool OffscreenBackend::SavePng(const std::string& path) {
    SDL_Surface* surface = Surface();
    if (surface == nullptr) {
        std::fprintf(stderr, "%s: nothing to save, the offscreen backend is not open\n",
                     path.c_str());
        return false;
    }
    // A window shows no alpha: save the picture opaque, as the player sees it.
    SDL_Surface* opaque = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_RGB24, 0);
    if (opaque == nullptr) {
        std::fprintf(stderr, "%s: cannot convert the picture: %s\n", path.c_str(), SDL_GetError());
        return false;
    }
    const bool saved = IMG_SavePNG(opaque, path.c_str()) == 0;
    SDL_FreeSurface(opaque);
    if (!saved) {
        std::fprintf(stderr, "%s: cannot write the picture: %s\n", path.c_str(), IMG_GetError());
        return false;
    }
    return true;
}
