// hgeAnimation: frames of one size laid out in a texture, stepped at a fixed
// rate forward, in reverse or back and forth.
#include "engine/animation.h"

hgeAnimation::hgeAnimation(HTEXTURE tex, int frames, float fps, float x, float y, float w, float h)
    : hgeSprite(tex, x, y, w, h),
      originX_(x),
      originY_(y),
      frames_(frames < 1 ? 1 : frames),
      fps_(fps) {
    SetFrame(0);
}

void hgeAnimation::Play() {
    playing_ = true;
    elapsed_ = 0;
    if (mode_ & HGEANIM_REV) {
        delta_ = -1;
        SetFrame(frames_ - 1);
    } else {
        delta_ = 1;
        SetFrame(0);
    }
}

void hgeAnimation::Update(float dt) {
    if (!playing_ || fps_ <= 0) {
        return;
    }
    const float frameTime = 1.0f / fps_;
    elapsed_ += dt;
    while (playing_ && elapsed_ >= frameTime) {
        elapsed_ -= frameTime;
        int next = frame_ + delta_;
        if (next < 0 || next >= frames_) {
            // At an end of the strip.
            const int startDelta = (mode_ & HGEANIM_REV) ? -1 : 1;
            const bool loop = (mode_ & HGEANIM_LOOP) != 0;
            if (mode_ & HGEANIM_PINGPONG) {
                // Bounce at the far end; back at the start end, a single
                // pass is over.
                if (delta_ != startDelta && !loop) {
                    playing_ = false;
                    elapsed_ = 0;
                    break;
                }
                delta_ = -delta_;
                next = frame_ + delta_;
                if (next < 0 || next >= frames_) {
                    next = frame_;  // a single frame has nowhere to go
                }
            } else if (loop) {
                next = delta_ > 0 ? 0 : frames_ - 1;
            } else {
                playing_ = false;
                elapsed_ = 0;
                break;
            }
        }
        SetFrame(next);
    }
}

void hgeAnimation::SetMode(int mode) {
    mode_ = mode;
    if (mode_ & HGEANIM_REV) {
        delta_ = -1;
        SetFrame(frames_ - 1);
    } else {
        delta_ = 1;
        SetFrame(0);
    }
}

void hgeAnimation::SetFrame(int n) {
    n %= frames_;
    if (n < 0) {
        n += frames_;
    }
    frame_ = n;

    // The first row holds the frames from the first frame's position to the
    // texture's right edge; later rows start at x = 0.
    float tx = originX_ + static_cast<float>(n) * width_;
    float ty = originY_;
    const int frameW = static_cast<int>(width_);
    const int textureW = static_cast<int>(texWidth_);
    if (quad_.tex != 0 && frameW > 0 && textureW >= frameW) {
        int firstRow = (textureW - static_cast<int>(originX_)) / frameW;
        if (firstRow < 1) {
            firstRow = 1;
        }
        if (n >= firstRow) {
            const int cols = textureW / frameW;
            const int k = n - firstRow;
            tx = static_cast<float>(frameW * (k % cols));
            ty = originY_ + height_ * static_cast<float>(1 + k / cols);
        }
    }
    SetTextureRect(tx, ty, width_, height_, false);
}

void hgeAnimation::SetFrames(int n) {
    frames_ = n < 1 ? 1 : n;
    if (frame_ >= frames_) {
        SetFrame(frame_);
    }
}
