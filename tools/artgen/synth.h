// Building blocks of the sound generator: oscillators, envelopes, filters,
// seeded noise, a looping stereo mix and the WAV and Ogg writers. Everything
// is computed in doubles from fixed inputs, so every run writes the same
// samples.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

constexpr int kSampleRate = 44100;

// Mono samples, nominally within -1..1.
using Signal = std::vector<double>;

inline int Frames(double seconds) {
    return static_cast<int>(seconds * kSampleRate + 0.5);
}
inline double Seconds(int frame) {
    return static_cast<double>(frame) / kSampleRate;
}

// Renders seconds of sound from a function of the time in seconds, called
// once per sample in order.
template <typename Voice>
Signal Render(double seconds, Voice voice) {
    Signal out(Frames(seconds));
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = voice(Seconds(static_cast<int>(i)));
    }
    return out;
}

// Frequency of a MIDI note number (69 = A4 = 440 Hz).
double NoteHz(double note);
// "C4", "F#5", "Bb3" as a MIDI note number; -1 when the name is not a note.
int ParseNote(const std::string& name);

// White noise from a fixed seed (xorshift64*), uniform in -1..1.
class Noise {
public:
    explicit Noise(std::uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
    double Next();
    // Uniform in lo..hi.
    double Range(double lo, double hi) { return lo + (hi - lo) * (Next() + 1) / 2; }

private:
    std::uint64_t state_;
};

// A phase accumulator: call with the current frequency every sample, so
// sweeps and vibrato stay continuous.
class Phase {
public:
    // Advances by one sample and returns the phase before the step, in turns.
    double Step(double hz);

private:
    double turns_ = 0;
};

double Sine(double turns);
// Phase modulation: a sine carrier whose phase the modulator's sine moves by
// up to index radians.
double Fm(double carrierTurns, double modulatorTurns, double index);
// Triangle wave of the same phase convention, -1..1.
double Triangle(double turns);

// 0 → 1 linearly over attack seconds, then exp(-(t - attack) / tau).
double Pluck(double t, double attack, double tau);
// A held note: linear attack, full level while held, then a linear release
// that reaches 0 at hold + release; 0 outside.
double Hold(double t, double attack, double hold, double release);

// One-pole low-pass filter.
class LowPass {
public:
    double Process(double x, double cutoffHz);

private:
    double y_ = 0;
};

// A two-pole state-variable filter (trapezoidal form), stable at any cutoff
// below Nyquist.
class Svf {
public:
    struct Out {
        double low, band, high;
    };
    Out Process(double x, double cutoffHz, double q);

private:
    double ic1_ = 0, ic2_ = 0;
};

// Clean-up for a finished effect: a gentle high-pass at 20 Hz, the mean
// removed, short fades at both ends, and the peak scaled to the given level.
void Finish(Signal& signal, double peak, double fadeInSeconds, double fadeOutSeconds);
double Peak(const Signal& signal);

// A stereo mix whose end joins its beginning: whatever sounds past the end
// wraps round to the start, so the mix loops without a seam.
class LoopMix {
public:
    explicit LoopMix(int frames) : left_(frames, 0.0), right_(frames, 0.0) {}
    int frames() const { return static_cast<int>(left_.size()); }
    // Adds a mono voice from frame start on, panned -1 (left) .. 1 (right).
    void Add(int start, const Signal& voice, double gain, double pan);
    // Dips to silence at the seam: fades out over the last fadeOut seconds
    // and in over the first fadeIn seconds, so the file starts from silence
    // and every loop joins silence to silence.
    void QuietSeam(double fadeOutSeconds, double fadeInSeconds);
    // Scales both channels so the louder peak is the given level.
    void Normalise(double peak);
    const Signal& left() const { return left_; }
    const Signal& right() const { return right_; }

private:
    Signal left_, right_;
};

// Writers; a file that cannot be written ends the generator with a message.
void WriteWav(const std::string& path, const Signal& mono);
void WriteOgg(const std::string& path, const Signal& left, const Signal& right, double quality);

}  // namespace artgen
