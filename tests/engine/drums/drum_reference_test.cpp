#include "platform/clock.h"
#include "plugin/parameters/bass_drum_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/snare_parameters.h"
#include "tests/support/plugin_renderer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

using kravo::param::DrumKind;
using kravo::test::PluginRenderer;

struct KindUnderTest {
    const char* name;
    DrumKind kind;
    int note;
    int synthesisedModels;
};
constexpr KindUnderTest kKinds[] = {{"BD", DrumKind::Bd, 36, 4}, {"SN", DrumKind::Sn, 38, 2}};
constexpr int kParameterSets = 3;

std::uint64_t fnv1a(std::uint64_t hash, const std::vector<float>& samples)
{
    for (float x : samples) {
        std::uint32_t bits;
        std::memcpy(&bits, &x, sizeof bits);
        for (int byte = 0; byte < 4; ++byte) {
            hash ^= (bits >> (8 * byte)) & 0xFF;
            hash *= 1099511628211ull;
        }
    }
    return hash;
}

// Renders the kind's first slot: set 0 is the factory program, the others give
// every kind parameter but the output bus and choke group a value of a fixed
// pseudo-random sequence; three notes, the last two close together, with the
// transport stopped.
std::uint64_t renderHash(const KindUnderTest& kind, int model, int set)
{
    platform::ManualClock clock(1000 + static_cast<DWORD>(set));
    platform::setClock(&clock);
    PluginRenderer renderer;
    platform::setClock(nullptr);
    const auto& layout = kravo::param::drumKindLayout(kind.kind);
    std::uint32_t state = 12345u * static_cast<std::uint32_t>(set);
    for (int j = 0; set > 0 && j < layout.parameterCount; ++j) {
        state = state * 1664525u + 1013904223u;
        if (j == kravo::param::kindparam::kOutput || j == kravo::param::kindparam::kChokeGroup)
            continue; // keep the slot on the main output
        renderer.set(kravo::param::kindParameterIndex(kind.kind, j, 0), static_cast<float>(state >> 8) / 16777216.0f);
    }
    renderer.set(kravo::param::kindParameterIndex(kind.kind, layout.modelParameter, 0),
                 kravo::param::drumModelValue(model));
    renderer.noteOn(kind.note, 127);
    renderer.render(13000);
    renderer.noteOn(kind.note, 60);
    renderer.render(300);
    renderer.noteOn(kind.note, 100, 17);
    renderer.render(22000);
    return fnv1a(fnv1a(14695981039346656037ull, renderer.left), renderer.right);
}

// Hashes of the rendered reference, kind by kind, model by model, set by set:
// a change of the drum renderers that is meant to keep their sound keeps these.
constexpr std::uint64_t kReference[] = {
    0x7a9d3c682910963dull, 0x6be39faa023126edull, 0x3f552e24621bb935ull, 0xf51bbac62c2864cfull, 0x83a454cfe74e3b40ull,
    0x2c7dd8180b8c8376ull, 0x71521f5d57c5d6f5ull, 0x669672b015a00eb5ull, 0x5d2538bc6a5d2f05ull, 0x80395176fe1172afull,
    0x4a35f3ff3c9ea9d9ull, 0x9720064d6dcddad4ull, 0x14a3525b8dc0316dull, 0xf0d1e3e6e2531102ull, 0x642c1e7895d0fc3eull,
    0x751b0182844c9accull, 0x1f461c4d84760137ull, 0x09b0660b312d3d69ull,
};

TEST(DrumReference, EverySynthesisedModelRendersAsBefore)
{
    const std::uint64_t* expected = kReference;
    for (const KindUnderTest& kind : kKinds)
        for (int model = 0; model < kind.synthesisedModels; ++model)
            for (int set = 0; set < kParameterSets; ++set)
                EXPECT_EQ(renderHash(kind, model, set), *expected++) << kind.name << model << " set " << set;
}

} // namespace
