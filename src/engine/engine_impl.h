// Everything the one engine object holds. Only the engine's own files see
// this; the game sees hge.h.
#pragma once

#include "engine/backend.h"
#include "engine/frame_timer.h"
#include "engine/hge.h"
#include "engine/input_state.h"
#include "engine/pack.h"
#include "engine/random_generator.h"
#include "engine/texture_table.h"

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

// Decodes a loaded texture's pixels from the bytes kept since its load, or
// else from its source file read again; false with a message on stderr when
// that fails.
bool ReloadTexturePixels(HGE& hge, TextureEntry& entry);

class EngineImpl {
public:
    // States set with System_SetState*.
    bool windowed = true;
    bool hideMouse = false;
    bool useSound = false;
    bool showSplash = false;
    int screenWidth = 800;
    int screenHeight = 600;
    int fps = 0;
    std::string title = "bubblehive";
    std::string icon;
    std::string gameDir;  // empty: the folder of the running executable

    hgeCallback frameFunc, renderFunc, focusLostFunc, focusGainFunc;
    hgeInputHook inputHook;

    std::unique_ptr<Backend> backend;
    bool initiated = false;
    bool quitPosted = false;
    std::string error;

    InputState input;
    FrameTimer timer;
    RandomGenerator random;
    TextureTable textures;
    std::vector<std::unique_ptr<Pack>> packs;

    SDL_Renderer* Renderer() const { return initiated && backend ? backend->Renderer() : nullptr; }
    // The SDL texture of a handle, decoded, created and uploaded on demand;
    // null for 0, an unknown handle, a broken file, or before there is a renderer.
    SDL_Texture* SdlTexture(HGE& hge, HTEXTURE tex);
    // Makes entry's SDL texture if there is a renderer; false when SDL fails.
    bool CreateSdlTexture(TextureEntry& entry);
    void UploadPixels(TextureEntry& entry);
    void DestroySdlTextures();
    // The folder names are resolved against, without a trailing slash.
    std::string GameFolder() const;
};
