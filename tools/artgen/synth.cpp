#include "artgen/synth.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace artgen {

double NoteHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

int ParseNote(const std::string& name) {
    static const int kSteps[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') {
        return -1;
    }
    int note = kSteps[name[0] - 'A'];
    std::size_t i = 1;
    if (name[i] == '#') {
        ++note;
        ++i;
    } else if (name[i] == 'b') {
        --note;
        ++i;
    }
    if (i + 1 != name.size() || name[i] < '0' || name[i] > '9') {
        return -1;
    }
    return note + 12 * (name[i] - '0' + 1);
}

double Noise::Next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    std::uint64_t value = state_ * 0x2545F4914F6CDD1Dull;
    return static_cast<double>(value >> 11) / static_cast<double>(1ull << 52) - 1.0;
}

double Phase::Step(double hz) {
    double now = turns_;
    turns_ += hz / kSampleRate;
    turns_ -= std::floor(turns_);
    return now;
}

double Sine(double turns) {
    return std::sin(2 * M_PI * turns);
}

double Fm(double carrierTurns, double modulatorTurns, double index) {
    return Sine(carrierTurns + index * Sine(modulatorTurns) / (2 * M_PI));
}

double Triangle(double turns) {
    double t = turns - std::floor(turns);
    return t < 0.25 ? 4 * t : (t < 0.75 ? 2 - 4 * t : 4 * t - 4);
}

double Pluck(double t, double attack, double tau) {
    if (t < 0) {
        return 0;
    }
    if (t < attack) {
        return t / attack;
    }
    return std::exp(-(t - attack) / tau);
}

double Hold(double t, double attack, double hold, double release) {
    if (t < 0 || t >= hold + release) {
        return 0;
    }
    double level = t < attack ? t / attack : 1.0;
    if (t > hold) {
        level *= 1.0 - (t - hold) / release;
    }
    return level;
}

double LowPass::Process(double x, double cutoffHz) {
    double a = 1.0 - std::exp(-2 * M_PI * cutoffHz / kSampleRate);
    y_ += a * (x - y_);
    return y_;
}

Svf::Out Svf::Process(double x, double cutoffHz, double q) {
    double g = std::tan(M_PI * std::min(cutoffHz, kSampleRate * 0.45) / kSampleRate);
    double k = 1.0 / q;
    double a1 = 1.0 / (1.0 + g * (g + k));
    double a2 = g * a1;
    double a3 = g * a2;
    double v3 = x - ic2_;
    double v1 = a1 * ic1_ + a2 * v3;
    double v2 = ic2_ + a2 * ic1_ + a3 * v3;
    ic1_ = 2 * v1 - ic1_;
    ic2_ = 2 * v2 - ic2_;
    return {v2, v1, x - k * v1 - v2};
}

double Peak(const Signal& signal) {
    double peak = 0;
    for (double s : signal) {
        peak = std::max(peak, std::abs(s));
    }
    return peak;
}

void Finish(Signal& signal, double peak, double fadeInSeconds, double fadeOutSeconds) {
    if (signal.empty()) {
        return;
    }
    // High-pass: the signal less its own 20 Hz low-pass.
    LowPass dc;
    for (double& s : signal) {
        s -= dc.Process(s, 20.0);
    }
    double mean = 0;
    for (double s : signal) {
        mean += s;
    }
    mean /= static_cast<double>(signal.size());
    for (double& s : signal) {
        s -= mean;
    }
    int fadeIn = std::max(1, Frames(fadeInSeconds));
    int fadeOut = std::max(1, Frames(fadeOutSeconds));
    int n = static_cast<int>(signal.size());
    for (int i = 0; i < n; ++i) {
        double gain = 1.0;
        if (i < fadeIn) {
            gain *= static_cast<double>(i) / fadeIn;
        }
        if (n - 1 - i < fadeOut) {
            gain *= static_cast<double>(n - 1 - i) / fadeOut;
        }
        signal[i] *= gain;
    }
    double current = Peak(signal);
    if (current > 0) {
        for (double& s : signal) {
            s *= peak / current;
        }
    }
}

void LoopMix::Add(int start, const Signal& voice, double gain, double pan) {
    double angle = (std::clamp(pan, -1.0, 1.0) + 1) * M_PI / 4;  // equal-power panning
    double leftGain = gain * std::cos(angle) * M_SQRT2;
    double rightGain = gain * std::sin(angle) * M_SQRT2;
    int n = frames();
    int at = ((start % n) + n) % n;
    for (double s : voice) {
        left_[at] += s * leftGain;
        right_[at] += s * rightGain;
        if (++at == n) {
            at = 0;
        }
    }
}

void LoopMix::QuietSeam(double fadeOutSeconds, double fadeInSeconds) {
    int n = frames();
    int fadeOut = std::min(n, std::max(1, Frames(fadeOutSeconds)));
    int fadeIn = std::min(n, std::max(1, Frames(fadeInSeconds)));
    for (int i = 0; i < fadeIn; ++i) {
        double gain = static_cast<double>(i) / fadeIn;
        left_[i] *= gain;
        right_[i] *= gain;
    }
    for (int i = 0; i < fadeOut; ++i) {
        double gain = static_cast<double>(i) / fadeOut;
        left_[n - 1 - i] *= gain;
        right_[n - 1 - i] *= gain;
    }
}

void LoopMix::Normalise(double peak) {
    double current = std::max(Peak(left_), Peak(right_));
    if (current <= 0) {
        return;
    }
    for (double& s : left_) {
        s *= peak / current;
    }
    for (double& s : right_) {
        s *= peak / current;
    }
}

namespace {

SNDFILE* OpenForWriting(const std::string& path, int format, int channels) {
    SF_INFO info{};
    info.samplerate = kSampleRate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) {
        std::fprintf(stderr, "artgen: cannot write %s: %s\n", path.c_str(), sf_strerror(nullptr));
        std::exit(1);
    }
    return file;
}

void Close(SNDFILE* file, const std::string& path, sf_count_t written, sf_count_t wanted) {
    if (written != wanted) {
        std::fprintf(stderr, "artgen: cannot write %s: %s\n", path.c_str(), sf_strerror(file));
        std::exit(1);
    }
    sf_close(file);
}

}  // namespace

void WriteWav(const std::string& path, const Signal& mono) {
    // Rounded to 16 bits here, so the file does not depend on the library's
    // own conversion.
    std::vector<short> samples(mono.size());
    for (std::size_t i = 0; i < mono.size(); ++i) {
        samples[i] = static_cast<short>(std::lround(std::clamp(mono[i], -1.0, 1.0) * 32767));
    }
    SNDFILE* file = OpenForWriting(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1);
    auto wanted = static_cast<sf_count_t>(samples.size());
    Close(file, path, sf_write_short(file, samples.data(), wanted), wanted);
}

void WriteOgg(const std::string& path, const Signal& left, const Signal& right, double quality) {
    std::vector<float> interleaved(left.size() * 2);
    for (std::size_t i = 0; i < left.size(); ++i) {
        interleaved[2 * i] = static_cast<float>(left[i]);
        interleaved[2 * i + 1] = static_cast<float>(right[i]);
    }
    SNDFILE* file = OpenForWriting(path, SF_FORMAT_OGG | SF_FORMAT_VORBIS, 2);
    sf_command(file, SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof(quality));
    auto wanted = static_cast<sf_count_t>(left.size());
    Close(file, path, sf_writef_float(file, interleaved.data(), wanted), wanted);
}

}  // namespace artgen
