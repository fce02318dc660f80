#include "screens/save_name.h"

#include "engine/codepage.h"

std::string SanitiseName(std::string_view name, size_t fieldBytes) {
    std::string out(name);
    for (char& c : out) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F) {
            c = '_';
        }
    }
    // Cut after the replacements: they can change where double-byte
    // characters start, and cutting last makes a second pass change nothing.
    out.resize(Cp936WholeLength(out, fieldBytes));
    if (out.empty()) {
        out.push_back('n');
    }
    return out;
}
