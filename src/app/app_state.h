// Switching the top-level state with its side effects.
#pragma once

#include "app/app.h"

// Menu starts the menu music; Game readies the level's opening banner and
// stops the menu music.
void SetAppState(App& app, AppState state);
