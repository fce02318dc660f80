// The resource pack: a zip archive whose entries are encrypted with AES-256
// under one password.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Pack {
public:
    // Opens the archive and checks the password against its entries. On
    // failure returns null and fills error with one line (missing file,
    // wrong password, damaged archive).
    static std::unique_ptr<Pack> Open(const std::string& path, const std::string& password,
                                      std::string& error);
    virtual ~Pack() = default;

    // Reads an entry by its name inside the archive ("tex/block.png").
    virtual bool Read(const std::string& name, std::vector<std::uint8_t>& out) = 0;
    virtual bool Contains(const std::string& name) const = 0;
};

// Writes an archive of the given entries, each encrypted with AES-256 and
// deflated unless it is stored as it stands. Used by the packer and by tests
// that need a pack.
struct PackEntry {
    std::string name;
    std::vector<std::uint8_t> data;
    bool stored = false;  // already compressed (PNG, OGG): deflating again gains nothing
};
bool WritePack(const std::string& path, const std::string& password,
               const std::vector<PackEntry>& entries, std::string& error);
