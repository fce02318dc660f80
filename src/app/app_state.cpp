#include "app/app_state.h"

#include "app/sound.h"

void SetAppState(App& app, AppState state) {
    app.appState = state;
    if (state == AppState::Game) {
        // Entering a game also resets the banner kind, restarts the ready
        // banner and, unless the game was paused or in its menu or help,
        // plays ReadySound and stops FailSound and PassSound; then GameState
        // becomes Ready. Those steps join here with the game's own state.
        StopSound(app.sounds, MenuMusic);
    }
    if (state == AppState::Menu) {
        PlaySound(app.sounds, MenuMusic, true);
    }
}
