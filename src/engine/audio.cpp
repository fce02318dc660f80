#include "engine/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

constexpr int kFrequency = 44100;
constexpr int kOutputChannels = 2;
constexpr int kChunkFrames = 1024;
constexpr int kFirstMixChannels = 16;

int ToMixerVolume(float volume) {
    return static_cast<int>(std::clamp(volume, 0.0f, 1.0f) * MIX_MAX_VOLUME + 0.5f);
}

float FromMixerVolume(int volume) {
    return static_cast<float>(volume) / MIX_MAX_VOLUME;
}

}  // namespace

class AudioDevice {
public:
    AudioDevice(int frequency, int frameBytes) : frequency_(frequency), frameBytes_(frameBytes) {}

    ~AudioDevice() {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    int frequency() const { return frequency_; }
    int frameBytes() const { return frameBytes_; }

    // A mixer channel for one whole-loaded sound alone.
    int ReserveChannel() {
        auto it = std::find(channelInUse_.begin(), channelInUse_.end(), false);
        int channel = static_cast<int>(it - channelInUse_.begin());
        if (it == channelInUse_.end()) {
            channelInUse_.push_back(true);
            int allocated = Mix_AllocateChannels(-1);
            if (channel >= allocated) {
                Mix_AllocateChannels(std::max(kFirstMixChannels, allocated * 2));
            }
        } else {
            *it = true;
        }
        Mix_Volume(channel, MIX_MAX_VOLUME);
        return channel;
    }

    void FreeChannel(int channel) { channelInUse_[channel] = false; }

    // SDL_mixer plays one music at a time; this is the stream that last
    // started it.
    const AudioStream* musicOwner = nullptr;

private:
    int frequency_;
    int frameBytes_;
    std::vector<bool> channelInUse_;
};

class SampleSource {
public:
    explicit SampleSource(SDL_RWops* rw) : rw_(rw) {}
    ~SampleSource() { SDL_RWclose(rw_); }
    SampleSource(const SampleSource&) = delete;
    SampleSource& operator=(const SampleSource&) = delete;

    // The file from its first byte.
    SDL_RWops* Rewound() {
        SDL_RWseek(rw_, 0, RW_SEEK_SET);
        return rw_;
    }

private:
    SDL_RWops* rw_;
};

namespace {

// A sound decoded whole into memory, played on its own mixer channel.
class WholeStream final : public AudioStream {
public:
    WholeStream(std::shared_ptr<AudioDevice> device, Mix_Chunk* chunk)
        : device_(std::move(device)), chunk_(chunk), channel_(device_->ReserveChannel()) {
        lengthFrames_ = static_cast<long long>(chunk_->alen) / device_->frameBytes();
        counter_.frameBytes = device_->frameBytes();
    }

    ~WholeStream() override {
        Mix_HaltChannel(channel_);
        Mix_UnregisterAllEffects(channel_);
        Mix_FreeChunk(chunk_);
        device_->FreeChannel(channel_);
    }

    void play() override {
        if (Mix_Playing(channel_)) {
            if (Mix_Paused(channel_)) {
                Mix_Resume(channel_);
            }
            return;
        }
        Start();
    }

    // SDL_mixer cannot start a chunk part-way, so stopping is pausing.
    void stop() override {
        if (Mix_Playing(channel_)) {
            Mix_Pause(channel_);
        }
    }

    bool isPlaying() const override { return Mix_Playing(channel_) && !Mix_Paused(channel_); }

    void setRepeat(bool repeat) override { repeat_ = repeat; }
    bool getRepeat() const override { return repeat_; }

    void setVolume(float volume) override { Mix_Volume(channel_, ToMixerVolume(volume)); }
    float getVolume() const override { return FromMixerVolume(Mix_Volume(channel_, -1)); }

    void setPosition(int) override {
        bool wasPlaying = isPlaying();
        Mix_HaltChannel(channel_);
        counter_.frames = 0;
        if (wasPlaying) {
            Start();
        }
    }

    int getPosition() const override {
        long long frames = counter_.frames;
        if (lengthFrames_ == 0) {
            return 0;
        }
        if (startedRepeating_) {
            return static_cast<int>(frames % lengthFrames_);
        }
        return static_cast<int>(std::min(frames, lengthFrames_));
    }

private:
    // Counts the frames the mixer has taken from the chunk; SDL_mixer reports
    // no play position of its own.
    struct FrameCounter {
        std::atomic<long long> frames{0};
        int frameBytes = 4;
    };

    static void CountFrames(int, void*, int length, void* data) {
        auto* counter = static_cast<FrameCounter*>(data);
        counter->frames += length / counter->frameBytes;
    }

    void Start() {
        Mix_HaltChannel(channel_);
        Mix_UnregisterAllEffects(channel_);
        counter_.frames = 0;
        startedRepeating_ = repeat_;
        Mix_RegisterEffect(channel_, CountFrames, nullptr, &counter_);
        if (Mix_PlayChannel(channel_, chunk_, repeat_ ? -1 : 0) < 0) {
            Mix_UnregisterAllEffects(channel_);
        }
    }

    std::shared_ptr<AudioDevice> device_;
    Mix_Chunk* chunk_;
    int channel_;
    long long lengthFrames_ = 0;
    bool repeat_ = false;
    bool startedRepeating_ = false;  // the repeat flag of the current play
    FrameCounter counter_;
};

// A sound decoded from its source while it plays, as SDL_mixer's music.
class StreamedStream final : public AudioStream {
public:
    StreamedStream(std::shared_ptr<AudioDevice> device, std::shared_ptr<SampleSource> source,
                   Mix_Music* music)
        : device_(std::move(device)), source_(std::move(source)), music_(music) {}

    ~StreamedStream() override {
        if (device_->musicOwner == this) {
            Mix_HaltMusic();
            device_->musicOwner = nullptr;
        }
        Mix_FreeMusic(music_);
    }

    void play() override {
        if (IsCurrent()) {
            if (Mix_PausedMusic()) {
                Mix_ResumeMusic();
            }
            return;
        }
        Mix_VolumeMusic(ToMixerVolume(volume_));
        double seconds = static_cast<double>(startFrame_) / device_->frequency();
        if (Mix_FadeInMusicPos(music_, repeat_ ? -1 : 1, 0, seconds) == 0) {
            device_->musicOwner = this;
            startFrame_ = 0;
        }
    }

    void stop() override {
        if (IsCurrent() && !Mix_PausedMusic()) {
            Mix_PauseMusic();
        }
    }

    bool isPlaying() const override { return IsCurrent() && !Mix_PausedMusic(); }

    void setRepeat(bool repeat) override { repeat_ = repeat; }
    bool getRepeat() const override { return repeat_; }

    void setVolume(float volume) override {
        volume_ = std::clamp(volume, 0.0f, 1.0f);
        if (device_->musicOwner == this) {
            Mix_VolumeMusic(ToMixerVolume(volume_));
        }
    }

    float getVolume() const override {
        if (device_->musicOwner == this) {
            return FromMixerVolume(Mix_VolumeMusic(-1));
        }
        return FromMixerVolume(ToMixerVolume(volume_));
    }

    void setPosition(int position) override {
        position = std::max(position, 0);
        if (!IsCurrent()) {
            startFrame_ = position;
            return;
        }
        if (Mix_SetMusicPosition(static_cast<double>(position) / device_->frequency()) == 0) {
            return;
        }
        // The decoder cannot seek: start it over from there.
        bool paused = Mix_PausedMusic();
        Mix_HaltMusic();
        startFrame_ = position;
        if (!paused) {
            play();
        }
    }

    int getPosition() const override {
        if (!IsCurrent()) {
            return startFrame_;
        }
        double seconds = Mix_GetMusicPosition(music_);
        if (seconds < 0) {
            return 0;
        }
        return static_cast<int>(seconds * device_->frequency() + 0.5);
    }

private:
    // Whether this stream's music is loaded in the mixer, playing or paused.
    bool IsCurrent() const { return device_->musicOwner == this && Mix_PlayingMusic(); }

    std::shared_ptr<AudioDevice> device_;
    std::shared_ptr<SampleSource> source_;  // the music reads it while playing
    Mix_Music* music_;
    bool repeat_ = false;
    float volume_ = 1.0f;
    int startFrame_ = 0;
};

// The open device, shared by everyone who asks while it lives.
std::weak_ptr<AudioDevice>& OpenDevice() {
    static std::weak_ptr<AudioDevice> device;
    return device;
}

}  // namespace

std::shared_ptr<AudioDevice> AdrOpenDevice() {
    if (auto device = OpenDevice().lock()) {
        return device;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "audio: cannot open the audio device: %s\n", SDL_GetError());
        return nullptr;
    }
    Mix_Init(MIX_INIT_OGG);
    if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, kOutputChannels, kChunkFrames) != 0) {
        std::fprintf(stderr, "audio: cannot open the audio device: %s\n", Mix_GetError());
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    int frequency = kFrequency, channels = kOutputChannels;
    Uint16 format = AUDIO_S16SYS;
    Mix_QuerySpec(&frequency, &format, &channels);
    int frameBytes = std::max(1, static_cast<int>(SDL_AUDIO_BITSIZE(format)) / 8 * channels);
    Mix_AllocateChannels(kFirstMixChannels);
    auto device = std::make_shared<AudioDevice>(frequency, frameBytes);
    OpenDevice() = device;
    return device;
}

std::shared_ptr<SampleSource> AdrOpenSampleSource(const std::string& path) {
    SDL_RWops* rw = SDL_RWFromFile(path.c_str(), "rb");
    if (!rw) {
        return nullptr;
    }
    return std::make_shared<SampleSource>(rw);
}

std::shared_ptr<AudioStream> AdrOpenSound(const std::shared_ptr<AudioDevice>& device,
                                          const std::shared_ptr<SampleSource>& source,
                                          bool streaming) {
    if (!device || !source) {
        return nullptr;
    }
    if (streaming) {
        Mix_Music* music = Mix_LoadMUS_RW(source->Rewound(), 0);
        if (!music) {
            return nullptr;
        }
        return std::make_shared<StreamedStream>(device, source, music);
    }
    Mix_Chunk* chunk = Mix_LoadWAV_RW(source->Rewound(), 0);
    if (!chunk) {
        return nullptr;
    }
    return std::make_shared<WholeStream>(device, chunk);
}

int AdrPlayingEffectCount(const std::shared_ptr<AudioDevice>& device) {
    if (!device) {
        return 0;
    }
    int count = 0;
    for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel) {
        if (Mix_Playing(channel) && !Mix_Paused(channel)) {
            ++count;
        }
    }
    return count;
}
