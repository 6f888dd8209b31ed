#include "engine/engine.h"

#include "engine/distortion/voice_distortion.h"
#include "engine/dsp/random_source.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/mixer_parameters.h"
#include "plugin/parameters/modulation_parameters.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

namespace param = kravo::param;

constexpr int kOffsetSource = 27;

class EngineTest : public ::testing::Test {
protected:
    EngineTest() : params(param::kParameterCount, 0.0f), engine(std::make_unique<Engine>())
    {
        for (int n = 0; n < param::kModRowCount; ++n)
            params[param::modRowModAmount[n]] = 0.5f;
        engine->attach(params.data(), nullptr);
        dsp::seedRandom(7);
        engine->initEngine();
    }

    std::vector<float> params;
    std::unique_ptr<Engine> engine;
};

TEST_F(EngineTest, InitialisationSetsTheOffsetSourceAndSpreadsSlotZerosNoise)
{
    EXPECT_EQ(engine->getModulation().globalSources().values[kOffsetSource].bipolar, 1.0f);
    EXPECT_EQ(engine->getModulation().slotSources(23).values[kOffsetSource].bipolar, 1.0f);
    const tables::NoiseTable& noise = engine->getNoiseTable();
    EXPECT_EQ(engine->voiceContext(0, 0).readNoise(), noise.left[1] / 32768.0f);
    EXPECT_EQ(engine->voiceContext(0, 1).readNoise(), noise.left[123125] / 32768.0f);
    EXPECT_EQ(engine->voiceContext(0, 1).readNoise(), noise.left[123126] / 32768.0f);
}

// The "Main Volume" modulation reaches a voice's level; a voice on bus 0 reaches the output.
TEST_F(EngineTest, GlobalModulationAndBusesReachTheVoicesAndTheOutput)
{
    params[param::modRowSource[0]] = (kOffsetSource + 0.5f) / 199.99f;
    params[param::modRowDestination[0]] = (1 + 0.5f) / 699.99f; // "Main Volume"
    params[param::modRowAmount[0]] = 0.75f;                     // +0.5
    engine->decodeModulationMatrix();
    engine->updateGlobalModulators();
    params[param::voiceVolume[0]] = 0.5f;
    params[param::voicePan[0]] = 0.5f;
    dsp::VoiceDistortion distortion;
    distortion.start(0);
    voices::DbGainMemo volumeGain;
    EXPECT_FLOAT_EQ(engine->voiceContext(0, 0).prepareOutput(1.0f, distortion, volumeGain).gain, 1.0f);

    params[param::kMainVolume] = 0.8f; // 0 dB
    engine->updateMasterGain();
    engine->clearBuses();
    engine->voiceContext(3, 1).route(0.25f, -0.5f);
    float left = 0.0f;
    float right = 0.0f;
    engine->mixOutput(left, right);
    EXPECT_EQ(std::pair(left, right), std::pair(0.25f, -0.5f));
}

// The engine copies the two global offsets as one 8-byte pair every sample; an unaligned pair
// can straddle a cache line or a page, wherever the engine happens to lie.
TEST_F(EngineTest, GlobalOffsetsAreOneAlignedPair)
{
    const voices::VoiceContext& c = engine->voiceContext(0, 0);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(c.globalVolumeOffset) % 8, 0u);
    EXPECT_EQ(c.globalPanOffset, c.globalVolumeOffset + 1);
}

TEST_F(EngineTest, EffectTypesAreTakenUpAtTheNextDecodeAndRetunedWithTheRate)
{
    params[param::effectType[2]] = (20 + 0.5f) / 49.99f; // "Equalizer"
    params[param::kEffectRouting] = (3 + 0.5f) / 9.99f;
    engine->decodeEffectRouting();
    EXPECT_EQ(engine->getMasterEffectType(2), 20);
    EXPECT_EQ(engine->getMasterEffectType(1), 0);
    EXPECT_EQ(engine->getEffectRouting(), 3);

    const float before = engine->getMasterEffectSlot(0).equalizerBands[4].a1;
    engine->setSampleRate(96000.0f);
    EXPECT_NE(engine->getMasterEffectSlot(0).equalizerBands[4].a1, before);
}

TEST_F(EngineTest, EasyLfoFollowsItsTwoKnobs)
{
    params[param::kEasyLfoAmount] = 0.25f;
    params[param::kEasyLfoSpeed] = 1.0f;
    engine->updateEasyLfo();
    EXPECT_FLOAT_EQ(engine->getEasyLfoAmount(), -0.25f);
    EXPECT_FLOAT_EQ(engine->getEasyLfoSpeedFactor(), 32.0f);
}

} // namespace
