// Textures: a CPU copy of every texture's pixels, mirrored into an SDL
// texture that the renderer draws from; a loaded texture's copy goes once
// the SDL texture has it.
#include "engine/engine_impl.h"

#include <SDL_image.h>

#include <cstdio>
#include <cstring>

namespace {

// Anything bigger is a mistake, not a texture.
constexpr int kMaxTextureSide = 16384;

// Decodes an image file into ARGB pixels; false with a message on stderr.
bool ReadImage(HGE& hge, const std::string& filename, int& width, int& height,
               std::vector<DWORD>& pixels) {
    std::vector<std::uint8_t> data;
    if (!hge.Resource_Load(filename, data)) {
        std::fprintf(stderr, "%s: cannot read the texture file\n", filename.c_str());
        return false;
    }
    SDL_Surface* loaded =
        IMG_Load_RW(SDL_RWFromConstMem(data.data(), static_cast<int>(data.size())), 1);
    if (loaded == nullptr) {
        std::fprintf(stderr, "%s: cannot decode the image: %s\n", filename.c_str(), IMG_GetError());
        return false;
    }
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (argb == nullptr) {
        std::fprintf(stderr, "%s: cannot convert the image: %s\n", filename.c_str(),
                     SDL_GetError());
        return false;
    }
    if (argb->w <= 0 || argb->h <= 0 || argb->w > kMaxTextureSide || argb->h > kMaxTextureSide) {
        std::fprintf(stderr, "%s: cannot create a %dx%d texture\n", filename.c_str(), argb->w,
                     argb->h);
        SDL_FreeSurface(argb);
        return false;
    }
    width = argb->w;
    height = argb->h;
    pixels.resize(static_cast<std::size_t>(width) * height);
    SDL_LockSurface(argb);
    for (int y = 0; y < height; ++y) {
        std::memcpy(&pixels[static_cast<std::size_t>(y) * width],
                    static_cast<const std::uint8_t*>(argb->pixels) + y * argb->pitch,
                    static_cast<std::size_t>(width) * 4);
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    return true;
}

}  // namespace

bool ReloadTexturePixels(HGE& hge, TextureEntry& entry) {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels;
    if (entry.source.empty() || !ReadImage(hge, entry.source, width, height, pixels)) {
        return false;
    }
    if (width != entry.width || height != entry.height) {
        std::fprintf(stderr, "%s: the texture file changed size since it was loaded\n",
                     entry.source.c_str());
        return false;
    }
    entry.pixels = std::move(pixels);
    return true;
}

bool EngineImpl::CreateSdlTexture(TextureEntry& entry) {
    SDL_Renderer* renderer = Renderer();
    if (renderer == nullptr || entry.sdl != nullptr) {
        return true;
    }
    entry.sdl = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                  entry.width, entry.height);
    if (entry.sdl == nullptr) {
        return false;
    }
    SDL_SetTextureBlendMode(entry.sdl, SDL_BLENDMODE_BLEND);
    entry.dirty = true;
    UploadPixels(entry);
    return true;
}

void EngineImpl::UploadPixels(TextureEntry& entry) {
    if (entry.sdl == nullptr || !entry.dirty) {
        return;
    }
    if (entry.pixels.size() != static_cast<std::size_t>(entry.width) * entry.height) {
        return;  // a loaded texture whose copy is gone: the SDL texture has it
    }
    SDL_UpdateTexture(entry.sdl, nullptr, entry.pixels.data(), entry.width * 4);
    entry.dirty = false;
    if (!entry.source.empty()) {
        std::vector<DWORD>().swap(entry.pixels);
    }
}

SDL_Texture* EngineImpl::SdlTexture(HTEXTURE tex) {
    TextureEntry* entry = textures.Find(tex);
    if (entry == nullptr) {
        return nullptr;
    }
    if (entry->sdl == nullptr && !CreateSdlTexture(*entry)) {
        return nullptr;
    }
    UploadPixels(*entry);
    return entry->sdl;
}

void EngineImpl::DestroySdlTextures() {
    for (TextureEntry& entry : textures.entries) {
        if (entry.sdl != nullptr) {
            SDL_DestroyTexture(entry.sdl);
            entry.sdl = nullptr;
        }
    }
}

HTEXTURE HGE::Texture_Create(int width, int height) {
    if (width <= 0 || height <= 0 || width > kMaxTextureSide || height > kMaxTextureSide) {
        return 0;
    }
    EngineImpl& e = *impl_;
    TextureEntry entry;
    entry.inUse = true;
    entry.width = width;
    entry.height = height;
    entry.pixels.assign(static_cast<std::size_t>(width) * height, 0);
    if (!e.CreateSdlTexture(entry)) {
        return 0;
    }
    e.textures.entries.push_back(std::move(entry));
    return static_cast<HTEXTURE>(e.textures.entries.size());
}

HTEXTURE HGE::Texture_Load(const std::string& filename) {
    TextureEntry entry;
    if (!ReadImage(*this, filename, entry.width, entry.height, entry.pixels)) {
        return 0;
    }
    entry.inUse = true;
    entry.source = filename;
    EngineImpl& e = *impl_;
    if (!e.CreateSdlTexture(entry)) {
        std::fprintf(stderr, "%s: cannot create a %dx%d texture\n", filename.c_str(), entry.width,
                     entry.height);
        return 0;
    }
    e.textures.entries.push_back(std::move(entry));
    return static_cast<HTEXTURE>(e.textures.entries.size());
}

void HGE::Texture_Free(HTEXTURE tex) {
    TextureEntry* entry = impl_->textures.Find(tex);
    if (entry == nullptr) {
        return;
    }
    if (entry->sdl != nullptr) {
        SDL_DestroyTexture(entry->sdl);
    }
    *entry = TextureEntry();
}

int HGE::Texture_GetWidth(HTEXTURE tex, bool original) const {
    (void)original;
    const TextureEntry* entry = impl_->textures.Find(tex);
    return entry ? entry->width : 0;
}

int HGE::Texture_GetHeight(HTEXTURE tex, bool original) const {
    (void)original;
    const TextureEntry* entry = impl_->textures.Find(tex);
    return entry ? entry->height : 0;
}

DWORD* HGE::Texture_Lock(HTEXTURE tex, bool readOnly, int left, int top, int width, int height) {
    (void)width;
    (void)height;
    TextureEntry* entry = impl_->textures.Find(tex);
    if (entry == nullptr || left < 0 || top < 0 || left >= entry->width || top >= entry->height) {
        return nullptr;
    }
    if (entry->pixels.empty() && !ReloadTexturePixels(*this, *entry)) {
        return nullptr;
    }
    if (!readOnly) {
        entry->source.clear();  // it no longer matches its file: the copy stays
    }
    entry->locked = true;
    entry->lockedForWriting = entry->lockedForWriting || !readOnly;
    return &entry->pixels[static_cast<std::size_t>(top) * entry->width + left];
}

void HGE::Texture_Unlock(HTEXTURE tex) {
    TextureEntry* entry = impl_->textures.Find(tex);
    if (entry == nullptr || !entry->locked) {
        return;
    }
    if (entry->lockedForWriting) {
        entry->dirty = true;
        impl_->UploadPixels(*entry);
    }
    entry->locked = false;
    entry->lockedForWriting = false;
}
