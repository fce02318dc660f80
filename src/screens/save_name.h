// Names as the save files can carry them: one token of code page 936 bytes
// that fits its field.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// White space and control bytes become "_"; the name is cut to at most
// fieldBytes at a whole character; an empty name becomes "n", so that every
// name is a token of its own and the file's token order holds.
std::string SanitiseName(std::string_view name, size_t fieldBytes);
