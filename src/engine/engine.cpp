// The engine object: its reference count, its states and the frame loop.
#include "engine/engine_impl.h"
#include "engine/window/window_backend.h"

#include <SDL_image.h>

#include <cstdio>

namespace {

// The one engine object; hgeCreate makes it, the last Release destroys it.
HGE* g_engine = nullptr;

}  // namespace

HGE* hgeCreate(int version) {
    if (version != HGE_VERSION) {
        std::fprintf(stderr, "hgeCreate: unsupported version 0x%X\n", version);
    }
    if (g_engine == nullptr) {
        g_engine = new HGE();
    }
    ++g_engine->refs_;
    return g_engine;
}

HGE::HGE() : impl_(std::make_unique<EngineImpl>()) {}

HGE::~HGE() {
    System_Shutdown();
    impl_->backend.reset();
}

void HGE::Release() {
    if (--refs_ <= 0) {
        if (g_engine == this) {
            g_engine = nullptr;
        }
        delete this;
    }
}

bool HGE::System_Initiate() {
    EngineImpl& e = *impl_;
    if (e.initiated) {
        return true;
    }
    e.error.clear();
    if (!e.backend) {
        e.backend = std::make_unique<WindowBackend>();
    }

    BackendConfig config;
    config.width = e.screenWidth;
    config.height = e.screenHeight;
    config.fps = e.fps;
    config.title = e.title;
    config.hideMouse = e.hideMouse;
    if (!e.icon.empty()) {
        std::vector<std::uint8_t> data;
        if (Resource_Load(e.icon, data)) {
            config.icon =
                IMG_Load_RW(SDL_RWFromConstMem(data.data(), static_cast<int>(data.size())), 1);
        }
        if (config.icon == nullptr) {
            std::fprintf(stderr, "%s: cannot load the window icon\n", e.icon.c_str());
        }
    }

    std::string error;
    const bool opened = e.backend->Open(config, error);
    if (config.icon != nullptr) {
        SDL_FreeSurface(config.icon);
    }
    if (!opened) {
        e.error = error.empty() ? "the backend could not be opened" : error;
        e.backend->Close();
        return false;
    }
    e.initiated = true;
    // Textures whose pixels are at hand get their SDL textures now; loaded
    // ones whose copy has gone are decoded again when they are next drawn.
    for (TextureEntry& entry : e.textures.entries) {
        if (entry.inUse && !entry.pixels.empty() && !e.CreateSdlTexture(entry)) {
            std::fprintf(stderr, "System_Initiate: cannot create a texture: %s\n", SDL_GetError());
        }
    }
    return true;
}

void HGE::System_Shutdown() {
    EngineImpl& e = *impl_;
    if (!e.initiated) {
        return;
    }
    e.DestroySdlTextures();
    e.backend->Close();
    e.initiated = false;
}

bool HGE::System_Start() {
    EngineImpl& e = *impl_;
    if (!e.initiated) {
        e.error = "System_Start: the engine is not initiated";
        return false;
    }
    if (!e.frameFunc) {
        e.error = "System_Start: no frame function";
        return false;
    }
    e.quitPosted = false;
    e.timer = FrameTimer();
    for (;;) {
        e.input.ClearEdges();
        e.backend->PumpEvents(*this);
        e.timer.Advance(e.backend->NextFrameDelta());
        if (e.frameFunc()) {
            break;
        }
        if (e.renderFunc) {
            e.renderFunc();
        }
        if (!e.backend->EndFrame() || e.quitPosted) {
            break;
        }
    }
    return true;
}

std::string HGE::System_GetErrorMessage() const {
    return impl_->error;
}

void HGE::System_ShowErrorBox(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    if (impl_->backend) {
        impl_->backend->ShowErrorBox(caption, text);
    } else {
        WindowBackend().ShowErrorBox(caption, text);
    }
}

void HGE::System_SetStateBool(hgeBoolState state, bool value) {
    EngineImpl& e = *impl_;
    switch (state) {
        case HGE_WINDOWED:
            e.windowed = value;
            break;
        case HGE_HIDEMOUSE:
            e.hideMouse = value;
            break;
        case HGE_USESOUND:
            e.useSound = value;
            break;
        case HGE_SHOWSPLASH:
            e.showSplash = value;
            break;
    }
}

void HGE::System_SetStateFunc(hgeFuncState state, hgeCallback func) {
    EngineImpl& e = *impl_;
    switch (state) {
        case HGE_FRAMEFUNC:
            e.frameFunc = std::move(func);
            break;
        case HGE_RENDERFUNC:
            e.renderFunc = std::move(func);
            break;
        case HGE_FOCUSLOSTFUNC:
            e.focusLostFunc = std::move(func);
            break;
        case HGE_FOCUSGAINFUNC:
            e.focusGainFunc = std::move(func);
            break;
    }
}

void HGE::System_SetStateInt(hgeIntState state, int value) {
    EngineImpl& e = *impl_;
    switch (state) {
        case HGE_SCREENWIDTH:
            e.screenWidth = value;
            break;
        case HGE_SCREENHEIGHT:
            e.screenHeight = value;
            break;
        case HGE_FPS:
            e.fps = value;
            break;
    }
}

void HGE::System_SetStateString(hgeStringState state, const std::string& value) {
    EngineImpl& e = *impl_;
    switch (state) {
        case HGE_TITLE:
            e.title = value;
            break;
        case HGE_ICON:
            e.icon = value;
            break;
        case HGE_GAMEDIR:
            e.gameDir = value;
            break;
    }
}

bool HGE::System_GetStateBool(hgeBoolState state) const {
    const EngineImpl& e = *impl_;
    switch (state) {
        case HGE_WINDOWED:
            return e.windowed;
        case HGE_HIDEMOUSE:
            return e.hideMouse;
        case HGE_USESOUND:
            return e.useSound;
        case HGE_SHOWSPLASH:
            return e.showSplash;
    }
    return false;
}

int HGE::System_GetStateInt(hgeIntState state) const {
    const EngineImpl& e = *impl_;
    switch (state) {
        case HGE_SCREENWIDTH:
            return e.screenWidth;
        case HGE_SCREENHEIGHT:
            return e.screenHeight;
        case HGE_FPS:
            return e.fps;
    }
    return 0;
}

std::string HGE::System_GetStateString(hgeStringState state) const {
    const EngineImpl& e = *impl_;
    switch (state) {
        case HGE_TITLE:
            return e.title;
        case HGE_ICON:
            return e.icon;
        case HGE_GAMEDIR:
            return e.GameFolder();
    }
    return {};
}

void HGE::System_SetBackend(std::unique_ptr<Backend> backend) {
    if (impl_->initiated) {
        std::fprintf(stderr, "System_SetBackend: ignored, the engine is already initiated\n");
        return;
    }
    impl_->backend = std::move(backend);
}

Backend* HGE::System_GetBackend() const {
    return impl_->backend.get();
}

void HGE::System_PostQuit() {
    impl_->quitPosted = true;
}

bool HGE::System_OpenURL(const std::string& url) {
    return impl_->backend ? impl_->backend->OpenURL(url) : false;
}

void HGE::System_SetInputHook(hgeInputHook hook) {
    impl_->inputHook = std::move(hook);
}

void HGE::System_SetClipboardText(const std::string& utf8) {
    if (impl_->backend) {
        impl_->backend->SetClipboardText(utf8);
    }
}

std::string HGE::System_GetClipboardText() {
    return impl_->backend ? impl_->backend->GetClipboardText() : std::string();
}
