// The dump: the game's observable state after a frame, as JSON. Each top-level
// key is one section, written by one function listed in dump.cpp; to add a
// section, write its function and add a row to that list.
#pragma once

#include <string>

struct ReplayContext;
class JsonWriter;

// The dump of the current frame as text.
std::string DumpText(const ReplayContext& context);
// Writes DumpText to path; false when the file cannot be written.
bool WriteDump(const std::string& path, const ReplayContext& context);
