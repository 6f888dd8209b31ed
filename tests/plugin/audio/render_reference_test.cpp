#include "platform/clock.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/effect_type_names.h"
#include "plugin/parameters/mixer_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/pattern_parameters.h"
#include "plugin/parameters/sample_slot_parameters.h"
#include "tests/support/plugin_renderer.h"
#include "tests/support/render_hash.h"
#include "tests/support/sample_files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Rendered references of the whole engine: the sample slots in three sample
// formats, patterns under a stopping and restarting transport, every master
// effect type and seeded random programs. Work moved for speed must leave the
// sound as it was, to the last bit of every sample: these hashes keep it.
namespace {

namespace param = kravo::param;
using kravo::test::PluginRenderer;
using kravo::test::ValueSequence;

// A plug-in object whose random seed is the same on every run.
std::unique_ptr<PluginRenderer> seededRenderer()
{
    platform::ManualClock clock(2026);
    platform::setClock(&clock);
    auto renderer = std::make_unique<PluginRenderer>();
    platform::setClock(nullptr);
    return renderer;
}

std::uint64_t hashOf(const PluginRenderer& r)
{
    return kravo::test::stereoHash(r.left, r.right);
}

// A decaying tone with some noise in it, the same on every build.
std::vector<std::int16_t> toneFrames(int frames, int channels, double cyclesPerFrame)
{
    std::vector<std::int16_t> samples;
    ValueSequence noise(99);
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c) {
            const double tone = std::sin(cyclesPerFrame * (c + 1) * i) * std::exp(-i / 3000.0);
            samples.push_back(static_cast<std::int16_t>(20000.0 * tone + 2000.0 * (noise.next() - 0.5)));
        }
    return samples;
}

std::string eightBitFrames(const std::vector<std::int16_t>& samples)
{
    std::string bytes;
    for (std::int16_t s : samples)
        bytes.push_back(static_cast<char>((s >> 8) + 128));
    return bytes;
}

// Three files in three of the formats the sample slots decode: 16-bit stereo
// WAV, 8-bit mono WAV and 16-bit mono AIFF (big-endian).
class SampleFiles {
public:
    SampleFiles()
    {
        namespace t = kravo::test;
        t::writeFile(path(0), t::wavBytes(toneFrames(9000, 2, 0.031), 2, 44100));
        const t::WavFile eightBit{.rate = 22050, .bits = 8, .frames = eightBitFrames(toneFrames(4000, 1, 0.05))};
        t::writeFile(path(1), eightBit.bytes());
        const t::AiffFile bigEndian{.rate = t::extendedRate(48000), .frames = t::bigWords(toneFrames(7000, 1, 0.013))};
        t::writeFile(path(2), bigEndian.bytes());
    }
    std::string path(int file) const
    {
        return (folder / (file == 2 ? "tone2.aiff" : "tone" + std::to_string(file) + ".wav")).string();
    }

    // Layer l of slot s gets file (2s + l) mod 3.
    void loadInto(APlugin& plugin) const
    {
        for (int layer = 0; layer < LayerSamples::kLayers; ++layer) {
            auto buffer = std::make_unique<SampleBuffer>();
            buffer->reset();
            const int file = layer % 3;
            ASSERT_TRUE(buffer->setPath(path(file).c_str()));
            ASSERT_TRUE(file == 2 ? buffer->readAiffFile() : buffer->readWavFile()) << path(file);
            plugin.getLayerSamples().replace(layer, std::move(buffer));
        }
    }

private:
    kravo::test::TempFolder folder;
};

// Every sample slot's eight voices: both layers on, first with the factory
// values, then with every layer, slot and distortion parameter from a fixed sequence.
TEST(RenderReference, SampleSlotsRenderAsBefore)
{
    const SampleFiles files;
    constexpr std::uint64_t kReference[2] = {0x757d1b3065048932ull, 0x5efb4e85372dfe62ull};
    for (int set = 0; set < 2; ++set) {
        auto r = seededRenderer();
        files.loadInto(*r->plugin);
        ValueSequence values(31u + static_cast<std::uint32_t>(set));
        for (int s = 0; s < param::kSampleSlotCount; ++s) {
            const int slot = param::kFirstSampleSlot + s;
            for (const param::SampleLayerLayout& layer : param::sampleLayerLayouts) {
                r->set(layer.on + s, 1.0f);
                r->set(layer.volume + s, 1.0f);
                if (set == 0)
                    continue;
                for (int first : {layer.loop, layer.reverse, layer.loopStartLow, layer.loopEndLow,
                                  layer.filterLfoAmount, layer.filterLfoSpeed})
                    r->set(first + s, values.next());
                for (int j = 0; j < param::soundblock::kParameterCount; ++j)
                    r->set(layer.soundBlock + param::kSampleSlotCount * j + s, values.next());
                for (int j = 0; j < param::playblock::kParameterCount; ++j)
                    r->set(layer.playBlock + param::kSampleSlotCount * j + s, values.next());
            }
            // The factory values play layer A, B, both alternately, split or mixed, through each
            // distortion type in turn; the sequence gives every slot parameter a value.
            for (const auto* table : {&param::sampleSlotLayerMode, &param::sampleSlotMix,
                                      &param::sampleSlotVelocitySplit, &param::sampleSlotSpread,
                                      &param::sampleSlotCombine, &param::sampleSlotLfoMode, &param::sampleSlotLfoSync})
                if (set == 1)
                    r->set((*table)[s], values.next());
            for (const auto* table : {&param::voiceDistortionFirst, &param::voiceDistortionSecond,
                                      &param::voiceVelocityToVolume})
                r->set((*table)[slot], set == 0 ? 0.6f : values.next());
            r->set(param::voiceDistortionType[slot],
                   set == 0 ? (s + 0.5f) / param::choicescale::kDistortionType : values.next());
            if (set == 0)
                r->set(param::sampleSlotLayerMode[s], (s % 5 + 0.5f) / param::choicescale::kSampleLayerMode);
        }
        for (int round = 0; round < 3; ++round) {
            for (int s = 0; s < param::kSampleSlotCount; ++s)
                r->noteOn(param::kFirstSampleSlot + s, 127 - 30 * round - s, 5 * s);
            r->render(9000);
        }
        const std::uint64_t hash = hashOf(*r);
        EXPECT_EQ(hash, kReference[set]) << "set " << set << std::hex << " 0x" << hash;
        EXPECT_GT(r->peak(0.0, 0.6), 0.0f);
    }
}

// Pattern 1 with a step on every beat of its first four tracks, the transport
// running at 120 BPM, its pad held for three seconds.
TEST(RenderReference, PatternRendersAsBefore)
{
    constexpr int kFirstPatternNote = 24;
    constexpr int kBlock = 64;
    auto r = seededRenderer();
    for (int track = 0; track < param::kTrackCount; ++track)
        for (int step = track; step < param::kStepCount; step += 4)
            r->set(param::stepAttributeIndex(param::StepAttribute::On, 0, track, step), 1.0f);
    r->timeInfo.flags = plugTimeTempoValid | plugTimePpqPosValid | plugTimeTransportPlaying;
    r->noteOn(kFirstPatternNote, 100);
    for (int done = 0; done < 3 * 44100; done += kBlock) {
        r->timeInfo.ppqPos = done / 44100.0 * 2.0;
        r->timeInfo.samplePos = done;
        r->render(kBlock);
    }
    const std::uint64_t hash = hashOf(*r);
    EXPECT_EQ(hash, 0x202049c931319ee9ull) << std::hex << " 0x" << hash;
    EXPECT_GT(r->peak(1.0, 3.0), 0.0f);
}

// The host's transport stops and starts again while patterns play, free and
// latched, and the tempo changes: blocks of 100 frames, with drum notes
// inside the blocks.
TEST(RenderReference, TransportTempoAndLatchRenderAsBefore)
{
    constexpr int kBlock = 100;
    constexpr int kBlocks = 1200;
    auto r = seededRenderer();
    for (int pattern = 0; pattern < 2; ++pattern)
        for (int step = 0; step < param::kStepCount; step += 2 + pattern)
            r->set(param::stepAttributeIndex(param::StepAttribute::On, pattern, pattern, step), 1.0f);
    double quarters = 0.0;
    for (int b = 0; b < kBlocks; ++b) {
        // Stopped once with the patterns free and once with them latched.
        const bool playing = !(b >= 300 && b < 340) && !(b >= 650 && b < 660);
        r->timeInfo.tempo = b < 600 ? 120.0 : 96.0 + b % 7;
        r->timeInfo.flags = plugTimeTempoValid | plugTimePpqPosValid | (playing ? plugTimeTransportPlaying : 0);
        r->timeInfo.ppqPos = quarters;
        if (playing)
            quarters += kBlock / 44100.0 * r->timeInfo.tempo / 60.0;
        if (b == 10 || b == 350)
            r->noteOn(24, 100, 37);
        if (b == 20 || b == 360)
            r->noteOn(25, 90, 63);
        if (b == 500)
            r->set(param::kPatternLatching, 1.0f);
        if (b == 520)
            r->midi(51, 0x89, 24, 0);
        if (b == 800)
            r->set(param::kPatternLatching, 0.0f);
        if (b % 9 == 0)
            r->noteOn(b % 24, 60 + b % 60, b % kBlock);
        r->render(kBlock);
    }
    const std::uint64_t hash = hashOf(*r);
    EXPECT_EQ(hash, 0x066f526ebad59a54ull) << std::hex << " 0x" << hash;
    EXPECT_GT(r->peak(0.0, 2.0), 0.0f);
}

// All four master effect slots take each type in turn, fed by a bass drum, a
// snare, a hi-hat and a clap, with their ten parameters from a fixed sequence.
TEST(RenderReference, EveryEffectTypeRendersAsBefore)
{
    constexpr std::uint64_t kReference[param::kEffectTypeCount] = {
        0x1f21885cd8d0b789ull, 0x35b5def8db079626ull, 0x551791980c102d22ull, 0x6fb2448b613ca2b3ull,
        0xd06190e142023950ull, 0x2d3a629cc431d0a7ull, 0xb84958a92bed8a6ull, 0x47cbe47ea2937e32ull,
        0xa632299a0ae3bb77ull, 0xac1d670d6d558d98ull, 0x64701fab462a4e87ull, 0x3ac064f0ebe594f8ull,
        0x4f1d7f14c876bb7bull, 0xd718f0aa4b5cfc6aull, 0x32e28cda78a33febull, 0x5e134ab93e7c2b7dull,
        0x1c9a58b5f5352bdull, 0xea3adb83a607bbf7ull, 0x64ee9ca9464e1097ull, 0xc0fc5ef134ad26e2ull,
        0x6e7d4137d1c90aa8ull, 0x82fae7935fec60full, 0xea64d272809236d0ull, 0x2c142a2ed6365ef4ull,
        0x45a0fd5836d1e0c8ull, 0x6da2db7dff47857full, 0x3f6724d774ae7d8ull,
    };
    constexpr int kSendingSlots[4] = {0, 2, 4, 8};
    auto r = seededRenderer();
    ValueSequence values(5150);
    for (int s = 0; s < 4; ++s) {
        r->set(param::voiceOutput[kSendingSlots[s]], (1.5f + s) / 24.99f);
        r->set(param::effectSlotMix[s], 0.7f);
    }
    for (int type = 0; type < param::kEffectTypeCount; ++type) {
        for (int s = 0; s < 4; ++s) {
            r->set(param::effectType[s], (type + 0.5f) / 49.99f);
            for (int k = 0; k < param::kEffectParameterCount; ++k)
                r->set(param::effectParameterIndex(s, k), values.next());
        }
        r->left.clear();
        r->right.clear();
        for (int s = 0; s < 4; ++s)
            r->noteOn(kSendingSlots[s], 120, 100 + 30 * s);
        r->render(6000);
        r->noteOn(kSendingSlots[type % 4], 80);
        r->render(6000);
        const std::uint64_t hash = hashOf(*r);
        EXPECT_EQ(hash, kReference[type]) << param::kEffectTypeNames[type] << std::hex << " 0x" << hash;
    }
}

// Every parameter but the reload trigger random, the sample slots loaded, a
// pattern running and all 24 pads struck: each program hashed on its own.
TEST(RenderReference, SeededRandomProgramsRenderAsBefore)
{
    constexpr int kPrograms = 8;
    constexpr std::uint64_t kReference[kPrograms] = {
        0x4f03cc164ba25ad9ull, 0x1417efcf1e80ee75ull, 0xdf081a1958779152ull, 0x6dac1ac4e273501ull,
        0xffb82f17e5f5b446ull, 0x7ea38112d60d11faull, 0xba21cd8ff0c0560aull, 0x9695c331c29c8807ull,
    };
    constexpr int kFirstPatternNote = 24;
    const SampleFiles files;
    auto r = seededRenderer();
    files.loadInto(*r->plugin);
    ValueSequence values(8086);
    for (int program = 0; program < kPrograms; ++program) {
        for (int index = 0; index < param::kReloadTrigger; ++index)
            r->set(index, values.next());
        r->plugin->resetAllVoices();
        r->left.clear();
        r->right.clear();
        r->noteOn(kFirstPatternNote + program, 100);
        for (int pad = 0; pad < param::kVoiceSlotCount; ++pad)
            r->noteOn(pad, 40 + 3 * pad, 3 * pad);
        r->render(8192);
        for (int pad = 0; pad < param::kVoiceSlotCount; pad += 3)
            r->noteOn(pad, 127, pad);
        r->render(8192);
        r->midi(0, 0x89, static_cast<std::uint8_t>(kFirstPatternNote + program), 0);
        const std::uint64_t hash = hashOf(*r);
        EXPECT_EQ(hash, kReference[program]) << "program " << program << std::hex << " 0x" << hash;
    }
}

} // namespace
