// hgeSprite: a textured quad placed by its hotspot.
#include "engine/sprite.h"

#include <cmath>

hgeSprite::hgeSprite(HTEXTURE tex, float x, float y, float w, float h)
    : hge_(hgeCreate(HGE_VERSION)) {
    quad_.tex = tex;
    if (tex != 0) {
        texWidth_ = static_cast<float>(hge_->Texture_GetWidth(tex));
        texHeight_ = static_cast<float>(hge_->Texture_GetHeight(tex));
        if (texWidth_ <= 0 || texHeight_ <= 0) {
            texWidth_ = texHeight_ = 1;
        }
    }
    SetTextureRect(x, y, w, h);
}

hgeSprite::hgeSprite(const hgeSprite& other)
    : hge_(hgeCreate(HGE_VERSION)),
      quad_(other.quad_),
      texX_(other.texX_),
      texY_(other.texY_),
      width_(other.width_),
      height_(other.height_),
      hotX_(other.hotX_),
      hotY_(other.hotY_),
      texWidth_(other.texWidth_),
      texHeight_(other.texHeight_) {}

hgeSprite& hgeSprite::operator=(const hgeSprite& other) {
    // Both hold a reference to the one engine object; only the picture is copied.
    quad_ = other.quad_;
    texX_ = other.texX_;
    texY_ = other.texY_;
    width_ = other.width_;
    height_ = other.height_;
    hotX_ = other.hotX_;
    hotY_ = other.hotY_;
    texWidth_ = other.texWidth_;
    texHeight_ = other.texHeight_;
    return *this;
}

hgeSprite::~hgeSprite() {
    hge_->Release();
}

void hgeSprite::Render(float x, float y) {
    const float x1 = x - hotX_;
    const float y1 = y - hotY_;
    const float x2 = x1 + width_;
    const float y2 = y1 + height_;
    quad_.v[0].x = x1;
    quad_.v[0].y = y1;
    quad_.v[1].x = x2;
    quad_.v[1].y = y1;
    quad_.v[2].x = x2;
    quad_.v[2].y = y2;
    quad_.v[3].x = x1;
    quad_.v[3].y = y2;
    hge_->Gfx_RenderQuad(&quad_);
}

void hgeSprite::RenderEx(float x, float y, float rot, float hscale, float vscale) {
    if (vscale == 0) {
        vscale = hscale;
    }
    // Corners relative to the hotspot, scaled.
    const float left = -hotX_ * hscale;
    const float top = -hotY_ * vscale;
    const float right = (width_ - hotX_) * hscale;
    const float bottom = (height_ - hotY_) * vscale;
    const float cornersX[4] = {left, right, right, left};
    const float cornersY[4] = {top, top, bottom, bottom};
    // With y pointing down, a positive angle turns clockwise on screen.
    const float c = std::cos(rot);
    const float s = std::sin(rot);
    for (int i = 0; i < 4; ++i) {
        quad_.v[i].x = cornersX[i] * c - cornersY[i] * s + x;
        quad_.v[i].y = cornersX[i] * s + cornersY[i] * c + y;
    }
    hge_->Gfx_RenderQuad(&quad_);
}

void hgeSprite::RenderStretch(float x1, float y1, float x2, float y2) {
    quad_.v[0].x = x1;
    quad_.v[0].y = y1;
    quad_.v[1].x = x2;
    quad_.v[1].y = y1;
    quad_.v[2].x = x2;
    quad_.v[2].y = y2;
    quad_.v[3].x = x1;
    quad_.v[3].y = y2;
    hge_->Gfx_RenderQuad(&quad_);
}

void hgeSprite::SetTexture(HTEXTURE tex) {
    quad_.tex = tex;
    texWidth_ = texHeight_ = 1;
    if (tex != 0) {
        const int w = hge_->Texture_GetWidth(tex);
        const int h = hge_->Texture_GetHeight(tex);
        if (w > 0 && h > 0) {
            texWidth_ = static_cast<float>(w);
            texHeight_ = static_cast<float>(h);
        }
    }
    SetTextureRect(texX_, texY_, width_, height_, false);
}

void hgeSprite::SetTextureRect(float x, float y, float w, float h, bool adjSize) {
    texX_ = x;
    texY_ = y;
    if (adjSize) {
        width_ = w;
        height_ = h;
    }
    const float u1 = x / texWidth_;
    const float v1 = y / texHeight_;
    const float u2 = (x + w) / texWidth_;
    const float v2 = (y + h) / texHeight_;
    quad_.v[0].tx = u1;
    quad_.v[0].ty = v1;
    quad_.v[1].tx = u2;
    quad_.v[1].ty = v1;
    quad_.v[2].tx = u2;
    quad_.v[2].ty = v2;
    quad_.v[3].tx = u1;
    quad_.v[3].ty = v2;
}

void hgeSprite::SetColor(DWORD col, int corner) {
    if (corner < 0 || corner > 3) {
        for (hgeVertex& v : quad_.v) {
            v.col = col;
        }
    } else {
        quad_.v[corner].col = col;
    }
}

void hgeSprite::SetZ(float z, int corner) {
    if (corner < 0 || corner > 3) {
        for (hgeVertex& v : quad_.v) {
            v.z = z;
        }
    } else {
        quad_.v[corner].z = z;
    }
}

void hgeSprite::GetTextureRect(float* x, float* y, float* w, float* h) const {
    *x = texX_;
    *y = texY_;
    *w = width_;
    *h = height_;
}

DWORD hgeSprite::GetColor(int corner) const {
    return quad_.v[(corner < 0 || corner > 3) ? 0 : corner].col;
}
