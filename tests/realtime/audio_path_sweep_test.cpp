#include "engine/modulation/mod_destinations.h"
#include "engine/modulation/mod_sources.h"
#include "plugin/aplugin.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/effect_type_names.h"
#include "plugin/parameters/modulation_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/sample_slot_parameters.h"
#include "plugin/parameters/synth_layer_parameters.h"
#include "plugin/parameters/user_parameters.h"
#include "tests/realtime/audio_path_setup.h"
#include "tests/realtime/realtime_calls.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace {

namespace param = kravo::param;
using kravo::test::kBlock;
using kravo::test::RealtimeCalls;
using kravo::test::realtimeCallsDuring;

// The effect parameter that picks a type's mode, and how many modes its menu has.
struct EffectMode {
    std::string_view type;
    int parameter;
    int count;
};

constexpr EffectMode kEffectModes[] = {{"Amp Sim", 0, 6}, {"Gator", 2, 3},         {"Ring-Mod", 0, 5},
                                       {"Filter", 0, 15}, {"Cabinet", 0, 4},       {"Multi Distort", 0, 12},
                                       {"AutoWah", 0, 2}};

// An effect row's destination: one of its slot's cells, as the effect page lists them.
constexpr float kEffectRowDestinationScale = 49.99f;

constexpr float choiceValue(int entry, float scale) { return (entry + 0.5f) / scale; }

// Each row of the matrix from a running source (envelopes, LFOs, the constant) to a cell that is read: the voice
// rows to one synthesised or sample voice each, the effect rows to their slot's cells.
void routeEveryModulationRow(APlugin& plugin)
{
    using modulation::voiceDestination;
    namespace voicedest = modulation::voicedest;
    const auto destination = [](int cell) { return choiceValue(cell, param::choicescale::kModDestination); };
    const auto source = [](int number) { return choiceValue(number, param::choicescale::kModSource); };
    for (int e = 0; e < 2; ++e) {
        plugin.setParameter(param::envelopeBase[e] + param::envelope::kDestination,
                            destination(voiceDestination(e, voicedest::kPitch)));
        plugin.setParameter(param::envelopeBase[e] + param::envelope::kAmount, 0.8f);
    }
    for (int l = 0; l < 2; ++l) {
        plugin.setParameter(param::lfoBase[l] + param::lfo::kDestination,
                            destination(voiceDestination(2 + l, voicedest::kFilterFreq)));
        plugin.setParameter(param::lfoBase[l] + param::lfo::kAmount, 0.8f);
    }
    for (int n = 0; n < param::kModRowCount; ++n) {
        plugin.setParameter(param::modRowSource[n], source(modulation::source::kEnv1 + n % 5));
        plugin.setParameter(param::modRowDestination[n],
                            destination(voiceDestination(3 * n, voicedest::kVolume + n % 4)));
        plugin.setParameter(param::modRowModSource[n], source(modulation::source::kLfo1));
        plugin.setParameter(param::modRowAmount[n], 0.9f);
        plugin.setParameter(param::modRowModAmount[n], 0.7f);
    }
    for (int s = 0; s < param::kEffectSlotCount; ++s) {
        plugin.setParameter(param::effectModSourceA[s], source(modulation::source::kLfo1));
        plugin.setParameter(param::effectModDestinationA[s], choiceValue(1 + s, kEffectRowDestinationScale));
        plugin.setParameter(param::effectModAmountA[s], 0.9f);
        plugin.setParameter(param::effectModSourceB[s], source(modulation::source::kOffset));
        plugin.setParameter(param::effectModDestinationB[s], choiceValue(5 + s, kEffectRowDestinationScale));
        plugin.setParameter(param::effectModAmountB[s], 0.2f);
    }
}

// Every effect type in every mode of its menu, every voice distortion kind, every row of the modulation matrix and
// sample layers played forward and looped, backward once and backward looped: bounded sweeps of two blocks each,
// with every pad struck before each.
TEST(AudioPath, EveryEffectModeDistortionKindModulationRowAndSampleDirectionMakesNoRealtimeCalls)
{
    constexpr int kBlocksPerSetting = 2;
    kravo::test::hostTime.flags = plugTimeTempoValid;
    std::unique_ptr<APlugin> plugin = kravo::test::makeRealtimePlugin();
    PluginRecord* record = plugin->getPluginRecord();
    kravo::test::TempFolder folder;
    using kravo::test::SampleDirection;
    kravo::test::loadSample(*plugin, folder, 0, true, SampleDirection::forward);
    kravo::test::loadSample(*plugin, folder, 1, false, SampleDirection::reverse);
    kravo::test::loadSample(*plugin, folder, 2, true, SampleDirection::reverse);
    // The synthesised voices sound only once their kinds have a model.
    for (const int model : param::synthVoiceModel)
        record->setParameter(record, model, param::drumModelValue(0));
    for (const int model : param::tomModel)
        record->setParameter(record, model, param::drumModelValue(0));
    routeEveryModulationRow(*plugin);

    // Each setting as a host's automation writes it, before the block that plays it.
    std::vector<std::vector<std::pair<int, float>>> settings;
    for (int type = 1; type < param::kEffectTypeCount; ++type) {
        const auto* mode = std::ranges::find(kEffectModes, param::kEffectTypeNames[type], &EffectMode::type);
        const int modes = mode == std::end(kEffectModes) ? 1 : mode->count;
        for (int m = 0; m < modes; ++m) {
            auto& writes = settings.emplace_back();
            for (int s = 0; s < param::kEffectSlotCount; ++s) {
                writes.emplace_back(param::effectType[s], choiceValue(type, param::choicescale::kEffectType));
                if (mode != std::end(kEffectModes))
                    writes.emplace_back(param::effectParameterIndex(s, mode->parameter), choiceValue(m, mode->count));
            }
        }
    }
    constexpr int kDistortionKinds = 20;
    for (int kind = 0; kind < kDistortionKinds; ++kind) {
        auto& writes = settings.emplace_back();
        for (const int voiceKind : param::voiceDistortionType)
            writes.emplace_back(voiceKind, choiceValue(kind, param::choicescale::kDistortionType));
    }

    float left[kBlock] = {}, right[kBlock] = {};
    float* outputs[2] = {left, right};
    RealtimeCalls calls;
    float peak = 0.0f;
    kravo::test::sendDrumsThroughEffects(record, {0, 0, 0, 0});
    for (const auto& writes : settings) {
        for (int pad = 0; pad < param::kVoiceSlotCount; ++pad)
            plugin->triggerPadFromEditor(pad);
        calls += realtimeCallsDuring([&] {
            for (const auto& [index, value] : writes)
                record->setParameter(record, index, value);
            for (int b = 0; b < kBlocksPerSetting; ++b)
                record->processReplacing(record, nullptr, outputs, kBlock);
        });
        for (float sample : left)
            peak = std::max(peak, std::abs(sample));
    }
    EXPECT_EQ(calls, RealtimeCalls{});
    EXPECT_GT(peak, 0.0f);
}

using Writes = std::vector<std::pair<int, float>>;

// Plays settings one after another, each as a host's automation writes it and then with its pads struck twice, so
// that both voices of each pad start afresh. The other pads are muted: their voices may ring on from earlier
// settings, unheard. The notes start in a block of one sample, after which `started` looks at the engine. Each
// setting's calls are checked on their own, so that the first failure names the road that made them.
class SettingPlayer {
public:
    explicit SettingPlayer(APlugin& plugin) : plugin_(plugin), record_(plugin.getPluginRecord()) {}

    // The setting's peak, in its last block, where only its own voices are heard.
    float play(const Writes& writes, std::span<const int> pads, const std::function<void()>& started = [] {})
    {
        for (const int pad : pads) {
            plugin_.triggerPadFromEditor(pad);
            plugin_.triggerPadFromEditor(pad);
        }
        float left[kBlock] = {}, right[kBlock] = {};
        float* outputs[2] = {left, right};
        const RealtimeCalls calls = realtimeCallsDuring([&] {
            for (const auto& [index, value] : writes)
                record_->setParameter(record_, index, value);
            for (int pad = 0; pad < param::kVoiceSlotCount; ++pad) {
                const bool heard = std::ranges::count(pads, pad) > 0;
                record_->setParameter(record_, param::voiceVolume[pad], heard ? 1.0f : 0.0f);
            }
            record_->processReplacing(record_, nullptr, outputs, 1);
            started();
            for (int b = 0; b < kBlocksPerSetting; ++b)
                record_->processReplacing(record_, nullptr, outputs, kBlock);
        });
        EXPECT_EQ(calls, RealtimeCalls{});
        float peak = 0.0f;
        for (int i = 0; i < kBlock; ++i)
            peak = std::max({peak, std::abs(left[i]), std::abs(right[i])});
        return peak;
    }

private:
    static constexpr int kBlocksPerSetting = 2;
    APlugin& plugin_;
    PluginRecord* record_;
};

// The layers each of a sample slot's modes starts, both layers being loaded. The pads are struck at a velocity
// above every slot's split but the last, and twice, so that "Alternate" plays A and then B.
struct LayerModeCase {
    const char* name;
    bool playsA;
    bool playsB;
};

constexpr LayerModeCase kLayerModes[] = {
    {"Sample A", true, false}, {"Sample B", false, true}, {"Alternate", true, true}, {"Split", true, true},
    {"Mix", true, true}};

// "Free Running" and "Triggered", the filter LFO modes of the sample slots, the sample layers of the synthesised
// slots and the user voices.
constexpr float kLfoModes[] = {0.0f, 1.0f};
constexpr float kLfoAmount = 0.8f;
constexpr float kLfoSpeed = 0.5f;
// The first model of every kind that plays a built-in sample; a kind with fewer models plays its last, a sample too.
constexpr int kSampleModel = 12;
// The user models whose filter LFO moves the filter.
constexpr int kUserLfoModels = 4;
constexpr int kUserCount = 6;

std::vector<int> padRun(int first, int count)
{
    std::vector<int> pads(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        pads[static_cast<std::size_t>(i)] = first + i;
    return pads;
}

// Every mode of the sample slots with both layers loaded, and each filter LFO mode of the sample slots, of the
// synthesised slots' sample layers and of the user voices, each setting heard on its own and seen to take its road.
TEST(AudioPath, EveryLayerModeAndFilterLfoModeMakesNoRealtimeCalls)
{
    using kravo::test::SampleDirection;
    kravo::test::hostTime.flags = plugTimeTempoValid;
    std::unique_ptr<APlugin> plugin = kravo::test::makeRealtimePlugin();
    const Engine& engine = plugin->getEngine();
    kravo::test::TempFolder folder;
    for (int s = 0; s < param::kSampleSlotCount; ++s) {
        kravo::test::loadSample(*plugin, folder, s, false, SampleDirection::forward, param::kLayerA);
        kravo::test::loadSample(*plugin, folder, s, false, SampleDirection::reverse, param::kLayerB);
        plugin->setParameter(param::sampleSlotVelocitySplit[s], static_cast<float>(s) / param::kSampleSlotCount);
        for (const param::SampleLayerLayout& layer : param::sampleLayerLayouts) {
            plugin->setParameter(layer.filterLfoAmount + s, kLfoAmount);
            plugin->setParameter(layer.filterLfoSpeed + s, kLfoSpeed);
        }
    }
    for (int slot = 0; slot < param::kSynthVoiceCount; ++slot) {
        plugin->setParameter(param::synthLayer[param::synthlayer::kFilterLfoAmount][slot], kLfoAmount);
        plugin->setParameter(param::synthLayer[param::synthlayer::kFilterLfoSpeed][slot], kLfoSpeed);
    }
    for (int user = 0; user < kUserCount; ++user) {
        plugin->setParameter(param::user::index(param::user::kFilterLfoAmount, user), kLfoAmount);
        plugin->setParameter(param::user::index(param::user::kFilterLfoSpeed, user), kLfoSpeed);
    }
    for (const int userMode : param::tomUserSwitch)
        plugin->setParameter(userMode, 1.0f);
    SettingPlayer player(*plugin);
    // The audio thread takes the loaded samples at the start of a block, after the strikes queued before it.
    player.play({}, {});

    const std::vector<int> samplePads = padRun(param::kFirstSampleSlot, param::kSampleSlotCount);
    for (int mode = 0; mode < std::ssize(kLayerModes); ++mode) {
        for (const float lfoMode : kLfoModes) {
            SCOPED_TRACE(testing::Message() << kLayerModes[mode].name << ", LFO mode " << lfoMode);
            const float modeValue = choiceValue(mode, param::choicescale::kSampleLayerMode);
            Writes writes;
            for (int s = 0; s < param::kSampleSlotCount; ++s) {
                writes.emplace_back(param::sampleSlotLayerMode[s], modeValue);
                writes.emplace_back(param::sampleSlotLfoMode[s], lfoMode);
            }
            bool started[2] = {};
            const float peak = player.play(writes, samplePads, [&] {
                for (int v = 0; v < 2; ++v)
                    for (int s = 0; s < param::kSampleSlotCount; ++s) {
                        started[0] = started[0] || engine.getSampleSlotVoice(v, s).layerAOn();
                        started[1] = started[1] || engine.getSampleSlotVoice(v, s).layerBOn();
                    }
            });
            EXPECT_GT(peak, 0.0f);
            EXPECT_EQ(started[0], kLayerModes[mode].playsA);
            EXPECT_EQ(started[1], kLayerModes[mode].playsB);
            bool lfoHeard = false;
            for (int v = 0; v < 2; ++v)
                for (int s = 0; s < param::kSampleSlotCount; ++s)
                    for (int l = 0; l < 2; ++l)
                        lfoHeard = lfoHeard || engine.getSampleSlotVoice(v, s).layer(l).lfoValue != 0.0f;
            EXPECT_TRUE(lfoHeard);
        }
    }

    const std::vector<int> synthPads = padRun(0, param::kSynthVoiceCount);
    for (const float lfoMode : kLfoModes) {
        SCOPED_TRACE(testing::Message() << "sample layers, LFO mode " << lfoMode);
        Writes writes;
        for (int slot = 0; slot < param::kSynthVoiceCount; ++slot) {
            writes.emplace_back(param::synthVoiceModel[slot], param::drumModelValue(kSampleModel));
            writes.emplace_back(param::synthLayer[param::synthlayer::kFilterLfoMode][slot], lfoMode);
        }
        EXPECT_GT(player.play(writes, synthPads), 0.0f);
        bool lfoHeard = false;
        for (int v = 0; v < 2; ++v)
            for (int slot = 0; slot < param::kSynthVoiceCount; ++slot)
                lfoHeard = lfoHeard || engine.getVoiceLayer(v, slot).lfoValue != 0.0f;
        EXPECT_TRUE(lfoHeard);
    }

    const std::vector<int> userPads = padRun(param::kFirstTomUserSlot, kUserCount);
    for (int model = 0; model < kUserLfoModels; ++model) {
        for (const float lfoMode : kLfoModes) {
            SCOPED_TRACE(testing::Message() << "user model " << model << ", LFO mode " << lfoMode);
            Writes writes;
            for (int user = 0; user < kUserCount; ++user) {
                writes.emplace_back(param::user::index(param::user::kModel, user), param::drumModelValue(model));
                writes.emplace_back(param::user::index(param::user::kFilterLfoMode, user), lfoMode);
            }
            EXPECT_GT(player.play(writes, userPads), 0.0f);
        }
    }
}

} // namespace
