// Every texture the engine hands out, by handle. Each keeps a CPU copy of its
// pixels (0xAARRGGBB) so it can be locked and written; the SDL texture is
// made from that copy once a renderer exists. A PNG texture loaded from a
// file keeps only the file's bytes until it is first drawn or locked, so
// pictures shown late cost nothing at start-up; it lets its pixel copy go
// once the SDL texture holds the pixels (the game's pictures would otherwise
// sit in memory twice) and reads the file again when it is locked.
#pragma once

#include "engine/hge.h"

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

struct TextureEntry {
    bool inUse = false;
    int width = 0, height = 0;
    std::vector<DWORD> pixels;          // empty while a loaded texture's copy is let go
    std::vector<std::uint8_t> encoded;  // the file's bytes, until they are first decoded
    std::string source;                 // the file it was loaded from; empty once written to
    bool broken = false;                // its file failed to decode late: drawn as no texture
    SDL_Texture* sdl = nullptr;
    SDL_ScaleMode scaleMode = SDL_ScaleModeLinear;  // the filtering sdl was last given
    bool locked = false;
    bool lockedForWriting = false;
    bool dirty = false;  // pixels changed since the last upload
};

struct TextureTable {
    std::vector<TextureEntry> entries;  // handle h is entries[h - 1]

    TextureEntry* Find(HTEXTURE tex) {
        if (tex == 0 || tex > entries.size() || !entries[tex - 1].inUse) {
            return nullptr;
        }
        return &entries[tex - 1];
    }
    const TextureEntry* Find(HTEXTURE tex) const {
        return const_cast<TextureTable*>(this)->Find(tex);
    }
};
