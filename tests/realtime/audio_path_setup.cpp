#include "tests/realtime/audio_path_setup.h"

#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/sample_position.h"
#include "tests/support/sample_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kravo::test {

PlugTimeInfo hostTime = [] {
    PlugTimeInfo info{};
    info.sampleRate = kSampleRate;
    info.tempo = 120.0;
    info.timeSigNumerator = 4;
    info.timeSigDenominator = 4;
    return info;
}();

std::unique_ptr<APlugin> makeRealtimePlugin()
{
    const HostCallback host = [](PluginRecord*, std::int32_t opcode, std::int32_t, PlugIntPtr, void*, float) {
        return opcode == hostOpGetTimeInfo ? reinterpret_cast<PlugIntPtr>(&hostTime) : PlugIntPtr{0};
    };
    std::unique_ptr<APlugin> plugin(static_cast<APlugin*>(createEffectInstance(host)));
    PluginRecord* record = plugin->getPluginRecord();
    record->dispatcher(record, plugSetSampleRate, 0, 0, nullptr, kSampleRate);
    return plugin;
}

void sendDrumsThroughEffects(PluginRecord* record, const int (&types)[4])
{
    constexpr int kSendingSlots[4] = {0, 2, 4, 8};
    for (int s = 0; s < 4; ++s) {
        record->setParameter(record, param::voiceOutput[kSendingSlots[s]], (1.5f + s) / 24.99f);
        record->setParameter(record, param::effectType[s], (types[s] + 0.5f) / 49.99f);
        record->setParameter(record, param::effectSlotMix[s], 0.5f);
    }
}

void loadSample(APlugin& plugin, const TempFolder& folder, int sampleSlot, bool looped, SampleDirection direction,
                param::SampleLayer layer)
{
    std::string name = "slot";
    name += std::to_string(sampleSlot);
    name += layer == param::kLayerA ? "a.wav" : "b.wav";
    const std::string path = (folder / name).string();
    writeFile(path, wavBytes(std::vector<std::int16_t>(2000, 12000), 2, 22050));
    auto buffer = std::make_unique<SampleBuffer>();
    buffer->reset();
    ASSERT_TRUE(buffer->setPath(path.c_str()) && buffer->readWavFile());
    plugin.getLayerSamples().replace(2 * sampleSlot + layer, std::move(buffer));
    const param::SampleLayerLayout& at = param::sampleLayerLayouts[layer];
    const float reverse = direction == SampleDirection::reverse ? 1.0f : 0.0f;
    for (const auto& [index, value] : {std::pair{at.on, 1.0f}, {at.volume, 1.0f}, {at.loop, looped ? 1.0f : 0.0f},
             {at.reverse, reverse}, {at.loopStartLow, param::SamplePosition::low(100)},
             {at.loopEndLow, param::SamplePosition::low(900)}})
        plugin.setParameter(index + sampleSlot, value);
}

} // namespace kravo::test
