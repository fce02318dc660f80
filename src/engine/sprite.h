// A textured quad: a rectangle of a texture, a hotspot and a colour per
// corner. Copies are independent of each other.
#pragma once

#include "engine/hge.h"

class hgeSprite {
public:
    // tex may be 0: the sprite then draws as a plain coloured quad.
    hgeSprite(HTEXTURE tex, float x, float y, float w, float h);
    hgeSprite(const hgeSprite& other);
    hgeSprite& operator=(const hgeSprite& other);
    virtual ~hgeSprite();

    // Draws with the hotspot at (x, y).
    void Render(float x, float y);
    // Rotated by rot radians (clockwise on screen) and scaled about the
    // hotspot; vscale 0 means "same as hscale".
    void RenderEx(float x, float y, float rot, float hscale = 1.0f, float vscale = 0.0f);
    // Stretched to fill the rectangle (x1, y1)-(x2, y2).
    void RenderStretch(float x1, float y1, float x2, float y2);

    void SetTexture(HTEXTURE tex);
    // adjSize: also make the sprite that size.
    void SetTextureRect(float x, float y, float w, float h, bool adjSize = true);
    // corner -1 sets all four corners (0 top-left, 1 top-right, 2 bottom-right, 3 bottom-left).
    void SetColor(DWORD col, int corner = -1);
    void SetZ(float z, int corner = -1);
    void SetBlendMode(int blend) { quad_.blend = blend; }
    void SetHotSpot(float x, float y) {
        hotX_ = x;
        hotY_ = y;
    }

    HTEXTURE GetTexture() const { return quad_.tex; }
    void GetTextureRect(float* x, float* y, float* w, float* h) const;
    DWORD GetColor(int corner = 0) const;
    void GetHotSpot(float* x, float* y) const {
        *x = hotX_;
        *y = hotY_;
    }
    float GetWidth() const { return width_; }
    float GetHeight() const { return height_; }
    int GetBlendMode() const { return quad_.blend; }

protected:
    HGE* hge_ = nullptr;
    hgeQuad quad_;
    float texX_ = 0, texY_ = 0;  // texture rectangle in pixels
    float width_ = 0, height_ = 0;
    float hotX_ = 0, hotY_ = 0;
    float texWidth_ = 1, texHeight_ = 1;  // texture size in pixels, for texture coordinates
};
