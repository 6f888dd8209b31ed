#include "engine/effects/reverb_engine.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace {

using effects::ReverbEngine;

std::unique_ptr<ReverbEngine> engineAt(float rate)
{
    auto engine = std::make_unique<ReverbEngine>();
    engine->init();
    engine->setSampleRate(rate);
    return engine;
}

float noise(int i) { return std::sin(static_cast<float>(i) * 12.9898f) * 0.9f; }

TEST(ReverbEngine, CombsAndAllpassesFollowTheirTuningsTheRateAndTheLengthScale)
{
    constexpr int kCombs[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617, 1680, 1046};
    constexpr int kAllpasses[] = {556, 441, 341, 225};
    struct Case {
        float rate;
        float scale; // 0: the lengths the rate alone gives
        double factor;
    };
    for (const Case& c : {Case{44100.0f, 0.0f, 1.0}, Case{88200.0f, 0.0f, 2.0}, Case{44100.0f, 0.25f, 0.25}}) {
        auto engine = engineAt(c.rate);
        if (c.scale > 0.0f)
            engine->setLengthScale(c.scale);
        for (int side = 0; side < 2; ++side) {
            for (int i = 0; i < ReverbEngine::kCombCount; ++i)
                EXPECT_EQ(engine->combLength(side, i), static_cast<int>((kCombs[i] + 23 * side) * c.factor + 0.5))
                    << c.rate << " side " << side << " comb " << i;
            for (int k = 0; k < ReverbEngine::kAllpassCount; ++k)
                EXPECT_EQ(engine->allpassLength(side, k),
                          static_cast<int>((kAllpasses[k] + 23 * side) * c.rate / 44100.0 + 0.5));
        }
    }
}

TEST(ReverbEngine, RoomSizeSetsTheFeedbackAndTheFiltersSwitchOffAtTheirEnds)
{
    auto engine = engineAt(44100.0f);
    engine->setRoomSize(0.0f);
    EXPECT_NEAR(engine->feedback(), 0.65f, 0.005f);
    engine->setRoomSize(1.0f);
    EXPECT_NEAR(engine->feedback(), 0.98f, 0.005f);
    engine->setFilters(1.0f, 0.0f);
    EXPECT_EQ(engine->lowPassCoefficient(), 1.0f);
    EXPECT_EQ(engine->highPassCoefficient(), 0.0f);
    engine->setFilters(0.5f, 0.5f);
    EXPECT_NEAR(engine->lowPassCoefficient(), 2.0f * 640.0f / 44100.0f, 1e-6f);
    EXPECT_NEAR(engine->highPassCoefficient(), 2.0f * 640.0f / 44100.0f, 1e-6f);
}

// At the highest accepted rate and the largest scale the lengths are held
// inside their fixed buffers; a clear leaves no old tail for any comb to
// find, however long.
TEST(ReverbEngine, AtTheHighestRateLengthsStayInTheirBuffersAndAClearLeavesNoTail)
{
    for (float rate : {44100.0f, 500000.0f}) {
        auto engine = engineAt(rate);
        engine->setRoomSize(1.0f);
        engine->setLengthScale(4.4f);
        for (int side = 0; side < 2; ++side)
            for (int i = 0; i < ReverbEngine::kCombCount; ++i)
                EXPECT_LT(engine->combLength(side, i), static_cast<int>(ReverbEngine::kCombFrames));
        float left = 0.0f;
        float right = 0.0f;
        float peak = 0.0f;
        for (int i = 0; i < 70000; ++i) {
            engine->process(noise(i), noise(i + 99), left, right);
            peak = std::fmax(peak, std::fabs(left));
        }
        EXPECT_GT(peak, 0.01f);
        engine->clear();
        float after = 0.0f;
        for (int i = 0; i < 70000; ++i) {
            engine->process(0.0f, 0.0f, left, right);
            ASSERT_TRUE(std::isfinite(left) && std::isfinite(right));
            after = std::fmax(after, std::fmax(std::fabs(left), std::fabs(right)));
        }
        EXPECT_LT(after, 1e-5f) << rate;
    }
}


// The engine as one plain sample after another: every comb and all-pass reads what was written its
// length before (nothing before the start), with the engine's own lengths and coefficients.
class PlainReverb {
public:
    PlainReverb(const ReverbEngine& engine, int samples) : engine_(engine)
    {
        for (auto& history : combs_)
            history.assign(static_cast<std::size_t>(samples), 0.0f);
        for (auto& history : allpasses_)
            history.assign(static_cast<std::size_t>(samples), 0.0f);
        preDelay_.assign(static_cast<std::size_t>(samples), 0.0f);
    }

    void setDamping(float x) { damp1_ = 0.55f * x; }
    void setPreDelay(int samples) { preDelayLength_ = samples; }

    void process(int t, float inLeft, float inRight, float& outLeft, float& outRight)
    {
        constexpr float kOffset = 1e-8f;
        const auto at = [t](const std::vector<float>& history, int length) {
            return t >= length ? history[static_cast<std::size_t>(t - length)] : 0.0f;
        };
        preDelay_[static_cast<std::size_t>(t)] = inLeft;
        const float input[2] = {at(preDelay_, preDelayLength_), inRight};
        float sums[2] = {kOffset, kOffset};
        for (int k = 0; k < 20; ++k) {
            const int side = k / ReverbEngine::kCombCount;
            const float delayed = at(combs_[k], engine_.combLength(side, k % ReverbEngine::kCombCount));
            states_[k] = damp1_ * states_[k] + (1.0f - damp1_) * delayed + kOffset;
            combs_[k][static_cast<std::size_t>(t)] = states_[k] * engine_.feedback() + input[side] + kOffset;
            sums[side] += delayed;
        }
        float out[2];
        for (int side = 0; side < 2; ++side) {
            const float a = engine_.lowPassCoefficient();
            const float b = engine_.highPassCoefficient();
            low_[side] = sums[side] * a + low_[side] * (1.0f - a);
            high_[side] = low_[side] * b + high_[side] * (1.0f - b);
            float y = low_[side] - high_[side];
            for (int n = 0; n < ReverbEngine::kAllpassCount; ++n) {
                std::vector<float>& history = allpasses_[side * ReverbEngine::kAllpassCount + n];
                const float o = at(history, engine_.allpassLength(side, n));
                history[static_cast<std::size_t>(t)] = 0.5f * o + y + kOffset;
                y = o - y;
            }
            out[side] = 0.025f * y;
        }
        outLeft = out[0];
        outRight = out[1];
    }

private:
    const ReverbEngine& engine_;
    std::array<std::vector<float>, 20> combs_;
    std::array<std::vector<float>, 8> allpasses_;
    std::vector<float> preDelay_;
    int preDelayLength_ = 0;
    float states_[20] = {};
    float low_[2] = {};
    float high_[2] = {};
    float damp1_ = 0.275f;
};

// Lengths, room size, damping and filters move at odd samples, some combs shorter than any run of samples
// the engine might work out at once, over more than one turn of the rings: every output as the plain model's.
TEST(ReverbEngine, SoundsAsEachSampleInTurnWhateverMovesBetweenThem)
{
    constexpr int kSamples = 20000;
    auto engine = engineAt(44100.0f);
    PlainReverb plain(*engine, kSamples);
    int nextMove = 0;
    for (int t = 0; t < kSamples; ++t) {
        if (t == nextMove) {
            const int move = t / 97;
            // Lengths, coefficients, filters, all three.
            const int what = move % 4;
            if (what == 0 || what == 3) {
                engine->setLengthFactors(1.0f + 0.002f * noise(move), 1.0f - 0.002f * noise(move + 5));
                engine->setLengthScale(move % 7 == 3 ? 0.006f : 0.3f + std::fabs(noise(move + 9)));
            }
            if (what == 1 || what == 3) {
                engine->setRoomSize(0.5f + 0.5f * noise(move + 1));
                const float damping = 0.5f + 0.5f * noise(move + 2);
                engine->setDamping(damping);
                plain.setDamping(damping);
            }
            if (what == 2 || what == 3)
                engine->setFilters(0.6f + 0.4f * noise(move + 3), 0.4f * std::fabs(noise(move + 4)));
            const int delay = move % 9;
            engine->setPreDelay(static_cast<std::uint32_t>(delay));
            plain.setPreDelay(delay);
            nextMove += 1 + static_cast<int>(300.0f * std::fabs(noise(move + 7)));
        }
        float left, right, expectedLeft, expectedRight;
        engine->process(noise(t), noise(t + 31), left, right);
        plain.process(t, noise(t), noise(t + 31), expectedLeft, expectedRight);
        ASSERT_EQ(left, expectedLeft) << t;
        ASSERT_EQ(right, expectedRight) << t;
    }
}

} // namespace
