#include "artgen/synth_tune.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace artgen {

namespace {

constexpr double kBeatSeconds = 0.5;
constexpr int kBeatsPerBar = 4;
constexpr int kBars = 16;

int BeatFrame(double beat) {
    return Frames(beat * kBeatSeconds);
}

struct Chord {
    const char* name;
    int bass;                // root of the bass line
    std::vector<int> tones;  // the off-beat chord, around middle C
};

const Chord kChords[] = {
    {"C", 36, {64, 67, 72}},      {"Am", 33, {64, 69, 72}}, {"F", 41, {65, 69, 72}},
    {"G", 43, {62, 67, 71}},      {"Dm", 38, {62, 65, 69}}, {"Em", 40, {64, 67, 71}},
    {"G7", 43, {62, 65, 67, 71}},
};

// One chord per bar. The last bar's G7 leads back to the first bar's C.
const char* const kProgression[kBars] = {"C", "Am", "F",  "G",  "C", "Am", "Dm", "G",
                                         "F", "G",  "Em", "Am", "F", "G",  "C",  "G7"};

// The lead, a bar per line: note:beats, "-" for a rest.
const char* const kMelody[kBars] = {
    "E5:1 G5:1 C6:1 G5:1",          "A5:1.5 G5:0.5 E5:1 C5:1",
    "F5:1 A5:1 C6:1 A5:0.5 G5:0.5", "G5:2 B4:1 D5:1",
    "E5:0.5 F5:0.5 G5:1 E5:1 C5:1", "A5:1 C6:1 B5:0.5 A5:0.5 E5:1",
    "F5:1 D5:1 A5:1.5 F5:0.5",      "G5:3 -:1",
    "A5:0.5 A5:0.5 C6:1 A5:1 F5:1", "B5:0.5 B5:0.5 D6:1 B5:1 G5:1",
    "G5:1 E5:1 B5:1.5 G5:0.5",      "C6:2 A5:1 E5:1",
    "F5:0.5 G5:0.5 A5:1 C6:1 A5:1", "B5:0.5 C6:0.5 D6:1 B5:1 G5:1",
    "C6:1 G5:1 E5:1 G5:1",          "G5:1 F5:1 D5:1 B4:1",
};

const Chord& FindChord(const std::string& name) {
    for (const Chord& chord : kChords) {
        if (name == chord.name) {
            return chord;
        }
    }
    std::fprintf(stderr, "artgen: the menu tune names an unknown chord %s\n", name.c_str());
    std::exit(1);
}

struct Note {
    double beat;    // from the start of the tune
    double length;  // beats
    int note;       // MIDI number, -1 for a rest
};

// The melody as notes; every bar must fill exactly four beats.
std::vector<Note> ParseMelody() {
    std::vector<Note> notes;
    for (int bar = 0; bar < kBars; ++bar) {
        std::istringstream in(kMelody[bar]);
        std::string token;
        double beat = 0;
        while (in >> token) {
            auto colon = token.find(':');
            std::string name = token.substr(0, colon);
            double length = colon == std::string::npos ? 0 : std::atof(token.c_str() + colon + 1);
            int note = name == "-" ? -1 : ParseNote(name);
            if (length <= 0 || (note < 0 && name != "-")) {
                std::fprintf(stderr, "artgen: bad note \"%s\" in bar %d of the menu tune\n",
                             token.c_str(), bar + 1);
                std::exit(1);
            }
            notes.push_back({bar * kBeatsPerBar + beat, length, note});
            beat += length;
        }
        if (std::abs(beat - kBeatsPerBar) > 1e-9) {
            std::fprintf(stderr, "artgen: bar %d of the menu tune holds %g beats\n", bar + 1, beat);
            std::exit(1);
        }
    }
    return notes;
}

// The lead: a round FM tone that is bright at the start of each note, with
// a touch of the octave and a late, gentle vibrato.
Signal Lead(int note, double held) {
    Phase carrier, modulator, octave;
    double hz = NoteHz(note);
    return Render(held + 0.15, [&](double t) {
        double vibrato =
            1 + 0.003 * std::sin(2 * M_PI * 5.5 * t) * std::clamp((t - 0.15) / 0.2, 0.0, 1.0);
        double index = 0.8 + 1.4 * std::exp(-t / 0.08);
        double tone = Fm(carrier.Step(hz * vibrato), modulator.Step(hz * vibrato), index) +
                      0.12 * Sine(octave.Step(2 * hz * vibrato));
        return tone * Hold(t, 0.006, held, 0.12) * (0.75 + 0.25 * std::exp(-t / 0.15));
    });
}

// A short plucked chord tone of four harmonics.
Signal Stab(int note) {
    Phase phase;
    double hz = NoteHz(note);
    return Render(0.22, [&](double t) {
        double turns = phase.Step(hz);
        double tone =
            Sine(turns) + 0.5 * Sine(2 * turns) + 0.25 * Sine(3 * turns) + 0.12 * Sine(4 * turns);
        return tone * Pluck(t, 0.003, 0.06) * Hold(t, 0, 0.17, 0.05);
    });
}

// A plucky bass: FM that darkens as it sounds, with a sine underneath.
Signal Bass(int note, double held) {
    Phase carrier, modulator, sub;
    LowPass soften;
    double hz = NoteHz(note);
    return Render(held + 0.06, [&](double t) {
        double index = 0.8 + 2.0 * std::exp(-t / 0.06);
        double tone = Fm(carrier.Step(hz), modulator.Step(hz), index) + 0.6 * Sine(sub.Step(hz));
        double level = Hold(t, 0.004, held, 0.05) * (0.6 + 0.4 * std::exp(-t / 0.12));
        return soften.Process(tone, 1200) * level;
    });
}

Signal Kick() {
    Noise noise(0x41C);
    Phase body;
    return Render(0.35, [&](double t) {
        double thump = Sine(body.Step(48 + 110 * std::exp(-t / 0.035))) * Pluck(t, 0.001, 0.13);
        return thump + 0.3 * noise.Next() * Pluck(t, 0.0003, 0.003);
    });
}

Signal Snare() {
    Noise noise(0x5A4E);
    Phase body;
    Svf band;
    return Render(0.25, [&](double t) {
        double tone = Sine(body.Step(185 + 40 * std::exp(-t / 0.02))) * Pluck(t, 0.001, 0.04);
        double rattle = band.Process(noise.Next(), 2600, 0.7).band * Pluck(t, 0.001, 0.07);
        return 0.5 * tone + 1.6 * rattle;
    });
}

Signal Hat(double tau, double seconds) {
    Noise noise(0x4A7);
    Svf high;
    return Render(seconds, [&](double t) {
        return high.Process(noise.Next(), 8000, 0.7).high * Pluck(t, 0.0005, tau);
    });
}

}  // namespace

LoopMix MenuTune() {
    LoopMix mix(BeatFrame(kBars * kBeatsPerBar));

    // Lead, with a dotted-eighth echo bouncing left and right; doubled an
    // octave down in the second half.
    for (const Note& note : ParseMelody()) {
        if (note.note < 0) {
            continue;
        }
        Signal lead = Lead(note.note, note.length * kBeatSeconds * 0.92);
        int at = BeatFrame(note.beat);
        mix.Add(at, lead, 0.32, 0.0);
        mix.Add(at + BeatFrame(0.75), lead, 0.11, -0.6);
        mix.Add(at + BeatFrame(1.5), lead, 0.05, 0.6);
        if (note.beat >= 8 * kBeatsPerBar) {
            mix.Add(at, Lead(note.note - 12, note.length * kBeatSeconds * 0.92), 0.1, 0.2);
        }
    }

    const Signal kick = Kick(), snare = Snare();
    const Signal closedHat = Hat(0.025, 0.12), openHat = Hat(0.16, 0.4), crash = Hat(0.7, 2.5);
    for (int bar = 0; bar < kBars; ++bar) {
        const Chord& chord = FindChord(kProgression[bar]);
        double start = bar * kBeatsPerBar;

        // Off-beat chords.
        for (double offbeat : {0.5, 1.5, 2.5, 3.5}) {
            for (int tone : chord.tones) {
                mix.Add(BeatFrame(start + offbeat), Stab(tone), 0.07, -0.35);
            }
        }

        // Bass: root, fifth and octave bouncing on the beat.
        struct BassStep {
            double beat, length;
            int interval;
        };
        const BassStep steps[] = {{0, 0.9, 0}, {1, 0.45, 7}, {1.5, 0.45, 12},
                                  {2, 0.9, 0}, {3, 0.45, 7}, {3.5, 0.45, 12}};
        for (const BassStep& step : steps) {
            mix.Add(BeatFrame(start + step.beat),
                    Bass(chord.bass + step.interval, step.length * kBeatSeconds), 0.36, 0.0);
        }

        // Beat: kick on one and three (and a skip before three in every
        // other bar), snare on two and four, hats on every eighth.
        mix.Add(BeatFrame(start), kick, 0.55, 0.0);
        mix.Add(BeatFrame(start + 2), kick, 0.55, 0.0);
        if (bar % 2 == 1) {
            mix.Add(BeatFrame(start + 1.5), kick, 0.3, 0.0);
        }
        mix.Add(BeatFrame(start + 1), snare, 0.3, 0.1);
        if (bar == kBars - 1) {
            // A fill on the last beat leads back to the top.
            for (int i = 0; i < 4; ++i) {
                mix.Add(BeatFrame(start + 3 + 0.25 * i), snare, 0.16 + 0.05 * i, 0.1);
            }
        } else {
            mix.Add(BeatFrame(start + 3), snare, 0.3, 0.1);
        }
        for (int eighth = 0; eighth < 8; ++eighth) {
            // An open hat closes every fourth bar, but the last: the tune
            // takes a breath before it starts again.
            bool open = eighth == 7 && bar % 4 == 3 && bar != kBars - 1;
            mix.Add(BeatFrame(start + 0.5 * eighth), open ? openHat : closedHat,
                    eighth % 2 ? 0.13 : 0.07, 0.35);
        }
        if (bar % 8 == 0) {
            mix.Add(BeatFrame(start), crash, 0.12, -0.25);
        }
    }

    mix.QuietSeam(0.012, 0.002);
    mix.Normalise(0.8);
    return mix;
}

}  // namespace artgen
