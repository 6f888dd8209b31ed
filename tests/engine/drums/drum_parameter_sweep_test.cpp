#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/modulation_parameters.h"
#include "tests/support/plugin_renderer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

namespace param = kravo::param;

// Seeded random programs: every kind parameter of every synthesised slot, the
// slots' mixer and the modulation rows at random values (the slots stay on the
// main output, so nothing they make goes unheard); all sixteen pads struck.
// No program may make a sample that is not a number or infinite.
TEST(DrumParameterSweep, NoRandomProgramMakesNanOrInfinity)
{
    constexpr int kPrograms = 200;
    constexpr int kFirstPadNote = 72;
    kravo::test::PluginRenderer renderer;
    for (int pad = 0; pad < param::kSynthVoiceCount; ++pad)
        renderer.plugin->getNoteMap().set(kFirstPadNote + pad, pad);
    std::uint32_t state = 2024;
    const auto next = [&] {
        state = state * 1664525u + 1013904223u;
        return static_cast<float>(state >> 8) / 16777216.0f;
    };
    for (int program = 0; program < kPrograms; ++program) {
        for (int k = 0; k < param::kDrumKindCount; ++k) {
            const auto kind = static_cast<param::DrumKind>(k);
            for (int j = 0; j < param::drumKindLayout(kind).parameterCount; ++j)
                for (int voice = 0; voice < param::drumKindLayout(kind).voiceCount; ++voice)
                    renderer.set(param::kindParameterIndex(kind, j, voice), next());
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
    }
}

} // namespace
