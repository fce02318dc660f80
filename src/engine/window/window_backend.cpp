// The window backend over SDL2's video, events and renderer.
#include "engine/window/window_backend.h"

#include "engine/hge.h"
#include "engine/window/keymap.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// A longer frame (a stall, a dragged window) counts as this long, so the
// game does not leap ahead.
constexpr double kMaxDelta = 0.25;
// Vsync frames this many in a row at under half the refresh period mean
// vsync does not really wait; the backend then sleeps instead.
constexpr int kFastFramesForFallback = 30;

}  // namespace

WindowBackend::~WindowBackend() {
    Close();
}

bool WindowBackend::Open(const BackendConfig& config, std::string& error) {
    // SDL turns SIGINT and SIGTERM into SDL_QUIT only with its signal
    // handlers installed; make sure nothing switched them off.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        error = std::string("cannot start the video system: ") + SDL_GetError();
        return false;
    }
    videoStarted_ = true;

    window_ = SDL_CreateWindow(config.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               config.width, config.height, SDL_WINDOW_RESIZABLE);
    if (window_ == nullptr) {
        error = std::string("cannot create the window: ") + SDL_GetError();
        Close();
        return false;
    }
    if (config.icon != nullptr) {
        SDL_SetWindowIcon(window_, config.icon);
    }

    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    const Uint32 vsyncFlag = config.fps > 0 ? 0 : SDL_RENDERER_PRESENTVSYNC;
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | vsyncFlag);
    if (renderer_ == nullptr) {
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE | vsyncFlag);
    }
    if (renderer_ == nullptr) {
        error = std::string("cannot create a renderer: ") + SDL_GetError();
        Close();
        return false;
    }
    // The picture keeps its size in logical pixels; a bigger window scales
    // it with the aspect kept, and mouse events arrive in logical pixels.
    SDL_RenderSetLogicalSize(renderer_, config.width, config.height);
    logicalWidth_ = config.width;
    logicalHeight_ = config.height;
    UpdateScaleMode();
    SDL_ShowCursor(config.hideMouse ? SDL_DISABLE : SDL_ENABLE);
    SDL_StartTextInput();

    SDL_DisplayMode mode;
    const int display = SDL_GetWindowDisplayIndex(window_);
    if (display >= 0 && SDL_GetCurrentDisplayMode(display, &mode) == 0 && mode.refresh_rate > 0) {
        refreshPeriod_ = 1.0 / mode.refresh_rate;
    }
    SDL_RendererInfo info;
    vsync_ = config.fps <= 0 && SDL_GetRendererInfo(renderer_, &info) == 0 &&
             (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
    if (config.fps > 0) {
        sleepPeriod_ = 1.0 / config.fps;
    } else if (!vsync_) {
        sleepPeriod_ = refreshPeriod_;
    }
    firstFrame_ = true;
    fastFrames_ = 0;
    const char* limit = std::getenv("BUBBLEHIVE_FRAMES");
    frameLimit_ = limit != nullptr ? std::max(0, std::atoi(limit)) : 0;
    framesShown_ = 0;
    return true;
}

void WindowBackend::Close() {
    if (renderer_ != nullptr) {
        SDL_DestroyRenderer(renderer_);
        renderer_ = nullptr;
    }
    if (window_ != nullptr) {
        SDL_StopTextInput();
        SDL_DestroyWindow(window_);
        window_ = nullptr;
    }
    if (videoStarted_) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        videoStarted_ = false;
    }
}

void WindowBackend::PumpEvents(HGE& engine) {
    SDL_Event ev;
    while (SDL_PollEvent(&ev)) {
        InputEvent event;
        switch (ev.type) {
            case SDL_QUIT:
                event.kind = InputEvent::Kind::Quit;
                engine.DeliverEvent(event);
                break;
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                event.key = VirtualKeyFromSdl(ev.key.keysym.scancode, ev.key.keysym.sym);
                if (event.key != 0) {
                    event.kind = ev.type == SDL_KEYDOWN ? InputEvent::Kind::KeyDown
                                                        : InputEvent::Kind::KeyUp;
                    event.repeat = ev.key.repeat != 0;
                    engine.DeliverEvent(event);
                }
                break;
            case SDL_MOUSEMOTION:
                event.kind = InputEvent::Kind::MouseMove;
                event.x = static_cast<float>(ev.motion.x);
                event.y = static_cast<float>(ev.motion.y);
                engine.DeliverEvent(event);
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP: {
                // The press happens where the button was, even if no motion
                // event told us so yet.
                event.kind = InputEvent::Kind::MouseMove;
                event.x = static_cast<float>(ev.button.x);
                event.y = static_cast<float>(ev.button.y);
                engine.DeliverEvent(event);
                const int key = VirtualKeyFromMouseButton(ev.button.button);
                if (key != 0) {
                    InputEvent press;
                    press.kind = ev.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::KeyDown
                                                                : InputEvent::Kind::KeyUp;
                    press.key = key;
                    engine.DeliverEvent(press);
                }
                break;
            }
            case SDL_TEXTINPUT:
                event.kind = InputEvent::Kind::Text;
                event.text = ev.text.text;
                engine.DeliverEvent(event);
                break;
            case SDL_WINDOWEVENT:
                if (ev.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                    event.kind = InputEvent::Kind::FocusLost;
                    engine.DeliverEvent(event);
                } else if (ev.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
                    event.kind = InputEvent::Kind::FocusGained;
                    engine.DeliverEvent(event);
                } else if (ev.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                    UpdateScaleMode();
                }
                break;
            default:
                break;
        }
    }
}

void WindowBackend::UpdateScaleMode() {
    int width = 0;
    int height = 0;
    const bool unscaled = SDL_GetRendererOutputSize(renderer_, &width, &height) == 0 &&
                          width == logicalWidth_ && height == logicalHeight_;
    scaleMode_ = unscaled ? SDL_ScaleModeNearest : SDL_ScaleModeLinear;
}

float WindowBackend::NextFrameDelta() {
    const double frequency = static_cast<double>(SDL_GetPerformanceFrequency());
    Uint64 now = SDL_GetPerformanceCounter();
    if (firstFrame_) {
        firstFrame_ = false;
        lastFrame_ = now;
        deadline_ = now;
        return static_cast<float>(sleepPeriod_ > 0 ? sleepPeriod_ : refreshPeriod_);
    }
    if (sleepPeriod_ > 0) {
        const auto period = static_cast<Uint64>(sleepPeriod_ * frequency);
        deadline_ += period;
        if (now > deadline_ + period) {
            deadline_ = now;  // far behind: start afresh rather than rush
        }
        while (now < deadline_) {
            const auto ms =
                static_cast<Uint32>(static_cast<double>(deadline_ - now) * 1000.0 / frequency);
            if (ms == 0) {
                break;  // under a millisecond to go: close enough
            }
            SDL_Delay(ms);
            now = SDL_GetPerformanceCounter();
        }
    }
    double delta = static_cast<double>(now - lastFrame_) / frequency;
    lastFrame_ = now;
    if (vsync_ && sleepPeriod_ == 0) {
        fastFrames_ = delta < refreshPeriod_ * 0.5 ? fastFrames_ + 1 : 0;
        if (fastFrames_ >= kFastFramesForFallback) {
            sleepPeriod_ = refreshPeriod_;
            deadline_ = now;
        }
    }
    if (delta > kMaxDelta) {
        delta = kMaxDelta;
    }
    return static_cast<float>(delta);
}

void WindowBackend::Present() {
    SDL_RenderPresent(renderer_);
}

bool WindowBackend::EndFrame() {
    if (frameLimit_ == 0) {
        return true;
    }
    if (framesShown_ == 0) {
        // The benchmark's mark: when the first frame was on screen, in Unix
        // nanoseconds, so that the shutdown is not counted in the start-up.
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::fprintf(stderr, "bubblehive: first frame shown at %lld ns\n",
                     static_cast<long long>(
                         std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    }
    return ++framesShown_ < frameLimit_;
}

std::uint64_t WindowBackend::ClockMillis() {
    return SDL_GetTicks64();
}

void WindowBackend::SetClipboardText(const std::string& utf8) {
    SDL_SetClipboardText(utf8.c_str());
}

std::string WindowBackend::GetClipboardText() {
    std::string text;
    if (char* clip = SDL_GetClipboardText()) {
        text = clip;
        SDL_free(clip);
    }
    return text;
}

bool WindowBackend::OpenURL(const std::string& url) {
    return SDL_OpenURL(url.c_str()) == 0;
}

void WindowBackend::ShowErrorBox(const std::string& caption, const std::string& text) {
    // Without a display this fails; the message is already on stderr.
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), window_);
}
