#pragma once

// The sound recipes of the built-in drum samples: one small synthesiser per family of sound, each
// driven by a handful of numbers so that the generator can make many members of a family.

#include "resources/factory_samples/sample_synthesis.h"

#include <cstdint>
#include <vector>

namespace factory_samples::synth {

struct Sound {
    Channel left;
    Channel right;
    bool stereo = false;
    std::uint64_t seed = 1;
};

Sound makeSound(double seconds, bool stereo, std::uint64_t seed);
Sound makeSoundFrames(int frames, bool stereo, std::uint64_t seed);
int frames(const Sound& s);

struct Kick {
    double startHz, endHz, pitchTau, hold, ampTau, click, drive;
};
void kick(Sound& s, const Kick& k);

struct Snare {
    double toneHz, toneTau, noiseTau, noiseHz, highPassHz, noiseMix, drive, bend;
};
void snare(Sound& s, const Snare& p);

struct Metal {
    double baseHz, tau, fastTau, fastShare, centreHz, highPassHz, metal;
    int partials; // 6 for hats, more for cymbals
    double ring;  // 0, or a ring-modulation rate for trashy cymbals
};
void metal(Sound& s, const Metal& m);

// One stroke of an envelope: a linear rise to the gain, then an exponential decay.
struct Stroke {
    double at, attack, decay, gain;
};

struct Clap {
    int bursts;
    double spacing, tailTau, centreHz, q;
};
void clap(Sound& s, const Clap& c);

// A struck membrane: a few modes of a circular drum head with a falling pitch and a stick noise.
struct Membrane {
    double hz, tau, bend, bendTau, stick, stickHz, overtones, drive;
};
void membrane(Sound& s, const Membrane& m);

// A struck bar, bell or block: the given mode ratios over a fundamental.
struct Modes {
    double hz, tau;
    std::vector<double> ratios;
    double strike, spread; // stick noise and the decay spread over the modes
};
void modes(Sound& s, const Modes& m);

struct Cowbell {
    double hz, fastTau, tau, centreHz;
};
void cowbell(Sound& s, const Cowbell& c);

// Beads in a shell: sparse random impulses through a filter, shaped by strokes.
struct Shake {
    std::vector<Stroke> strokes;
    double centreHz, q, density;
};
void shake(Sound& s, const Shake& p);

// Jingles: every hit sets a handful of small metal discs ringing.
struct Jingles {
    std::vector<Stroke> hits;
    double lowHz, highHz, tau;
    int perHit;
};
void jingles(Sound& s, const Jingles& j);

// An electronic blip: a sine or triangle with a short pitch drop.
struct Blip {
    double hz, tau, drop, dropTau, noise, triangle;
};
void blip(Sound& s, const Blip& b);

// A voice through three formants; the path is a list of points in time with their formants,
// pitch and how much of it is voiced.
struct VoicePoint {
    double at, f1, f2, f3, pitch, voiced, gain;
};
void voice(Sound& s, const std::vector<VoicePoint>& path);

// A filtered noise with a sweeping centre.
struct Sweep {
    double fromHz, toHz, sweepTau, q, attack, tau;
};
void sweep(Sound& s, const Sweep& p);

// Processing applied after a recipe.
void addRoom(Sound& s, double seconds, double mix, double damping);
void crush(Sound& s, int levels, int hold);
void reverse(Sound& s);
void ringModulate(Sound& s, double hz, double depth);
void mix(Sound& into, const Sound& from, double gain);

} // namespace factory_samples::synth
