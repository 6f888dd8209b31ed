// The step buttons: the voice's drum model, its drum preset, and the program, one step at a time.

#include "editor/ueditor.h"

#include "platform/clock.h"
#include "plugin/aplugin.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/parameter_reading.h"

#include <algorithm>
#include <array>

namespace {

namespace param = kravo::param;

struct ModelRange {
    std::int32_t parameter;
    std::int32_t count;
};

// By synthesised voice in pad order; the Tom / User voices in Tom mode have their own range.
constexpr std::array<ModelRange, 16> kModelRanges = {{
    {144, 28}, {145, 28}, {264, 67}, {265, 67}, {364, 25}, {484, 25}, {365, 25}, {485, 25},
    {602, 18}, {603, 18}, {886, 140}, {887, 140}, {888, 140}, {889, 140}, {890, 140}, {891, 140},
}};
constexpr std::array<ModelRange, 3> kTomModelRanges = {{{653, 13}, {654, 13}, {655, 13}}};

} // namespace

void uEditor::stepModel(std::int32_t delta)
{
    if (selectedVoice < 0 || selectedVoice >= static_cast<std::int32_t>(kModelRanges.size()))
        return;
    const auto voice = static_cast<std::size_t>(selectedVoice);
    ModelRange range = kModelRanges[voice];
    const auto tomSlot = static_cast<std::size_t>(selectedVoice - param::kFirstTomUserSlot);
    if (tomSlot < kTomModelRanges.size() && plugin()->getParameter(param::tomUserSwitch[tomSlot]) < 0.5f)
        range = kTomModelRanges[tomSlot];
    const float scale = param::choicescale::kDrumModel;
    const auto model = static_cast<std::int32_t>(plugin()->getParameter(range.parameter) * scale);
    const std::int32_t stepped = std::clamp(model + delta, 0, range.count - 1);
    plugin()->setParameter(range.parameter, (static_cast<float>(stepped) + 0.5f) / scale);
    plugin()->loadFactorySample(selectedVoice);
    updateVoicePage();
}

void uEditor::stepDrumPreset(std::int32_t voice, std::int32_t delta)
{
    if (voice < 0 || voice >= kVoiceCount)
        return;
    const std::int32_t count = plugin()->getDrumPresetCount(voice);
    if (count <= 0)
        return;
    std::int32_t& index = presetIndex[static_cast<std::size_t>(voice)];
    index = std::clamp(index + delta, 0, count - 1);
    plugin()->loadDrumPresetByIndex(voice, index);
    refreshAll();
}

void uEditor::stepPresetThrottled(std::int32_t delta)
{
    constexpr DWORD kStepInterval = 500;
    constexpr std::int32_t kProgramCount = 32;
    if (effect == nullptr || refreshBusy != 0)
        return;
    const DWORD now = GetTickCount();
    lastStepRequest = now;
    // After the tick counter wraps, the next press steps at once.
    if (now < lastStepTime)
        lastStepTime = now - (kStepInterval + 1);
    if (now - lastStepTime < kStepInterval)
        return;
    lastStepTime = now;
    selectProgram((plugin()->getProgram() + delta + kProgramCount) % kProgramCount);
}
