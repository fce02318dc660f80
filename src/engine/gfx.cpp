// Drawing over the backend's SDL renderer: scenes, quads, lines, clipping.
#include "engine/engine_impl.h"

#include <cstdio>

namespace {

SDL_Color ToSdlColor(DWORD argb) {
    return SDL_Color{static_cast<Uint8>(argb >> 16), static_cast<Uint8>(argb >> 8),
                     static_cast<Uint8>(argb), static_cast<Uint8>(argb >> 24)};
}

// Texture coordinates past the texture's edge draw nothing in SDL's software
// renderer and repeat the edge elsewhere; keeping them on the texture gives
// the same picture in every backend.
float OnTexture(float t) {
    return t < 0 ? 0 : (t > 1 ? 1 : t);
}

SDL_BlendMode ToSdlBlend(int blend) {
    return (blend & BLEND_ALPHAADD) ? SDL_BLENDMODE_ADD : SDL_BLENDMODE_BLEND;
}

}  // namespace

bool HGE::Gfx_BeginScene(HTEXTURE target) {
    SDL_Renderer* renderer = impl_->Renderer();
    if (renderer == nullptr) {
        return false;
    }
    if (target != 0) {
        std::fprintf(stderr, "Gfx_BeginScene: render targets are not supported\n");
        return false;
    }
    SDL_SetRenderTarget(renderer, nullptr);
    return true;
}

void HGE::Gfx_EndScene() {
    if (impl_->Renderer() != nullptr) {
        impl_->backend->Present();
    }
}

void HGE::Gfx_Clear(DWORD color) {
    SDL_Renderer* renderer = impl_->Renderer();
    if (renderer == nullptr) {
        return;
    }
    const SDL_Color c = ToSdlColor(color);
    SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, c.a);
    SDL_RenderClear(renderer);
}

void HGE::Gfx_RenderLine(float x1, float y1, float x2, float y2, DWORD color, float z) {
    (void)z;
    SDL_Renderer* renderer = impl_->Renderer();
    if (renderer == nullptr) {
        return;
    }
    const SDL_Color c = ToSdlColor(color);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, c.a);
    SDL_RenderDrawLineF(renderer, x1, y1, x2, y2);
}

void HGE::Gfx_RenderQuad(const hgeQuad* quad) {
    SDL_Renderer* renderer = impl_->Renderer();
    if (renderer == nullptr || quad == nullptr) {
        return;
    }
    SDL_Vertex vertices[4];
    for (int i = 0; i < 4; ++i) {
        const hgeVertex& v = quad->v[i];
        vertices[i].position = SDL_FPoint{v.x, v.y};
        vertices[i].color = ToSdlColor(v.col);
        vertices[i].tex_coord = SDL_FPoint{OnTexture(v.tx), OnTexture(v.ty)};
    }
    static const int kIndices[6] = {0, 1, 2, 0, 2, 3};
    const SDL_BlendMode blend = ToSdlBlend(quad->blend);
    SDL_Texture* texture = impl_->SdlTexture(*this, quad->tex);
    if (texture != nullptr) {
        SDL_SetTextureBlendMode(texture, blend);
    } else {
        SDL_SetRenderDrawBlendMode(renderer, blend);
    }
    SDL_RenderGeometry(renderer, texture, vertices, 4, kIndices, 6);
}

void HGE::Gfx_SetClipping(int x, int y, int w, int h) {
    SDL_Renderer* renderer = impl_->Renderer();
    if (renderer == nullptr) {
        return;
    }
    if (x == 0 && y == 0 && w == 0 && h == 0) {
        SDL_RenderSetClipRect(renderer, nullptr);
        return;
    }
    const SDL_Rect rect{x, y, w < 0 ? 0 : w, h < 0 ? 0 : h};
    SDL_RenderSetClipRect(renderer, &rect);
}
