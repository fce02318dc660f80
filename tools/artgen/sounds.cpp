// The nine effects, synthesised sample by sample, and the menu tune; all
// written into the game's sound folder.
#include <cmath>

#include "artgen/artgen.h"
#include "artgen/synth.h"
#include "artgen/synth_tune.h"

namespace artgen {

namespace {

// A deep boom: a falling sine thump over a burst of darkening noise and a
// low rumble, softly saturated.
Signal Bomb() {
    Noise noise(0xB0B);
    Phase body;
    LowPass burst, rumble, rumble2;
    Signal out = Render(1.3, [&](double t) {
        double thump = Sine(body.Step(42 + 120 * std::exp(-t / 0.07))) * Pluck(t, 0.002, 0.42);
        double n = noise.Next();
        double crack = burst.Process(n, 180 + 3200 * std::exp(-t / 0.09)) * Pluck(t, 0.001, 0.2);
        double low = rumble2.Process(rumble.Process(n, 140), 140) * 4 * Pluck(t, 0.02, 0.55);
        double mix = thump + 0.9 * crack + 0.8 * low;
        return std::tanh(1.6 * mix);
    });
    Finish(out, 0.9, 0.002, 0.2);
    return out;
}

// A bright pop followed by a spray of high pentatonic sparkles.
Signal Remove() {
    struct Sparkle {
        double at, note, gain;
    };
    const Sparkle sparkles[] = {{0.035, 96, 0.55}, {0.07, 100, 0.45}, {0.105, 103, 0.4},
                                {0.15, 98, 0.3},   {0.2, 105, 0.22},  {0.26, 101, 0.14}};
    Phase pop;
    Phase tones[6];
    Signal out = Render(0.42, [&](double t) {
        double sum =
            Sine(pop.Step(520 + 1100 * (1 - std::exp(-t / 0.015)))) * Pluck(t, 0.001, 0.03);
        for (int i = 0; i < 6; ++i) {
            double dt = t - sparkles[i].at;
            double hz = NoteHz(sparkles[i].note);
            double turns = tones[i].Step(hz);
            double ping = Sine(turns) + 0.25 * Sine(2 * turns);
            sum += sparkles[i].gain * ping * Pluck(dt, 0.002, 0.045);
        }
        return sum;
    });
    Finish(out, 0.7, 0.002, 0.03);
    return out;
}

// A soft, short click: a damped tone with a breath of filtered noise.
Signal Button() {
    Noise noise(0xC11C);
    Phase tone;
    Svf band;
    Signal out = Render(0.08, [&](double t) {
        double turns = tone.Step(1250);
        double body = (Sine(turns) + 0.3 * Sine(2 * turns)) * Pluck(t, 0.0015, 0.012);
        double tick = band.Process(noise.Next(), 3000, 1.2).band * Pluck(t, 0.0005, 0.004);
        return body + 0.6 * tick;
    });
    Finish(out, 0.45, 0.001, 0.02);
    return out;
}

// A dull knock: a low wooden thud with a muffled attack.
Signal Hit() {
    Noise noise(0x417);
    Phase low, high;
    LowPass muffle;
    Signal out = Render(0.18, [&](double t) {
        double hz = 140 + 90 * std::exp(-t / 0.012);
        double thud = Sine(low.Step(hz)) * Pluck(t, 0.001, 0.035);
        double wood = Sine(high.Step(hz * 2.7)) * Pluck(t, 0.001, 0.012);
        double knock = muffle.Process(noise.Next(), 900) * Pluck(t, 0.0005, 0.008);
        return thud + 0.35 * wood + 1.5 * knock;
    });
    Finish(out, 0.6, 0.001, 0.04);
    return out;
}

// A "pew": a falling FM chirp over a short whoosh of swept noise.
Signal Shoot() {
    Noise noise(0x5400);
    Phase carrier, modulator;
    Svf whoosh;
    Signal out = Render(0.28, [&](double t) {
        double hz = 320 + 1500 * std::exp(-t / 0.06);
        double index = 1.2 * std::exp(-t / 0.1);
        double pew = Fm(carrier.Step(hz), modulator.Step(hz * 0.5), index);
        double swish = whoosh.Process(noise.Next(), 700 + 3600 * std::exp(-t / 0.07), 1.5).band;
        return pew * Pluck(t, 0.003, 0.08) + 0.7 * swish * Pluck(t, 0.02, 0.07);
    });
    Finish(out, 0.6, 0.002, 0.04);
    return out;
}

// A brass-like FM note: the brightness swells in and settles.
double Brass(Phase& carrier, Phase& modulator, double hz, double t) {
    double index = t < 0.03 ? 2.6 * t / 0.03 : 1.4 + 1.2 * std::exp(-(t - 0.03) / 0.1);
    double vibrato = 1 + 0.004 * std::sin(2 * M_PI * 5.5 * t) * std::min(1.0, t / 0.4);
    return Fm(carrier.Step(hz * vibrato), modulator.Step(hz * vibrato), index);
}

// A rising fanfare: C, E, G and the high C, each held on into a major
// chord, topped with a sparkle.
Signal Pass() {
    const double starts[] = {0.0, 0.11, 0.22, 0.33};
    const int notes[] = {72, 76, 79, 84};
    Phase carriers[4], modulators[4], sparkle;
    double length = 1.4;
    Signal out = Render(length, [&](double t) {
        double sum = 0;
        for (int i = 0; i < 4; ++i) {
            double dt = t - starts[i];
            if (dt < 0) {
                continue;
            }
            double level = (i == 3 ? 1.0 : 0.55) * Hold(dt, 0.015, length - 0.35 - starts[i], 0.3);
            if (i < 3) {
                level *= 0.55 + 0.45 * std::exp(-dt / 0.12);  // earlier notes step back
            }
            sum += level * Brass(carriers[i], modulators[i], NoteHz(notes[i]), dt);
        }
        double shine = Sine(sparkle.Step(NoteHz(108))) * Pluck(t - 0.33, 0.003, 0.18);
        return sum + 0.25 * shine;
    });
    Finish(out, 0.8, 0.002, 0.08);
    return out;
}

// A falling sad phrase: three short steps down and a long drooping note,
// in a soft muted tone.
Signal Fail() {
    struct Step {
        double at, length, note;
    };
    const Step steps[] = {{0.0, 0.26, 67}, {0.3, 0.26, 66}, {0.6, 0.26, 65}, {0.9, 0.5, 64}};
    Phase tones[4];
    LowPass mute;
    Signal out = Render(1.5, [&](double t) {
        double sum = 0;
        for (int i = 0; i < 4; ++i) {
            double dt = t - steps[i].at;
            if (dt < 0) {
                continue;
            }
            double note = steps[i].note;
            double wobble = 0;
            if (i == 3) {
                note -= 0.8 * std::min(1.0, dt / 0.55);  // the last note sags
                wobble = 0.25 * std::sin(2 * M_PI * 5.0 * dt) * std::min(1.0, dt / 0.3);
            }
            double turns = tones[i].Step(NoteHz(note + wobble));
            double tone = Triangle(turns) + 0.2 * Sine(2 * turns);
            double swell = 0.7 + 0.3 * std::sin(M_PI * std::min(1.0, dt / steps[i].length));
            sum += tone * swell * Hold(dt, 0.02, steps[i].length, i == 3 ? 0.1 : 0.05);
        }
        return mute.Process(sum, 1800);
    });
    Finish(out, 0.6, 0.002, 0.08);
    return out;
}

// A bell: FM at an inharmonic ratio, the brightness dying faster than the
// tone.
double Bell(Phase& carrier, Phase& modulator, double hz, double t) {
    double index = 2.0 * std::exp(-t / 0.12);
    return Fm(carrier.Step(hz), modulator.Step(hz * 3.5), index) * Pluck(t, 0.002, 0.22);
}

// "Get ready": two rising bell strokes, G then the high C.
Signal Ready() {
    Phase carriers[2], modulators[2];
    Signal out = Render(0.8, [&](double t) {
        double first = t >= 0 ? Bell(carriers[0], modulators[0], NoteHz(79), t) : 0;
        double second = t >= 0.16 ? Bell(carriers[1], modulators[1], NoteHz(84), t - 0.16) : 0;
        return 0.8 * first + second;
    });
    Finish(out, 0.7, 0.002, 0.1);
    return out;
}

// Bubbling: rising "bloop" chirps at seeded times over a wobbling low tone.
Signal Infection() {
    struct Bubble {
        double at, hz, length, gain;
    };
    Noise noise(0x1F3C7);
    std::vector<Bubble> bubbles;
    double at = 0.0;
    while (at < 0.62) {
        bubbles.push_back(
            {at, noise.Range(280, 650), noise.Range(0.045, 0.075), noise.Range(0.6, 1.0)});
        at += noise.Range(0.045, 0.09);
    }
    std::vector<Phase> phases(bubbles.size());
    Phase drone;
    Signal out = Render(0.8, [&](double t) {
        double wobble = 1 + 0.06 * std::sin(2 * M_PI * 7 * t);
        double sum = 0;
        for (std::size_t i = 0; i < bubbles.size(); ++i) {
            double dt = t - bubbles[i].at;
            if (dt < 0 || dt > bubbles[i].length) {
                continue;
            }
            double rise = 1 + 1.8 * dt / bubbles[i].length;
            double shape = std::sin(M_PI * dt / bubbles[i].length);
            sum += bubbles[i].gain * shape * shape *
                   Sine(phases[i].Step(bubbles[i].hz * rise * wobble));
        }
        double tremolo = 0.5 + 0.5 * std::sin(2 * M_PI * 8 * t);
        double low = Triangle(drone.Step(130 * wobble)) * tremolo * Hold(t, 0.05, 0.6, 0.2);
        return sum + 0.3 * low;
    });
    Finish(out, 0.7, 0.003, 0.06);
    return out;
}

}  // namespace

void SynthesiseSounds(const std::string& dir) {
    WriteWav(dir + "/bomb.wav", Bomb());
    WriteWav(dir + "/remove.wav", Remove());
    WriteWav(dir + "/button.wav", Button());
    WriteWav(dir + "/hit.wav", Hit());
    WriteWav(dir + "/shoot.wav", Shoot());
    WriteWav(dir + "/pass.wav", Pass());
    WriteWav(dir + "/fail.wav", Fail());
    WriteWav(dir + "/ready.wav", Ready());
    WriteWav(dir + "/infection.wav", Infection());
    LoopMix tune = MenuTune();
    WriteOgg(dir + "/startmenu.ogg", tune.left(), tune.right(), 0.5);
}

}  // namespace artgen
