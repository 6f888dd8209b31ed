#include "engine/modulation/mod_destinations.h"
#include "engine/modulation/mod_sources.h"
#include "plugin/aplugin.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/effect_type_names.h"
#include "plugin/parameters/modulation_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "tests/realtime/audio_path_setup.h"
#include "tests/realtime/realtime_calls.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
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

} // namespace
