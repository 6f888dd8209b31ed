#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/modulation_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "tests/support/plugin_renderer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

namespace param = kravo::param;

// Seeded random programs: every kind parameter of every synthesised slot (its
// model one of the kind's synthesised ones), the slots' mixer and the
// modulation rows at random values (the slots stay on the main output, so
// nothing they make goes unheard); all sixteen pads struck. No program may make
// a sample that is not a number or infinite, and the kit must be heard.
TEST(DrumParameterSweep, NoRandomProgramMakesNanOrInfinity)
{
    constexpr int kPrograms = 200;
    // The synthesised models of each kind, in kind order (the sample models are not built yet).
    constexpr int kSynthesisedModels[param::kDrumKindCount] = {4, 2, 3, 3, 3, 2, 12};
    constexpr int kFirstPadNote = 72;
    kravo::test::PluginRenderer renderer;
    for (int pad = 0; pad < param::kSynthVoiceCount; ++pad)
        renderer.plugin->getNoteMap().set(kFirstPadNote + pad, pad);
    std::uint32_t state = 2024;
    const auto next = [&] {
        state = state * 1664525u + 1013904223u;
        return static_cast<float>(state >> 8) / 16777216.0f;
    };
    int heard = 0;
    for (int program = 0; program < kPrograms; ++program) {
        for (int k = 0; k < param::kDrumKindCount; ++k) {
            const auto kind = static_cast<param::DrumKind>(k);
            const param::DrumKindLayout& layout = param::drumKindLayout(kind);
            for (int voice = 0; voice < layout.voiceCount; ++voice) {
                for (int j = 0; j < layout.parameterCount; ++j)
                    renderer.set(param::kindParameterIndex(kind, j, voice), next());
                const int model = static_cast<int>(next() * static_cast<float>(kSynthesisedModels[k]));
                renderer.set(param::kindParameterIndex(kind, layout.modelParameter, voice), param::drumModelValue(model));
            }
        }
        for (int slot = 0; slot < param::kSynthVoiceCount; ++slot) {
            for (const auto* table : {&param::voiceVolume, &param::voicePan, &param::voiceDistortionFirst,
                                      &param::voiceDistortionSecond})
                renderer.set((*table)[slot], next());
            renderer.set(param::voiceOutput[slot], 0.0f);
        }
        for (int row = 0; row < param::kModRowCount; ++row)
            for (const auto* table : {&param::modRowSource, &param::modRowDestination, &param::modRowAmount})
                renderer.set((*table)[row], next());
        for (int pad = 0; pad < param::kSynthVoiceCount; ++pad)
            renderer.noteOn(kFirstPadNote + pad, 1 + static_cast<int>(next() * 126.0f));
        renderer.left.clear();
        renderer.right.clear();
        renderer.render(2048);
        for (std::size_t i = 0; i < renderer.left.size(); ++i)
            ASSERT_TRUE(std::isfinite(renderer.left[i]) && std::isfinite(renderer.right[i]))
                << "program " << program << ", frame " << i;
        heard += renderer.peak(0.0, 1.0) > 0.0f;
    }
    EXPECT_GT(heard, kPrograms / 2);
}

} // namespace
