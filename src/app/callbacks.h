// The four functions the engine calls: once per frame to advance and to draw
// the game, and when the window loses or gains the focus. Each returns false
// (the engine keeps running).
#pragma once

#include "app/app.h"

bool FrameFunc(App& app);
bool RenderFunc(App& app);
bool FocusLostFunc(App& app);
bool FocusGainFunc(App& app);
