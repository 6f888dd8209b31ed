#include "engine/voices/shared_lfo.h"

#include "engine/dsp/random_source.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <vector>

namespace {

constexpr float kRate = 0.21484375f; // a free speed of 0 then steps by exactly the factor
constexpr int kSamples = 20000;

std::uint32_t bits(float x) { return std::bit_cast<std::uint32_t>(x); }

// One scripted life of a filter LFO: runs and rests, rate changes, reads and
// extra steps by a voice, with another consumer drawing from the random
// source after each sample's step. Returns what the reads and that consumer saw.
std::vector<std::uint32_t> live(bool shared, int round)
{
    std::uint32_t state = 99u + static_cast<std::uint32_t>(round);
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    std::uint32_t clock = next();
    std::uint32_t groupDue = clock; // as the engine keeps it: looked at only when it has come
    voices::SharedLfo lazy;
    lazy.bindClock(&clock, &groupDue);
    lazy.init(kRate);
    dsp::Lfo plain;
    plain.init(kRate);
    // The shared LFO's members are reached through current(), which takes no step while nothing is owed.
    dsp::Lfo& settings = shared ? lazy.current() : plain;
    settings.setHumanize(round % 2 == 0 ? 0.7f : 0.0f);
    settings.setWave((round % 3 == 0 ? 5.5f : 0.5f) / 5.99f); // sample and hold, or sine
    dsp::seedRandom(static_cast<std::uint32_t>(round) + 1u);
    std::vector<std::uint32_t> seen;
    bool running = false;
    dsp::LfoRate rate{0.0f, 0.0f, 120.0f, 1.0e-3f};
    for (int sample = 0; sample < kSamples; ++sample) {
        ++clock;
        const std::uint32_t event = next() % 1000;
        if (event < 2) {
            running = !running;
            if (shared)
                running ? lazy.start() : lazy.stop();
        }
        if (event >= 2 && event < 6)
            rate.factor = std::bit_cast<float>(((127u - 3u - next() % 14) << 23) | (next() & 0x7fffff));
        if (running) {
            if (shared) {
                lazy.setRate(rate);
                if (static_cast<std::int32_t>(clock - groupDue) >= 0) {
                    groupDue = clock + (1u << 30);
                    lazy.visit();
                }
            } else {
                plain.setRate(rate);
                plain.output();
            }
        } else if (!shared) {
            plain.advance();
        }
        seen.push_back(dsp::randomBits());
        if (running && event >= 6 && event < 40) {
            dsp::Lfo& lfo = shared ? lazy.current() : plain;
            seen.push_back(bits(lfo.bipolarOutput()));
            if (event < 12) { // a voice stepping the LFO itself
                lfo.output();
                if (shared)
                    lazy.reschedule();
            }
        }
    }
    seen.push_back(bits((shared ? lazy.peek() : plain).phase()));
    return seen;
}

// Visited only when its group's due tick has come, the shared LFO draws at the
// same samples, in the same order among other draws, and reads the same
// values as an LFO stepped every sample.
TEST(SharedLfo, RunsAsAnLfoSteppedEverySampleDrawingInTheSameOrder)
{
    for (int round = 0; round < 30; ++round) {
        const std::vector<std::uint32_t> plain = live(false, round);
        const std::vector<std::uint32_t> shared = live(true, round);
        ASSERT_EQ(shared.size(), plain.size()) << "round " << round;
        for (std::size_t i = 0; i < plain.size(); ++i)
            ASSERT_EQ(shared[i], plain[i]) << "round " << round << ", record " << i << " of " << plain.size();
    }
}

} // namespace
