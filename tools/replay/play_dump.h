// Dump sections of the game in play: its state, the shooter, the flying block
// and the props (rows in the table of dump.cpp).
#pragma once

struct ReplayContext;
class JsonWriter;

void DumpGameState(const ReplayContext& context, JsonWriter& json);
void DumpBannerKind(const ReplayContext& context, JsonWriter& json);
void DumpShooter(const ReplayContext& context, JsonWriter& json);
// null when nothing flies.
void DumpFlying(const ReplayContext& context, JsonWriter& json);
void DumpProps(const ReplayContext& context, JsonWriter& json);
