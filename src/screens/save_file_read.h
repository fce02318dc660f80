// Reading a save file at start-up: at most kSaveFileMaxBytes of it (the
// files the game writes are a few hundred bytes), with a line on stderr
// when it cannot be read or is cut.
#pragma once

#include "engine/file_io.h"

#include <cstddef>
#include <string>

inline constexpr size_t kSaveFileMaxBytes = 64 * 1024;

FileRead ReadSaveFile(const std::string& path);
