// The backend of the real game: an SDL window with a renderer, keyboard and
// mouse input, the system clipboard and a real-time frame clock.
#pragma once

#include "engine/backend.h"

class WindowBackend : public Backend {
public:
    WindowBackend() = default;
    ~WindowBackend() override;
    WindowBackend(const WindowBackend&) = delete;
    WindowBackend& operator=(const WindowBackend&) = delete;

    bool Open(const BackendConfig& config, std::string& error) override;
    void Close() override;
    SDL_Renderer* Renderer() override { return renderer_; }
    // Nearest while the window shows the picture at exactly its logical
    // size (filtering changes nothing there but costs a software GL driver
    // dearly), linear once the window scales it.
    std::optional<SDL_ScaleMode> TextureScaleMode() const override { return scaleMode_; }

    void PumpEvents(HGE& engine) override;
    float NextFrameDelta() override;
    void Present() override;
    // Ends the loop once BUBBLEHIVE_FRAMES frames (a positive number in the
    // environment at Open) have been presented, and then also writes when the
    // first one was shown to stderr; the benchmarks time the start-up with
    // BUBBLEHIVE_FRAMES=1.
    bool EndFrame() override;

    std::uint64_t ClockMillis() override;
    void SetClipboardText(const std::string& utf8) override;
    std::string GetClipboardText() override;
    bool OpenURL(const std::string& url) override;
    void ShowErrorBox(const std::string& caption, const std::string& text) override;

private:
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    bool videoStarted_ = false;
    int logicalWidth_ = 0, logicalHeight_ = 0;
    SDL_ScaleMode scaleMode_ = SDL_ScaleModeLinear;
    void UpdateScaleMode();

    // Frame pacing. With a fixed rate, or without working vsync, the loop
    // sleeps to a deadline every sleepPeriod_ seconds.
    double sleepPeriod_ = 0;
    double refreshPeriod_ = 1.0 / 60;
    bool vsync_ = false;
    int fastFrames_ = 0;  // vsync frames that came far too soon
    bool firstFrame_ = true;
    Uint64 lastFrame_ = 0;
    Uint64 deadline_ = 0;

    int frameLimit_ = 0;  // 0: no limit
    int framesShown_ = 0;
};
