#include "app/callbacks.h"

#include "app/sound.h"
#include "engine/hge.h"
#include "game/game_frame.h"
#include "screens/logo.h"
#include "screens/start_menu.h"

bool FrameFunc(App& app) {
    const float dt = app.hge->Timer_GetDelta();
    switch (app.appState) {
        case AppState::Logo:
            app.logoTime += dt;
            if (app.logoTime >= kLogoSeconds) {
                EndLogo(app);
            }
            break;
        case AppState::Menu:
            StartMenuFrame(app);
            break;
        case AppState::Game:
            GameFrame(app, dt);
            break;
    }
    return false;
}

bool RenderFunc(App& app) {
    app.hge->Gfx_BeginScene(0);
    app.hge->Gfx_Clear(0);
    switch (app.appState) {
        case AppState::Logo:
            RenderLogo(app.logo);
            break;
        case AppState::Menu:
            StartMenuRender(app);
            break;
        case AppState::Game:
            GameRender(app);
            break;
    }
    app.hge->Gfx_EndScene();
    return false;
}

bool FocusLostFunc(App& app) {
    // A game in play pauses whatever AppState is.
    PauseOnFocusLoss(app.game);
    PauseAllSounds(app.sounds);
    return false;
}

bool FocusGainFunc(App& app) {
    // The game itself stays paused until the player resumes it.
    ResumeAllSounds(app.sounds);
    return false;
}
