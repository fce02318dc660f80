// Dump sections of the game in play (rows in the table of dump.cpp).
#pragma once

struct ReplayContext;
class JsonWriter;

void DumpLevel(const ReplayContext& context, JsonWriter& json);
void DumpScore(const ReplayContext& context, JsonWriter& json);
void DumpBoard(const ReplayContext& context, JsonWriter& json);
void DumpEffects(const ReplayContext& context, JsonWriter& json);
