#include "app/run_game.h"

#include "app/callbacks.h"
#include "app/config.h"
#include "app/init_all.h"
#include "app/pack_password.h"
#include "app/sound.h"
#include "engine/backend.h"
#include "engine/hge.h"
#include "screens/save_all.h"

LaunchOptions::LaunchOptions() = default;
LaunchOptions::~LaunchOptions() = default;
LaunchOptions::LaunchOptions(LaunchOptions&&) noexcept = default;
LaunchOptions& LaunchOptions::operator=(LaunchOptions&&) noexcept = default;

int RunGame(App& app, LaunchOptions options) {
    OpenAudio(app.sounds);
    app.saveDir = options.saveDir;

    HGE* hge = hgeCreate(HGE_VERSION);
    app.hge = hge;
    if (options.backend) {
        hge->System_SetBackend(std::move(options.backend));
    }
    if (!options.gameDir.empty()) {
        hge->System_SetStateString(HGE_GAMEDIR, options.gameDir);
    }
    hge->Resource_AttachPack(hge->Resource_MakePath("image.dat"), kPackPassword);

    const std::string configPath = hge->Resource_MakePath("script/config.luac");
    ReadConfig(configPath, app.config);
    hge->System_SetStateFunc(HGE_FRAMEFUNC, [&app] { return FrameFunc(app); });
    hge->System_SetStateFunc(HGE_RENDERFUNC, [&app] { return RenderFunc(app); });
    hge->System_SetStateFunc(HGE_FOCUSLOSTFUNC, [&app] { return FocusLostFunc(app); });
    hge->System_SetStateFunc(HGE_FOCUSGAINFUNC, [&app] { return FocusGainFunc(app); });
    app.config.title = ReadTitle(configPath);
    hge->System_SetStateString(HGE_TITLE, app.config.title);

    hge->System_SetStateBool(HGE_WINDOWED, true);
    hge->System_SetStateBool(HGE_HIDEMOUSE, false);
    // All sound goes through the game's own sound slots.
    hge->System_SetStateBool(HGE_USESOUND, false);
    hge->System_SetStateBool(HGE_SHOWSPLASH, false);
    hge->System_SetStateInt(HGE_FPS, options.fps.value_or(app.config.fps));
    hge->System_SetStateInt(HGE_SCREENWIDTH, app.config.width);
    hge->System_SetStateInt(HGE_SCREENHEIGHT, app.config.height);
    hge->System_SetStateString(HGE_ICON, "tex/icon.png");

    int exitCode = 0;
    if (hge->System_Initiate()) {
        InitAll(app);
        hge->System_Start();
        // The loop has ended normally: the player slots and the high scores
        // are written. A save that fails is reported by the exit status.
        if (!SaveAll(app).Ok()) {
            exitCode = 1;
        }
    } else {
        // Nothing was loaded, so the saves are left as they are on disk.
        hge->System_ShowErrorBox("Error", hge->System_GetErrorMessage());
    }

    hge->System_Shutdown();
    app.hge = nullptr;
    hge->Release();
    return exitCode;
}
