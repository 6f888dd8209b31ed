#include "plugin/parameters/mixer_parameters.h"
#include "tests/support/plugin_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

using kravo::test::PluginRenderer;

constexpr int kPrograms = 200;
constexpr int kFramesPerProgram = 88200; // 2 s
constexpr int kFirstPatternNote = 24;

// Whatever a program holds, the engine must not blow up: every parameter random, a pattern running
// and a pad struck, the output stays finite.
TEST(RandomProgramSweep, EveryParameterRandomGivesFiniteOutputWithAPatternRunning)
{
    std::mt19937 random(20261207);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    PluginRenderer r;
    for (int program = 0; program < kPrograms; ++program) {
        // The reload trigger would bring back the stored program at the next mark; the rest is fair game.
        for (int index = 0; index < kravo::param::kReloadTrigger; ++index)
            r.set(index, unit(random));
        r.plugin->resetAllVoices();
        r.noteOn(kFirstPatternNote + program % 8, 100);
        r.noteOn(program % 24, 127, 7);
        r.left.clear();
        r.right.clear();
        r.render(kFramesPerProgram);
        const auto finite = [](float s) { return std::isfinite(s); };
        ASSERT_TRUE(std::all_of(r.left.begin(), r.left.end(), finite) && std::all_of(r.right.begin(), r.right.end(), finite))
            << "program " << program << " of the seeded sweep";
        r.midi(0, 0x89, static_cast<std::uint8_t>(kFirstPatternNote + program % 8), 0);
    }
}

} // namespace
