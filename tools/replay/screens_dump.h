// The dump's sections of the in-game menu, help and the settings screen
// (rows in the table of dump.cpp).
#pragma once

struct ReplayContext;
class JsonWriter;

// open, buttonsLive, savedState.
void DumpGameMenu(const ReplayContext& context, JsonWriter& json);
// shown, savedState.
void DumpHelp(const ReplayContext& context, JsonWriter& json);
// musicKnobX, effectsKnobX, draggingMusic, draggingEffects.
void DumpSettings(const ReplayContext& context, JsonWriter& json);
