#pragma once

#include "engine/effects/effect_clock.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace effects {

// A left and a right line of a power-of-two length, written at the running
// sample counter.
template <std::uint32_t Length>
struct StereoLines {
    static constexpr std::uint32_t kLength = Length;
    static constexpr std::uint32_t kMask = kLength - 1;

    void write(std::uint32_t counter, float l, float r)
    {
        left[counter & kMask] = l;
        right[counter & kMask] = r;
    }

    void clear()
    {
        std::fill(std::begin(left), std::end(left), 0.0f);
        std::fill(std::begin(right), std::end(right), 0.0f);
    }

    // No initialiser: a slot clears the lines when it takes a type that reads them.
    float left[kLength];
    float right[kLength];
};

// The slot's two long delay lines: the delays, the delay stage of
// "Chorus / Delay" and the "WahWah Delay" share them.
struct LongDelayLines : StereoLines<262144> {
    static constexpr float kLongestRead = static_cast<float>(kLength - 1);

    static constexpr float kDenormalOffset = 1e-15f;

    // Where a read d samples ago falls: whole samples back, and the fraction towards the one before. Worked out
    // once for as long as d holds.
    struct Tap {
        std::uint32_t whole = 0;
        float fraction = kDenormalOffset; // the tap at 0
    };

    static Tap tapAt(float d)
    {
        d = std::clamp(d, 0.0f, kLongestRead);
        const auto whole = static_cast<std::uint32_t>(d);
        return {whole, d - static_cast<float>(whole) + kDenormalOffset};
    }

    // The sample at a tap, linearly towards the one before it for the fraction.
    static float read(const float* line, std::uint32_t counter, Tap tap)
    {
        const std::uint32_t p = (counter - tap.whole) & kMask;
        const float x0 = line[p];
        const float x1 = line[(p - 1) & kMask];
        return x0 + (x1 - x0) * tap.fraction + kDenormalOffset;
    }

    // The sample d samples ago.
    static float readLinear(const float* line, std::uint32_t counter, float d)
    {
        return read(line, counter, tapAt(d));
    }

    // A plain echo with feedback on both sides at one length: the lines take
    // the input plus the fed-back echo, the result is the input plus the echo
    // at the given volume.
    StereoPair echo(std::uint32_t counter, float length, float l, float r, float feedback, float volume)
    {
        const float delayedLeft = readLinear(left, counter, length);
        const float delayedRight = readLinear(right, counter, length);
        write(counter, l + feedback * delayedLeft, r + feedback * delayedRight);
        return {l + volume * delayedLeft, r + volume * delayedRight};
    }
};

// The slot's two short modulation lines: "Chorus", "Chorus / Delay" and
// "Flanger" read them at moving positions.
struct ModulationLines : StereoLines<16384> {
    // The cubic read needs one newer sample than the one it starts from.
    static constexpr float kLongestRead = static_cast<float>(kLength - 2);

    // The sample d samples ago, by 4-point cubic Hermite interpolation.
    static float readCubic(const float* line, std::uint32_t counter, float d)
    {
        // Long base delays at high rates would reach past the line.
        d = std::clamp(d, 0.0f, kLongestRead);
        float q = static_cast<float>(counter & kMask) - d;
        if (q < 0.0f)
            q += static_cast<float>(kLength);
        const auto i = static_cast<std::uint32_t>(q);
        const float f = q - static_cast<float>(i);
        const float xm1 = line[(i - 1) & kMask];
        const float x0 = line[i & kMask];
        const float x1 = line[(i + 1) & kMask];
        const float x2 = line[(i + 2) & kMask];
        const float c1 = 0.5f * (x1 - xm1);
        const float c2 = xm1 - 2.5f * x0 + 2.0f * x1 - 0.5f * x2;
        const float c3 = 0.5f * (x2 - xm1) + 1.5f * (x0 - x1);
        return x0 + f * (c1 + f * (c2 + f * c3));
    }
};

// A ring of 65536 samples written at the running sample counter and read a
// whole number of samples behind it: the reverbs' pre-delays and the spread
// delay of the reverbs and the phaser.
struct SampleRing {
    static constexpr std::uint32_t kLength = 65536;
    static constexpr std::uint32_t kMask = kLength - 1;

    void write(std::uint32_t counter, float x) { samples[counter & kMask] = x; }
    float read(std::uint32_t counter, std::uint32_t delay) const { return samples[(counter - delay) & kMask]; }
    // The sample d samples ago, linearly towards the one before it for the fraction.
    float readLinear(std::uint32_t counter, float d) const
    {
        const auto whole = static_cast<std::uint32_t>(d);
        const float x0 = read(counter, whole);
        return x0 + (read(counter, whole + 1) - x0) * (d - static_cast<float>(whole));
    }
    void clear() { std::fill(std::begin(samples), std::end(samples), 0.0f); }

    // No initialiser: a slot clears the ring when it takes a type that reads it.
    float samples[kLength];
};

} // namespace effects
