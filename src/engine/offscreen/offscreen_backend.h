// A backend without a display: it draws into an in-memory surface with
// SDL's software renderer and runs on a virtual clock, so the same input
// gives the same pictures on every run. Tests and the replay tool drive the
// game through its frame hooks.
#pragma once

#include "engine/backend.h"

#include <functional>
#include <optional>

class OffscreenBackend : public Backend {
public:
    // Called at the start of every frame with the number of the frame about
    // to run (from 1); it may feed events with HGE::DeliverEvent.
    using BeforeFrame = std::function<void(HGE& engine, int frame)>;
    // Called after the frame was rendered; returning false ends the loop.
    using AfterFrame = std::function<bool(int frame)>;

    OffscreenBackend() = default;
    ~OffscreenBackend() override;
    OffscreenBackend(const OffscreenBackend&) = delete;
    OffscreenBackend& operator=(const OffscreenBackend&) = delete;

    // Replaces the configured frame rate; takes effect at Open.
    void SetFps(int fps) { fpsOverride_ = fps; }
    void SetBeforeFrame(BeforeFrame hook) { beforeFrame_ = std::move(hook); }
    void SetAfterFrame(AfterFrame hook) { afterFrame_ = std::move(hook); }

    // The picture as drawn so far (pending drawing is flushed first).
    SDL_Surface* Surface();
    // Writes the current picture as a PNG file; false with SDL's reason on
    // stderr when that fails.
    bool SavePng(const std::string& path);
    // The number of the frame running now, or of the last one run.
    int Frame() const { return frame_; }
    // Every frame's delta in seconds: exactly 1/fps.
    float FrameDelta() const { return frameDelta_; }
    // The URL of the last OpenURL call; empty when there was none.
    const std::string& LastURL() const { return lastUrl_; }

    bool Open(const BackendConfig& config, std::string& error) override;
    void Close() override;
    SDL_Renderer* Renderer() override { return renderer_; }

    void PumpEvents(HGE& engine) override;
    float NextFrameDelta() override;
    void Present() override;
    bool EndFrame() override;

    std::uint64_t ClockMillis() override;
    void SetClipboardText(const std::string& utf8) override { clipboard_ = utf8; }
    std::string GetClipboardText() override { return clipboard_; }
    bool OpenURL(const std::string& url) override;

private:
    std::optional<int> fpsOverride_;
    BeforeFrame beforeFrame_;
    AfterFrame afterFrame_;

    SDL_Surface* surface_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    float frameDelta_ = 1.0f / 60;
    int frame_ = 0;
    double virtualSeconds_ = 0;
    std::string clipboard_;
    std::string lastUrl_;
};
