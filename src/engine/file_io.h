// Small files on disk, read with a limit and written so that a crash or a
// full disk never leaves a half-written file: the new bytes go to a
// temporary file in the same folder, reach the disk, and only then take the
// old file's name.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

struct FileRead {
    enum class Status {
        Read,     // bytes holds the file's start
        Missing,  // there is no such file
        Failed,   // it exists but cannot be read; error says why
    };
    Status status = Status::Missing;
    std::string bytes;
    std::string error;
    bool cut = false;  // the file is longer than the limit; bytes holds its first part
};

// Reads at most maxBytes of the file at path.
FileRead ReadFileBounded(const std::string& path, size_t maxBytes);

// Replaces the file at path with bytes, creating its folders when missing.
// Returns an empty string on success; otherwise the reason, and the old file
// (if any) is left exactly as it was.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes);
