// A silent audio stream that counts how often it was started and rewound,
// for checking which sounds the game plays without an audio device.
#pragma once

#include "app/sound.h"
#include "engine/audio.h"

#include <memory>

class CountingStream : public AudioStream {
public:
    void play() override {
        ++plays;
        playing = true;
    }
    void stop() override { playing = false; }
    bool isPlaying() const override { return playing; }
    void setRepeat(bool value) override { repeat = value; }
    bool getRepeat() const override { return repeat; }
    void setVolume(float value) override { volume = value; }
    float getVolume() const override { return volume; }
    void setPosition(int value) override {
        position = value;
        if (value == 0) {
            ++rewinds;
        }
    }
    int getPosition() const override { return position; }

    int plays = 0;
    int rewinds = 0;
    bool playing = false;
    bool repeat = false;
    float volume = 1.0f;
    int position = 0;
};

// Puts a counting stream into one slot and hands it back.
inline CountingStream& CountSound(Sounds& sounds, SoundId id) {
    auto stream = std::make_shared<CountingStream>();
    CountingStream& counter = *stream;
    sounds.slots[id].stream = std::move(stream);
    return counter;
}
