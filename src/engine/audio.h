// The audio layer: one output device, sample sources read from files, and
// output streams that play them. Every handle is reference counted; a stream
// keeps its device alive, so the device is closed after the last stream.
#pragma once

#include <memory>
#include <string>

// The process's audio output. Opaque: the game only hands it to AdrOpenSound.
class AudioDevice;
// A sound file opened for reading; its format is found from its content.
class SampleSource;

// One sound ready to play on the device: either streamed from its source
// while it plays (music) or decoded whole into memory (effects, each on a
// channel of its own, so the same effect never sounds twice at once).
class AudioStream {
public:
    virtual ~AudioStream() = default;

    // Starts the sound, or continues it from where stop() left it. Does
    // nothing while it is already playing.
    virtual void play() = 0;
    // Silences the sound without rewinding it.
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
    // Whether the sound starts over when it reaches its end. Takes effect
    // the next time the sound starts from its beginning.
    virtual void setRepeat(bool repeat) = 0;
    virtual bool getRepeat() const = 0;
    // 0.0 (silent) to 1.0 (full); values outside are clamped.
    virtual void setVolume(float volume) = 0;
    // The volume the mixer really applies, in its own steps of 1/128.
    virtual float getVolume() const = 0;
    // Moves to a sample frame; a playing sound plays on from there, a stopped
    // one starts there. Whole-loaded sounds can only be rewound: any
    // position sends them back to their beginning.
    virtual void setPosition(int position) = 0;
    // The sample frame the sound has reached.
    virtual int getPosition() const = 0;
};

// Opens the default output device, or hands out the one already open (there
// is one output per process). On failure writes one line to stderr and
// returns null; every sound opened on a null device is null too.
std::shared_ptr<AudioDevice> AdrOpenDevice();

// Opens a sound file; null when it cannot be read.
std::shared_ptr<SampleSource> AdrOpenSampleSource(const std::string& path);

// Opens a sound on the device from a source: streamed while it plays, or
// decoded whole. Null when the device or the source is null or the content
// cannot be decoded. A streamed sound keeps reading its source, so one
// source feeds one streamed sound.
std::shared_ptr<AudioStream> AdrOpenSound(const std::shared_ptr<AudioDevice>& device,
                                          const std::shared_ptr<SampleSource>& source,
                                          bool streaming);

// How many whole-loaded sounds are sounding on the device right now.
int AdrPlayingEffectCount(const std::shared_ptr<AudioDevice>& device);
