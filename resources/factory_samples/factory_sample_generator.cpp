// Synthesises the built-in drum samples from their model names and writes, into the given folder,
// one raw file per entry (signed 16-bit little-endian, left then right for stereo), the resource
// list that embeds them and the source of factory_samples::kSpecs, so that the table and the data
// always come from one run. A sample or table that breaks the rules the player relies on fails
// the build with "error: ...".
//
//     kravo_factory_sample_generator OUTPUT_FOLDER
#include "resources/factory_samples/drum_recipes.h"
#include "resources/factory_samples/factory_sample_specs.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace factory_samples::synth;

// The model names of the sample models, in entry order.
std::vector<std::string> entryNames()
{
    std::vector<std::string> names;
    auto numbered = [&](const std::string& prefix, int count) {
        for (int n = 1; n <= count; ++n)
            names.push_back(prefix + (n < 10 ? "0" : "") + std::to_string(n));
    };
    numbered("BD Classic ", 4);
    numbered("BD Kravo ", 20);
    numbered("SN Classic ", 4);
    numbered("SN Kravo ", 61);
    for (const char* side : {"Closed", "Open"})
        for (int n = 1; n <= 4; ++n)
            names.push_back("HH Classic 0" + std::to_string(n) + " " + side);
    for (const char* side : {"Closed", "Open"}) {
        const char* kinds[] = {"12''", "14'' Bright", "14'' Dark", "Jazz", "14'' Rock", "Splash", "6''"};
        for (int n = 1; n <= 7; ++n)
            names.push_back("HH Kravo 0" + std::to_string(n) + " " + side + " " + kinds[n - 1]);
    }
    names.insert(names.end(), {"Tom Classic 01", "Tom Classic 02", "Tom Classic 03", "Tom Kravo 01 Power High",
                               "Tom Kravo 02 Power Mid", "Tom Kravo 03 Power Low", "Tom Kravo 04 DeepFX",
                               "Tom Kravo 05 Dry 8''", "Tom Kravo 06 Dry 10''", "Tom Kravo 07 Dry 12''",
                               "Tom Kravo 08 Dry 14''"});
    numbered("Clap Classic ", 3);
    numbered("Clap Kravo ", 12);
    const char* user[] = {
        "User Classic 01 CR Perc. 1", "User Classic 02 CR Clave", "User Classic 03 CR Perc. 2",
        "User Classic 04 CR Bongo", "User Classic 05 CR Conga", "User Classic 06 CR Perc. 3",
        "User Classic 07 CR Perc. 4", "User Classic 08 CR Perc. 5", "User Classic 09 CR Perc. 6",
        "User Classic 10 CR Perc. 7", "User Classic 11 TR Sidestick", "User Classic 12 TR Cymbal 1",
        "User Classic 13 TR CowBell", "User Classic 14 TR Cabasa", "User Classic 15 TR Perc. 1",
        "User Classic 16 TR Perc. 2", "User Classic 17 TR Clave 1", "User Classic 18 TR Clave 2",
        "User Classic 19 TR Cymbal 2", "User Classic 20 TR Sidestick 2", "User Classic 21 TR Cymbal 3",
        "User Classic 22 TR Ride", "User Kravo 01 Mystery", "User Kravo 02 FX Bag 1", "User Kravo 03 FX Bag 2",
        "User Kravo 04 FX Bag 3", "User Kravo 05 FX Bag 4", "User Kravo 06 BackPoint", "User Kravo 07 Bag Attack",
        "User Kravo 08 Breath Snare", "User Kravo 09 TrashTack", "User Kravo 10 Whap", "User Kravo 11 Lo-Fi SN",
        "User Kravo 12 TambFall", "User Kravo 13 TambBox", "User Kravo 14 DropRing", "User Kravo 15 Lock",
        "User Kravo 16 UnknownHit", "User Kravo 17 CymFX 1", "User Kravo 18 CymFX 2", "User Kravo 19 CymFX 3",
        "User Kravo 20 Mouth Snap", "User Kravo 21 CheeseBox 1", "User Kravo 22 CheeseBox 2",
        "User Kravo 23 CheeseBox 3", "User Kravo 24 Chime Perc", "User Kravo 25 Doppler QV",
        "User Kravo 26 Phat tube", "User Kravo 27 QV FX1", "User Kravo QV FX2", "User Kravo 29 Whistle FX",
        "User Kravo 30 ThinSilver", "User Kravo 31 Cabasa FX", "User Kravo 32 China FX1", "User Kravo 33 China FX2",
        "User Kravo 34 Cough Snare", "User Kravo 35 Material 1", "User Kravo 36 Material 2",
        "User Kravo 37 Material 3", "User Kravo 38 Material 4", "User Kravo 39 Material 5",
        "User Kravo 40 Material 6", "User Kravo 41 Material 7", "User Kravo 42 Huh", "User Kravo 43 Auw",
        "User Kravo 44 Whoe AahHoe", "User Perc. 01 Crash 1", "User Perc. 02 Crash 2", "User Perc. 03 Crash 3",
        "User Perc. 04 Crash 4", "User Perc. 05 Crash 5", "User Perc. 06 Crash 6", "User Perc. 07 Crash 7",
        "User Perc. 08 Ride 1", "User Perc. 09 Ride 2", "User Perc. 10 Finger Snap 1", "User Perc. 11 Finger Snap 2",
        "User Perc. 12 Finger Snap 3", "User Perc. 13 Sleigh", "User Perc. 14 Tambourine", "User Perc. 15 Egg Up",
        "User Perc. 16 Egg Down", "User Perc. 17 Shekere Up", "User Perc. 18 Shekere Down", "User Perc. 19 Caxici",
        "User Perc. 20 Shaker", "User Perc. 21 Cabasa", "User Perc. 22 Ganzeiro FX", "User Perc. 23 Frame Drum 1",
        "User Perc. 24 Frame Drum 2", "User Perc. 25 CowBell 1", "User Perc. 26 CowBell 1 Mute",
        "User Perc. 27 CowBell 2", "User Perc. 28 CowBell 2 Mute", "User Perc. 29 CowBell 3",
        "User Perc. 30 CowBell 3 Mute", "User Perc. 31 CowBell 3 Open", "User Perc. 32 FingerBell 1",
        "User Perc. 33 FingerBell 2", "User Perc. 34 FingerBell 3", "User Perc. 35 FingerBell 4",
        "User Perc. 36 Frog", "User Perc. 37 BeatRing 1", "User Perc. 38 BeatRing 2", "User Perc. 39 BeatRing 3",
        "User Perc. 40 Djembme 1", "User Perc. 41 Djembme 2", "User Perc. 42 Djembme 3", "User Perc. 43 Djembme 4",
        "User Perc. 44 BongoHigh 1", "User Perc. 45 BongoHigh 2", "User Perc. 46 BongoLow 1",
        "User Perc. 47 BongoLow 2", "User Perc. 48 Conga 1", "User Perc. 49 Conga 2", "User Perc. 50 Quinto 1",
        "User Perc. 51 Quinto 2", "User Perc. 52 Tumba 1", "User Perc. 53 Tumba 2", "User Perc. 54 Tumba 3",
        "User Perc. 55 Tumba 4", "User Perc. 56 Taiko 1", "User Perc. 57 Taiko 2", "User Perc. 58 Orchestral BD",
        "User Perc. 59 Fx Tom", "User Perc. 60 SpringBox", "User Perc. 61 Agogo FX", "User Perc. 62 Crashbox"};
    names.insert(names.end(), std::begin(user), std::end(user));
    return names;
}

bool has(const std::string& name, const char* word) { return name.find(word) != std::string::npos; }

// The number at the end of a name ("Crash 3" gives 3), or 0.
int trailingNumber(const std::string& name)
{
    std::size_t end = name.size();
    while (end > 0 && (name[end - 1] < '0' || name[end - 1] > '9'))
        --end;
    std::size_t begin = end;
    while (begin > 0 && name[begin - 1] >= '0' && name[begin - 1] <= '9')
        --begin;
    return begin == end ? 0 : std::stoi(name.substr(begin, end - begin));
}

// The playing length of the entries whose length is fixed by what the player was made for.
constexpr int kLongFrames = factory_samples::kLongestFrames;

Sound bassDrum(int entry, Random& p)
{
    const std::uint64_t seed = static_cast<std::uint64_t>(entry) + 1;
    if (entry == 17) { // a deep boom in a hall
        Sound s = makeSoundFrames(kLongFrames, true, seed);
        kick(s, {110.0, 38.0, 0.06, 0.05, 1.4, 0.3, 1.3});
        addRoom(s, 4.5, 0.35, 0.45);
        return s;
    }
    static const Kick classic[] = {{125.0, 47.0, 0.045, 0.02, 0.55, 0.15, 1.0}, // long and round
                                   {230.0, 54.0, 0.022, 0.01, 0.22, 0.7, 1.8},  // punchy with a click
                                   {170.0, 60.0, 0.018, 0.0, 0.13, 0.4, 1.3},   // short and dry
                                   {280.0, 68.0, 0.010, 0.0, 0.08, 0.9, 2.2}};  // tight and hard
    Kick k = entry < 4 ? classic[entry]
                       : Kick{p.range(140.0, 320.0), p.range(40.0, 68.0), p.range(0.01, 0.05), p.range(0.0, 0.03),
                              p.range(0.08, 0.35), p.range(0.1, 1.0), p.range(1.0, 3.0)};
    const double length = std::min(1.0, k.hold + 4.0 * k.ampTau + 0.02);
    const bool roomy = entry >= 4 && entry % 5 == 2;
    Sound s = makeSound(roomy ? length + 0.5 : length, roomy, seed);
    kick(s, k);
    if (roomy)
        addRoom(s, 0.8, 0.2, 0.5);
    return s;
}

Sound snareDrum(int entry, Random& p)
{
    const std::uint64_t seed = static_cast<std::uint64_t>(entry) + 1;
    const int n = entry - 24;
    if (entry == 24) { // a short, tight snare
        Sound s = makeSoundFrames(2778, false, seed);
        snare(s, {215.0, 0.012, 0.016, 4200.0, 1200.0, 0.9, 1.4, 0.3});
        return s;
    }
    Snare k{p.range(150.0, 280.0), p.range(0.02, 0.09), p.range(0.05, 0.22), p.range(2500.0, 7000.0),
            p.range(500.0, 2000.0), p.range(0.5, 1.4), p.range(1.0, 2.6), p.range(0.1, 0.6)};
    if (n % 7 == 3) // a rim-heavy crack
        k = {p.range(330.0, 450.0), 0.03, 0.05, 5000.0, 1800.0, 0.6, 2.5, 0.2};
    if (n % 9 == 5) // a fat, low one
        k = {p.range(120.0, 150.0), 0.12, 0.3, 2200.0, 400.0, 0.8, 1.5, 0.5};
    const bool roomy = n % 4 == 1;
    const double length = std::min(0.8, 4.5 * std::max(k.toneTau, k.noiseTau) + (roomy ? 0.35 : 0.02));
    Sound s = makeSound(length, roomy, seed);
    snare(s, k);
    if (roomy)
        addRoom(s, p.range(0.5, 1.2), p.range(0.15, 0.35), 0.4);
    if (n % 11 == 8)
        crush(s, 48, 3);
    return s;
}

Sound hiHat(int entry, const std::string& name, Random& p)
{
    const std::uint64_t seed = static_cast<std::uint64_t>(entry) + 1;
    const bool open = has(name, "Open");
    Metal m{p.range(380.0, 460.0), 0.0, 0.012, 0.0, 9500.0, 7000.0, p.range(0.45, 0.7), 6, 0.0};
    if (has(name, "Bright"))
        m.centreHz = 11500.0;
    if (has(name, "Dark"))
        m.centreHz = 7000.0, m.highPassHz = 5000.0, m.baseHz = 330.0;
    if (has(name, "Jazz"))
        m.metal = 0.8, m.baseHz = 360.0, m.centreHz = 8200.0, m.highPassHz = 5500.0;
    if (has(name, "Rock"))
        m.metal = 0.5, m.centreHz = 9000.0;
    if (has(name, "Splash"))
        m.metal = 0.35, m.centreHz = 10500.0;
    if (has(name, "12''"))
        m.baseHz = 470.0;
    if (has(name, "6''"))
        m.baseHz = 620.0, m.centreHz = 12500.0, m.highPassHz = 9000.0;
    if (has(name, "Classic"))
        m.metal = 0.6 + 0.08 * trailingNumber(name.substr(0, 13)), m.baseHz = 400.0 + 20.0 * (entry % 4);
    const double size = m.baseHz > 500.0 ? 0.6 : m.baseHz < 350.0 ? 1.3 : 1.0;
    m.tau = open ? size * p.range(0.22, 0.4) * (has(name, "Splash") ? 1.4 : 1.0) : size * p.range(0.018, 0.035);
    m.fastShare = open ? 0.4 : 0.0;
    const double length = std::min(2.5, 5.5 * m.tau + 0.01);
    Sound s = makeSound(length, open && has(name, "Kravo"), seed);
    metal(s, m);
    return s;
}

Sound tomDrum(int entry, const std::string& name)
{
    const std::uint64_t seed = static_cast<std::uint64_t>(entry) + 1;
    if (has(name, "Classic")) { // electronic toms, high to low
        const double hz = 210.0 - 45.0 * (trailingNumber(name) - 1);
        Sound s = makeSound(0.9, false, seed);
        blip(s, {hz, 0.16, 0.5, 0.05, 0.3, 0.0});
        return s;
    }
    if (has(name, "DeepFX")) {
        Sound s = makeSound(2.2, true, seed);
        membrane(s, {70.0, 0.6, 1.8, 0.25, 0.5, 1800.0, 0.4, 1.6});
        addRoom(s, 1.6, 0.3, 0.5);
        return s;
    }
    double hz = 0.0;
    Membrane m{};
    if (has(name, "Power")) {
        hz = has(name, "High") ? 165.0 : has(name, "Mid") ? 122.0 : 88.0;
        m = {hz, 0.38, 0.25, 0.04, 0.9, 2500.0, 0.6, 2.2};
    } else {
        const int inches = trailingNumber(name.substr(0, name.size() - 2));
        hz = 2200.0 / inches; // 8'' 275 Hz .. 14'' 157 Hz
        m = {hz, 0.12 + 0.012 * inches, 0.08, 0.03, 0.6, 3500.0, 0.5, 1.1};
    }
    Sound s = makeSound(std::min(2.0, 5.0 * m.tau), has(name, "Power"), seed);
    membrane(s, m);
    if (has(name, "Power"))
        addRoom(s, 0.9, 0.18, 0.5);
    return s;
}

Sound handClap(int entry, Random& p)
{
    const std::uint64_t seed = static_cast<std::uint64_t>(entry) + 1;
    const int n = entry - 122;
    Clap c{3 + n % 3, p.range(0.007, 0.013), p.range(0.05, 0.18), p.range(900.0, 1700.0), p.range(1.0, 2.2)};
    const bool roomy = n >= 3 && n % 3 != 0;
    Sound s = makeSound(c.spacing * c.bursts + 5.0 * c.tailTau + (roomy ? 0.5 : 0.0), roomy, seed);
    clap(s, c);
    if (roomy)
        addRoom(s, p.range(0.6, 1.4), p.range(0.15, 0.3), 0.35);
    return s;
}

Sound cymbal(std::uint64_t seed, Random& p, double tau, bool ride, double ring, double seconds)
{
    Sound s = makeSound(seconds, true, seed);
    metal(s, {p.range(300.0, 420.0), tau, 0.05, 0.3, p.range(5000.0, 8000.0), p.range(2500.0, 4000.0),
              p.range(0.4, 0.7), 12, ring});
    if (ride) {
        Sound ping = makeSound(seconds, true, seed + 7);
        modes(ping, {p.range(2400.0, 3200.0), tau * 0.8, {1.0, 1.47, 2.09, 2.56}, 0.5, 0.3});
        mix(s, ping, 0.25);
    }
    return s;
}

Sound shakerStrokes(std::uint64_t seed, double seconds, std::vector<Stroke> strokes, double hz, double q,
    double density, bool stereo = false)
{
    Sound s = makeSound(seconds, stereo, seed);
    shake(s, {std::move(strokes), hz, q, density});
    return s;
}

Sound spoken(std::uint64_t seed, double length, bool stereo, const std::vector<VoicePoint>& path)
{
    Sound s = makeSound(length, stereo, seed);
    voice(s, path);
    return s;
}

Sound userSound(int entry, const std::string& name, Random& p)
{
    const std::uint64_t seed = static_cast<std::uint64_t>(entry) + 1;
    // The variant within a family ("Crash 3"); a name that ends in its model number is the first.
    const int number = trailingNumber(name) > 9 ? 1 : trailingNumber(name);
    if (entry == 260) { // a concert bass drum in a hall
        Sound s = makeSoundFrames(kLongFrames, true, seed);
        membrane(s, {52.0, 1.1, 0.06, 0.05, 0.4, 600.0, 0.7, 1.0});
        addRoom(s, 5.0, 0.45, 0.55);
        return s;
    }
    if (entry == 222) { // shaker: forward and back, silent before the playing length ends
        Sound s = makeSoundFrames(29193, false, seed);
        Sound strokes = shakerStrokes(seed, 26281.0 / kRate, {{0.0, 0.03, 0.05, 1.0}, {0.24, 0.04, 0.06, 0.85}},
                                      6500.0, 1.4, 0.25);
        mix(s, strokes, 1.0);
        return s;
    }
    if (has(name, "CowBell")) {
        const double hz = 560.0 + 90.0 * number;
        const bool mute = has(name, "Mute"), openBell = has(name, "Open") || has(name, "TR");
        Sound s = makeSound(mute ? 0.15 : openBell ? 1.0 : 0.5, false, seed);
        cowbell(s, {hz, mute ? 0.012 : 0.03, mute ? 0.03 : openBell ? 0.25 : 0.12, hz * 2.6});
        return s;
    }
    if (has(name, "Crash") && !has(name, "box")) {
        return cymbal(seed, p, p.range(0.5, 0.8), false, 0.0, 2.2 + 0.2 * number);
    }
    if (has(name, "Ride")) {
        return cymbal(seed, p, p.range(0.7, 0.9), true, 0.0, 3.0);
    }
    if (has(name, "Cymbal")) {
        return cymbal(seed, p, 0.3 + 0.15 * number, false, 0.0, 1.2 + 0.5 * number);
    }
    if (has(name, "China")) {
        Sound s = cymbal(seed, p, 0.7, false, 640.0 + 200.0 * number, 3.0);
        if (number == 2)
            reverse(s);
        return s;
    }
    if (has(name, "CymFX")) {
        Sound s = cymbal(seed, p, 0.8, number == 2, 0.0, 2.6);
        if (number != 3)
            reverse(s); // a swell into the beat
        else
            ringModulate(s, 7.0, 0.8);
        return s;
    }
    if (has(name, "Clave") || has(name, "Lock")) {
        Sound s = makeSound(0.25, false, seed);
        modes(s, {has(name, "Lock") ? 3100.0 : 2300.0 + 250.0 * number, 0.035, {1.0, 2.76}, 0.4, 1.5});
        if (has(name, "Lock")) {
            Sound second = makeSound(0.25, false, seed + 3);
            modes(second, {2600.0, 0.02, {1.0, 2.76, 5.4}, 0.8, 1.0});
            std::copy_backward(second.left.begin(), second.left.end() - 2400, second.left.end());
            std::fill(second.left.begin(), second.left.begin() + 2400, 0.0);
            mix(s, second, 0.8);
        }
        return s;
    }
    if (has(name, "Sidestick") || has(name, "Whap") || has(name, "BackPoint")) {
        Sound s = makeSound(0.3, false, seed);
        modes(s, {has(name, "Whap") ? 260.0 : 420.0 + 40.0 * number, 0.03, {1.0, 3.8, 7.3}, 2.0, 0.5});
        return s;
    }
    if (has(name, "Finger Snap") || has(name, "Mouth Snap")) {
        Sound s = makeSound(0.35, number == 3, seed);
        sweep(s, {2600.0 + 300.0 * number, 1900.0, 0.01, 4.0, 0.0008, 0.018});
        addRoom(s, 0.5, 0.12, 0.4);
        return s;
    }
    if (has(name, "Conga") || has(name, "Bongo") || has(name, "Quinto") || has(name, "Tumba") ||
        has(name, "Djembme") || has(name, "Frame Drum") || has(name, "Taiko") || has(name, "Fx Tom") ||
        has(name, "TambBox")) {
        double hz = 200.0, tau = 0.2, bend = 0.06, stick = 0.5, length = 0.8;
        if (has(name, "BongoHigh") || has(name, "CR Bongo"))
            hz = 420.0 + 30.0 * number, tau = 0.1, length = 0.5;
        if (has(name, "BongoLow"))
            hz = 300.0 + 25.0 * number, tau = 0.12, length = 0.55;
        if (has(name, "Quinto"))
            hz = 360.0 + 20.0 * number, tau = 0.16;
        if (has(name, "Conga"))
            hz = 260.0 + 20.0 * number, tau = 0.18;
        if (has(name, "Tumba"))
            hz = 165.0 + 12.0 * number, tau = 0.22, length = 1.0;
        if (has(name, "Djembme"))
            hz = number % 2 ? 95.0 + 10.0 * number : 380.0 + 20.0 * number, stick = number % 2 ? 0.4 : 1.2;
        if (has(name, "Frame Drum"))
            hz = 110.0 + 30.0 * number, tau = 0.35, length = 1.5, stick = 0.8;
        if (has(name, "Taiko"))
            hz = 58.0 + 12.0 * number, tau = 0.6, length = 2.5, stick = 0.9;
        if (has(name, "Fx Tom"))
            hz = 140.0, tau = 0.5, bend = 1.2, length = 1.8;
        if (has(name, "TambBox"))
            hz = 180.0, tau = 0.15, length = 0.8;
        const bool stereo = has(name, "Taiko") || has(name, "Fx Tom");
        Sound s = makeSound(length, stereo, seed);
        membrane(s, {hz, tau, bend, 0.04, stick, hz * 8.0, 0.6, 1.2});
        if (stereo)
            addRoom(s, 1.8, 0.3, 0.5);
        if (has(name, "TambBox")) {
            Sound j = makeSound(length, false, seed + 5);
            jingles(j, {{{0.0, 0.01, 0.0, 1.0}}, 5500.0, 10000.0, 0.06, 10});
            mix(s, j, 0.4);
        }
        return s;
    }
    if (has(name, "Tamb") || has(name, "Sleigh")) {
        std::vector<Stroke> hits{{0.0, 0.012, 0.0, 1.0}};
        double length = 0.8;
        if (has(name, "Sleigh")) {
            hits.clear();
            for (int k = 0; k < 6; ++k)
                hits.push_back({0.06 * k, 0.05, 0.0, 1.0 - 0.12 * k});
            length = 1.4;
        }
        if (has(name, "TambFall")) { // hits that slow down and fade
            hits.clear();
            double at = 0.0;
            for (int k = 0; k < 9; ++k, at += 0.05 + 0.018 * k)
                hits.push_back({at, 0.015, 0.0, 1.0 - 0.09 * k});
            length = at + 0.5;
        }
        Sound s = makeSound(length, !has(name, "Perc. 14"), seed);
        jingles(s, {hits, 5000.0, has(name, "Sleigh") ? 12000.0 : 9500.0, 0.07, has(name, "Sleigh") ? 6 : 14});
        return s;
    }
    if (has(name, "Egg") || has(name, "Shekere") || has(name, "Caxici") || has(name, "Cabasa") ||
        has(name, "Shaker") || has(name, "Ganzeiro")) {
        const bool up = has(name, "Up");
        double hz = has(name, "Egg") ? 4200.0 : has(name, "Shekere") ? 3000.0 : has(name, "Cabasa") ? 8000.0 : 6000.0;
        std::vector<Stroke> strokes{up ? Stroke{0.0, 0.16, 0.03, 1.0} : Stroke{0.0, 0.004, 0.09, 1.0}};
        double length = up ? 0.35 : 0.5;
        if (has(name, "Caxici"))
            strokes = {{0.0, 0.02, 0.05, 1.0}, {0.12, 0.01, 0.07, 0.8}}, length = 0.5;
        if (has(name, "Ganzeiro") || has(name, "Cabasa FX")) {
            strokes.clear();
            for (int k = 0; k < 8; ++k)
                strokes.push_back({0.11 * k, 0.03, 0.05, k % 2 ? 0.7 : 1.0});
            length = 1.3;
        }
        return shakerStrokes(seed, length, strokes, hz, has(name, "Cabasa") ? 2.5 : 1.3,
                             has(name, "Shekere") ? 0.06 : 0.3, has(name, "FX"));
    }
    if (has(name, "FingerBell") || has(name, "BeatRing") || has(name, "Chime") || has(name, "ThinSilver") ||
        has(name, "DropRing") || has(name, "Agogo")) {
        std::vector<double> bell{1.0, 2.32, 4.25, 6.63, 9.38};
        double hz = 1800.0 + 350.0 * number, tau = 0.9, length = 2.5;
        if (has(name, "BeatRing"))
            hz = 1100.0 + 260.0 * number, tau = 0.35, length = 1.2, bell = {1.0, 1.51, 2.73, 3.98};
        if (has(name, "Chime"))
            hz = 1320.0, tau = 1.2, length = 3.0;
        if (has(name, "ThinSilver"))
            hz = 4100.0, tau = 0.6, length = 1.5;
        if (has(name, "DropRing"))
            hz = 900.0, tau = 0.7, length = 2.0, bell = {1.0, 1.83, 2.94, 4.41};
        if (has(name, "Agogo"))
            hz = 860.0, tau = 0.3, length = 1.0, bell = {1.0, 2.62, 4.1};
        Sound s = makeSound(length, true, seed);
        modes(s, {hz, tau, bell, 0.3, 0.5});
        if (has(name, "DropRing") || has(name, "Agogo"))
            ringModulate(s, has(name, "Agogo") ? 9.0 : 4.0, 0.5);
        addRoom(s, 1.5, 0.2, 0.4);
        return s;
    }
    if (has(name, "Huh")) // a breath into a short, falling vowel
        return spoken(seed, 0.45, false, {{0.0, 600, 1170, 2400, 160, 0.0, 0.0}, {0.03, 600, 1170, 2400, 160, 0.1, 1.0},
                                          {0.1, 640, 1190, 2390, 150, 0.9, 1.0}, {0.4, 600, 1150, 2400, 120, 0.6, 0.0}});
    if (has(name, "Auw")) // an open vowel closing to a round one
        return spoken(seed, 0.7, false, {{0.0, 800, 1150, 2900, 230, 0.9, 0.0}, {0.03, 800, 1150, 2900, 230, 0.9, 1.0},
                                         {0.3, 700, 1100, 2800, 210, 1.0, 1.0}, {0.65, 325, 700, 2530, 160, 1.0, 0.0}});
    if (has(name, "Whoe")) {
        Sound s = spoken(seed, 1.5, true, {{0.0, 325, 700, 2530, 190, 0.9, 0.0},  {0.05, 325, 700, 2530, 190, 0.9, 1.0},
                            {0.3, 450, 800, 2830, 200, 1.0, 1.0},  {0.55, 800, 1150, 2900, 230, 1.0, 1.0},
                            {0.75, 800, 1150, 2900, 220, 0.1, 0.6}, {0.85, 450, 800, 2830, 200, 1.0, 1.0},
                            {1.45, 450, 800, 2830, 150, 1.0, 0.0}});
        addRoom(s, 0.9, 0.2, 0.5);
        return s;
    }
    if (has(name, "Cough") || has(name, "Breath")) {
        Sound s = makeSound(has(name, "Breath") ? 0.7 : 0.45, false, seed);
        snare(s, {190.0, 0.04, 0.08, 3000.0, 900.0, 0.7, 1.4, 0.3});
        const double tail = has(name, "Breath") ? 0.65 : 0.35;
        mix(s, spoken(seed + 11, tail + 0.05, false, {{0.0, 700, 1200, 2600, 140, 0.0, 1.0},
                                                      {tail * 0.3, 650, 1150, 2500, 130, 0.15, 0.8},
                                                      {tail, 600, 1100, 2500, 120, 0.0, 0.0}}), 2.5);
        return s;
    }
    if (has(name, "Whistle") || has(name, "Doppler") || has(name, "QV FX")) {
        const bool doppler = has(name, "Doppler");
        Sound s = makeSound(doppler ? 1.6 : 1.0, true, seed);
        blip(s, {doppler ? 700.0 : has(name, "Whistle") ? 2100.0 : 180.0 + 120.0 * number, doppler ? 0.6 : 0.25,
                 doppler ? 1.2 : has(name, "Whistle") ? -0.3 : 3.0, doppler ? 0.5 : 0.08, 0.2, has(name, "QV") ? 0.7 : 0.0});
        if (doppler)
            reverse(s);
        addRoom(s, 1.0, 0.25, 0.5);
        return s;
    }
    if (has(name, "Frog")) { // a scraped ridge: a train of small clicks
        Sound s = makeSound(0.6, false, seed);
        std::vector<Stroke> clicks;
        for (int k = 0; k < 14; ++k)
            clicks.push_back({0.018 + 0.025 * k + 0.0004 * k * k, 0.001, 0.006, 1.0});
        shake(s, {clicks, 1500.0, 4.0, 1.0});
        return s;
    }
    if (has(name, "SpringBox") || has(name, "Crashbox") || has(name, "Phat tube") || has(name, "CheeseBox") ||
        has(name, "Lo-Fi")) {
        Sound s = makeSound(has(name, "Crashbox") ? 1.5 : 0.7, has(name, "Spring") || has(name, "Crashbox"), seed);
        if (has(name, "Lo-Fi") || has(name, "CheeseBox"))
            snare(s, {p.range(160.0, 260.0), 0.05, 0.09, 3500.0, 700.0, 0.8, 2.0, 0.4});
        else if (has(name, "Phat"))
            membrane(s, {95.0, 0.18, 0.8, 0.02, 0.3, 500.0, 0.2, 2.8});
        else
            metal(s, {520.0, 0.18, 0.02, 0.5, 4000.0, 1500.0, 0.6, 12, 0.0});
        if (has(name, "CheeseBox") || has(name, "Lo-Fi"))
            crush(s, 12 + 6 * number, 4 + number);
        if (has(name, "Spring"))
            addRoom(s, 1.2, 0.5, 0.1);
        return s;
    }
    if (has(name, "CR Perc") || has(name, "TR Perc") || has(name, "CR Conga")) {
        const double hz = (has(name, "CR") ? 300.0 : 900.0) * (1.0 + 0.35 * number);
        Sound s = makeSound(0.45, false, seed);
        blip(s, {hz, 0.06 + 0.02 * number, 0.3, 0.008, has(name, "TR") ? 0.4 : 0.1, number % 2 ? 0.5 : 0.0});
        return s;
    }
    // Noises, bags, materials and mystery hits: a resonant noise struck or scraped.
    const bool scraped = p.unit() < 0.35;
    const double length = p.range(0.3, 1.2);
    Sound s = makeSound(length, p.unit() < 0.5, seed);
    sweep(s, {p.range(300.0, 6000.0), p.range(150.0, 4000.0), p.range(0.02, 0.3), p.range(1.0, 8.0),
              scraped ? p.range(0.03, 0.15) : 0.0015, length / p.range(5.0, 8.0)});
    if (has(name, "TrashTack") || has(name, "Bag Attack"))
        ringModulate(s, p.range(200.0, 900.0), 0.7);
    if (has(name, "Material") && number % 2 == 1) {
        Sound body = makeSound(length, false, seed + 9);
        modes(body, {p.range(300.0, 1500.0), p.range(0.03, 0.12), {1.0, p.range(1.8, 3.2), p.range(3.5, 6.0)}, 0.0, 0.6});
        mix(s, body, 0.8);
    }
    return s;
}

Sound render(int entry, const std::string& name)
{
    Random p(static_cast<std::uint64_t>(entry) * 7919 + 13);
    if (entry < 24)
        return bassDrum(entry, p);
    if (entry < 89)
        return snareDrum(entry, p);
    if (entry < 111)
        return hiHat(entry, name, p);
    if (entry < 122)
        return tomDrum(entry, name);
    if (entry < 137)
        return handClap(entry, p);
    return userSound(entry, name, p);
}

struct Encoded {
    std::vector<std::int16_t> values; // interleaved
    int frames = 0;                   // playing length
    int resourceFrames = 0;
    bool stereo = false;
};

[[noreturn]] void fail(int entry, const std::string& what)
{
    throw std::runtime_error("entry " + std::to_string(entry) + ": " + what);
}

// Takes out DC, fades the ends so that neither start nor end clicks, normalises the peak and
// quantises. `playing` frames are played; anything after them is silence.
Encoded finish(int entry, Sound s, int playing)
{
    const int total = frames(s);
    const int channels = s.stereo ? 2 : 1;
    Channel* sides[2] = {&s.left, &s.right};
    for (int c = 0; c < channels; ++c) {
        Channel& x = *sides[c];
        double previousIn = 0.0, previousOut = 0.0;
        constexpr double kPole = 0.9993; // about 5 Hz
        for (int i = 0; i < playing; ++i) {
            const double y = x[static_cast<std::size_t>(i)] - previousIn + kPole * previousOut;
            previousIn = x[static_cast<std::size_t>(i)];
            previousOut = y;
            x[static_cast<std::size_t>(i)] = y;
        }
        double mean = 0.0;
        for (int i = 0; i < playing; ++i)
            mean += x[static_cast<std::size_t>(i)];
        mean /= playing;
        const int fadeIn = 24;
        const int fadeOut = std::clamp(playing / 8, 32, 960);
        for (int i = 0; i < total; ++i) {
            double& v = x[static_cast<std::size_t>(i)];
            if (i >= playing) {
                v = 0.0;
                continue;
            }
            v -= mean;
            if (i < fadeIn)
                v *= 0.5 - 0.5 * cosine(0.5 * i / fadeIn);
            const int left = playing - 1 - i;
            if (left < fadeOut)
                v *= 0.5 - 0.5 * cosine(0.5 * left / fadeOut);
        }
    }
    double peak = 0.0;
    for (int c = 0; c < channels; ++c)
        for (double v : *sides[c])
            peak = std::max(peak, std::abs(v));
    if (!(peak > 1e-9))
        fail(entry, "the sound is silent");
    const double scale = 0.95 * 32767.0 / peak;
    Encoded e;
    e.frames = playing;
    e.resourceFrames = total;
    e.stereo = s.stereo;
    e.values.reserve(static_cast<std::size_t>(total * channels));
    for (int i = 0; i < total; ++i)
        for (int c = 0; c < channels; ++c)
            e.values.push_back(static_cast<std::int16_t>(std::lround((*sides[c])[static_cast<std::size_t>(i)] * scale)));
    return e;
}

// What the player relies on, checked on the finished data.
void check(int entry, const Encoded& e)
{
    const int channels = e.stereo ? 2 : 1;
    if (e.frames < 307 || e.frames > factory_samples::kLongestFrames)
        fail(entry, "length " + std::to_string(e.frames) + " is outside 307.." +
                        std::to_string(factory_samples::kLongestFrames));
    if (static_cast<long long>(e.frames) * 2 * channels > static_cast<long long>(e.values.size()) * 2)
        fail(entry, "the length runs past the data");
    int peak = 0;
    for (int c = 0; c < channels; ++c) {
        long long sum = 0;
        for (int i = 0; i < e.frames; ++i) {
            const int v = e.values[static_cast<std::size_t>(i * channels + c)];
            sum += v;
            peak = std::max(peak, std::abs(v));
        }
        if (std::abs(static_cast<double>(sum) / e.frames) > 40.0)
            fail(entry, "the sound carries DC");
        if (e.values[static_cast<std::size_t>(c)] != 0 ||
            std::abs(e.values[static_cast<std::size_t>((e.frames - 1) * channels + c)]) > 1)
            fail(entry, "the sound does not start and end at rest");
    }
    if (peak < 30000)
        fail(entry, "the peak is not normalised");
}

void expectRow(const std::vector<Encoded>& all, int entry, int frames, bool stereo, int resourceFrames)
{
    const Encoded& e = all[static_cast<std::size_t>(entry)];
    if (e.frames != frames || e.stereo != stereo || e.resourceFrames != resourceFrames)
        fail(entry, "does not have the length, channels or data size the player was made for");
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string entryFile(int entry)
{
    char name[32];
    std::snprintf(name, sizeof name, "sample_%03d.raw", entry);
    return name;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: kravo_factory_sample_generator OUTPUT_FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    try {
        const std::vector<std::string> names = entryNames();
        if (static_cast<int>(names.size()) != factory_samples::kCount)
            throw std::runtime_error(std::to_string(names.size()) + " names for " +
                                     std::to_string(factory_samples::kCount) + " entries");
        std::vector<Encoded> all;
        for (int entry = 0; entry < factory_samples::kCount; ++entry) {
            Sound s = render(entry, names[static_cast<std::size_t>(entry)]);
            const int playing = entry == 222 ? 26281 : frames(s);
            all.push_back(finish(entry, std::move(s), playing));
            check(entry, all.back());
        }
        expectRow(all, 17, factory_samples::kLongestFrames, true, factory_samples::kLongestFrames);
        expectRow(all, 260, factory_samples::kLongestFrames, true, factory_samples::kLongestFrames);
        expectRow(all, 24, 2778, false, 2778);
        expectRow(all, 222, 26281, false, 29193);

        std::string table = "// Generated by kravo_factory_sample_generator: the built-in samples as this build made them.\n"
                            "#include \"resources/factory_samples/factory_sample_specs.h\"\n\n"
                            "namespace factory_samples {\n\nconst Spec kSpecs[kCount] = {\n";
        std::string list = "# Generated by kravo_factory_sample_generator: TYPE ID PATH, PATH relative to this folder.\n";
        for (int entry = 0; entry < factory_samples::kCount; ++entry) {
            const Encoded& e = all[static_cast<std::size_t>(entry)];
            std::string bytes;
            bytes.reserve(e.values.size() * 2);
            for (std::int16_t v : e.values) {
                const auto u = static_cast<std::uint16_t>(v);
                bytes.push_back(static_cast<char>(u & 0xFF));
                bytes.push_back(static_cast<char>(u >> 8));
            }
            writeFile(folder + "/" + entryFile(entry), bytes);
            table += "    {" + std::to_string(e.frames) + ".0f, " + (e.stereo ? "1" : "0") + "}, // " +
                     std::to_string(entry) + " " + names[static_cast<std::size_t>(entry)] + "\n";
            list += "TXT " + std::to_string(factory_samples::kFirstResourceId + entry) + " " + entryFile(entry) + "\n";
        }
        table += "};\n\n} // namespace factory_samples\n";
        writeFile(folder + "/factory_sample_specs.cpp", table);
        writeFile(folder + "/factory_samples.list", list);
    } catch (const std::exception& error) {
        std::cerr << "kravo_factory_sample_generator: error: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
