// What the engine needs from a platform backend. The window backend
// (window/) and the offscreen backend (offscreen/) each implement it; the
// engine and the game above it cannot tell them apart.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <optional>
#include <string>

class HGE;

struct BackendConfig {
    int width = 800;
    int height = 600;
    int fps = 0;  // 0: no fixed rate
    std::string title;
    bool hideMouse = false;
    SDL_Surface* icon = nullptr;  // may be null; the backend does not keep it
};

class Backend {
public:
    virtual ~Backend() = default;

    // Creates the renderer (and the window, if any). On failure returns false
    // and fills error.
    virtual bool Open(const BackendConfig& config, std::string& error) = 0;
    virtual void Close() = 0;
    virtual SDL_Renderer* Renderer() = 0;
    // The filtering textures should be drawn with now; nothing: they keep
    // the mode they were made with.
    virtual std::optional<SDL_ScaleMode> TextureScaleMode() const { return std::nullopt; }

    // Called once per loop iteration before the frame function: delivers the
    // pending input events to the engine with HGE::DeliverEvent.
    virtual void PumpEvents(HGE& engine) = 0;
    // Seconds since the previous frame. Called once per frame, after
    // PumpEvents; it is where a fixed frame rate is held.
    virtual float NextFrameDelta() = 0;
    // Shows the finished frame.
    virtual void Present() = 0;
    // Called after the frame has been rendered and presented; returning
    // false ends the loop.
    virtual bool EndFrame() { return true; }

    // Milliseconds of the backend's clock, for seeding random numbers.
    virtual std::uint64_t ClockMillis() = 0;

    virtual void SetClipboardText(const std::string& utf8) = 0;
    virtual std::string GetClipboardText() = 0;
    virtual bool OpenURL(const std::string& url) = 0;
    // Shows an error message box, where the platform has one.
    virtual void ShowErrorBox(const std::string& caption, const std::string& text) {
        (void)caption;
        (void)text;
    }
};
