// Textures: a CPU copy of every texture's pixels, mirrored into an SDL
// texture that the renderer draws from. A PNG file is decoded when it is
// first drawn or locked, and a loaded texture's copy goes once the SDL
// texture has it.
#include "engine/engine_impl.h"

#include <SDL_image.h>

#include <cstdio>
#include <cstring>

namespace {

// Anything bigger is a mistake, not a texture.
constexpr int kMaxTextureSide = 16384;

bool SizeFits(long long width, long long height) {
    return width > 0 && height > 0 && width <= kMaxTextureSide && height <= kMaxTextureSide;
}

bool ReadTextureFile(HGE& hge, const std::string& filename, std::vector<std::uint8_t>& data) {
    if (!hge.Resource_Load(filename, data)) {
        std::fprintf(stderr, "%s: cannot read the texture file\n", filename.c_str());
        return false;
    }
    return true;
}

// The width and height in a PNG file's header (the IHDR chunk, always
// first), without decoding anything; false for anything else.
bool PngSize(const std::vector<std::uint8_t>& data, int& width, int& height) {
    static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (data.size() < 24 || std::memcmp(data.data(), kSignature, 8) != 0 ||
        std::memcmp(data.data() + 12, "IHDR", 4) != 0) {
        return false;
    }
    auto bigEndian = [&data](std::size_t at) {
        return static_cast<std::uint32_t>(data[at]) << 24 |
               static_cast<std::uint32_t>(data[at + 1]) << 16 |
               static_cast<std::uint32_t>(data[at + 2]) << 8 | data[at + 3];
    };
    const std::uint32_t w = bigEndian(16);
    const std::uint32_t h = bigEndian(20);
    if (bigEndian(8) != 13 || !SizeFits(w, h)) {
        return false;
    }
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

// Decodes an image file's bytes into ARGB pixels; false with a message on
// stderr naming the file.
bool DecodeImage(const std::string& filename, const std::vector<std::uint8_t>& data, int& width,
                 int& height, std::vector<DWORD>& pixels) {
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
    if (!SizeFits(argb->w, argb->h)) {
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

// A loaded texture whose file turned out broken when it was first needed:
// from now on it is what a failed load gives, a texture of no size.
void MarkBroken(TextureEntry& entry) {
    entry.broken = true;
    entry.width = 0;
    entry.height = 0;
    std::vector<DWORD>().swap(entry.pixels);
    std::vector<std::uint8_t>().swap(entry.encoded);
}

}  // namespace

bool ReloadTexturePixels(HGE& hge, TextureEntry& entry) {
    if (entry.source.empty() || entry.broken) {
        return false;
    }
    // The bytes kept since the load are decoded once; later the file is read again.
    std::vector<std::uint8_t> data;
    data.swap(entry.encoded);
    if (data.empty() && !ReadTextureFile(hge, entry.source, data)) {
        return false;
    }
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels;
    if (!DecodeImage(entry.source, data, width, height, pixels)) {
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
    SDL_GetTextureScaleMode(entry.sdl, &entry.scaleMode);
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
    if (!entry.source.empty() && !entry.locked) {
        std::vector<DWORD>().swap(entry.pixels);
    }
}

SDL_Texture* EngineImpl::SdlTexture(HGE& hge, HTEXTURE tex) {
    TextureEntry* entry = textures.Find(tex);
    if (entry == nullptr || entry->broken || Renderer() == nullptr) {
        return nullptr;
    }
    if (entry->sdl == nullptr) {
        // A loaded texture is decoded when it is first drawn; a file that
        // fails now says so once and draws as no texture from then on.
        if (entry->pixels.empty() && !ReloadTexturePixels(hge, *entry)) {
            MarkBroken(*entry);
            return nullptr;
        }
        if (!CreateSdlTexture(*entry) || entry->sdl == nullptr) {
            std::fprintf(stderr, "%s: cannot create a %dx%d texture: %s\n", entry->source.c_str(),
                         entry->width, entry->height, SDL_GetError());
            MarkBroken(*entry);
            return nullptr;
        }
    }
    UploadPixels(*entry);
    const std::optional<SDL_ScaleMode> scaleMode = backend->TextureScaleMode();
    if (scaleMode && *scaleMode != entry->scaleMode &&
        SDL_SetTextureScaleMode(entry->sdl, *scaleMode) == 0) {
        entry->scaleMode = *scaleMode;
    }
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
    std::vector<std::uint8_t> data;
    if (!ReadTextureFile(*this, filename, data)) {
        return 0;
    }
    entry.inUse = true;
    entry.source = filename;
    EngineImpl& e = *impl_;
    if (PngSize(data, entry.width, entry.height)) {
        // Its header is all a PNG needs until it is drawn or locked.
        entry.encoded = std::move(data);
        e.textures.entries.push_back(std::move(entry));
        return static_cast<HTEXTURE>(e.textures.entries.size());
    }
    if (!DecodeImage(filename, data, entry.width, entry.height, entry.pixels)) {
        return 0;
    }
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
        if (entry->sdl == nullptr) {
            MarkBroken(*entry);  // nothing else holds its pixels: it draws as no texture
        }
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
