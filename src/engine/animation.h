// A frame animation: frames of equal size laid out left to right in a
// texture, starting at the first frame's rectangle and wrapping to the next
// row at the texture's right edge.
#pragma once

#include "engine/sprite.h"

enum : int {
    HGEANIM_FWD = 0,
    HGEANIM_REV = 1,
    HGEANIM_PINGPONG = 2,
    HGEANIM_NOPINGPONG = 0,
    HGEANIM_LOOP = 4,
    HGEANIM_NOLOOP = 0,
};

class hgeAnimation : public hgeSprite {
public:
    hgeAnimation(HTEXTURE tex, int frames, float fps, float x, float y, float w, float h);
    hgeAnimation(const hgeAnimation& other) = default;
    hgeAnimation& operator=(const hgeAnimation& other) = default;

    // Starts from the first frame (the last one when reversed).
    void Play();
    void Stop() { playing_ = false; }
    void Resume() { playing_ = true; }
    // Advances by dt seconds. A non-looping animation stops on its last
    // frame once that frame's time is used up.
    void Update(float dt);
    bool IsPlaying() const { return playing_; }

    void SetMode(int mode);
    void SetSpeed(float fps) { fps_ = fps; }
    // Shows frame n (taken modulo the frame count).
    void SetFrame(int n);
    void SetFrames(int n);

    int GetMode() const { return mode_; }
    float GetSpeed() const { return fps_; }
    int GetFrame() const { return frame_; }
    int GetFrames() const { return frames_; }

private:
    float originX_ = 0, originY_ = 0;  // the first frame's texture position
    int frames_ = 1;
    float fps_ = 1;
    int mode_ = HGEANIM_FWD | HGEANIM_LOOP;
    int frame_ = 0;
    int delta_ = 1;  // current step direction (ping-pong flips it)
    float elapsed_ = 0;
    bool playing_ = false;
};
