// Frame time: this frame's delta, the summed time, and a frames-per-second
// estimate refreshed about once a second.
#pragma once

struct FrameTimer {
    float delta = 0;
    float time = 0;
    int fps = 0;
    int framesCounted = 0;
    float countedTime = 0;

    void Advance(float dt) {
        delta = dt;
        time += dt;
        ++framesCounted;
        countedTime += dt;
        if (fps == 0 && dt > 0) {
            fps = static_cast<int>(1.0f / dt + 0.5f);
        }
        if (countedTime >= 1.0f) {
            fps = static_cast<int>(static_cast<float>(framesCounted) / countedTime + 0.5f);
            framesCounted = 0;
            countedTime = 0;
        }
    }
};
