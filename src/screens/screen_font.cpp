#include "screens/screen_font.h"

#include <cstdio>
#include <stdexcept>

std::unique_ptr<GfxFont> MakeScreenFont(const char* screenName, int size) {
    try {
        return std::make_unique<GfxFont>(size);
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "%s: no text is drawn: %s\n", screenName, error.what());
        return nullptr;
    }
}
