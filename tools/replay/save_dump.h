// The dump's save section (a row in the table of dump.cpp): the current slot
// and player, the five slots and the valid high-score entries, names as UTF-8.
#pragma once

struct ReplayContext;
class JsonWriter;

void DumpSave(const ReplayContext& context, JsonWriter& json);
