#include "platform/clock.h"
#include "plugin/parameters/bass_drum_parameters.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/snare_parameters.h"
#include "tests/support/plugin_renderer.h"
#include "tests/support/render_hash.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using kravo::param::DrumKind;
using kravo::test::fnv1a;
using kravo::test::PluginRenderer;

struct KindUnderTest {
    const char* name;
    DrumKind kind;
    int note;
    int synthesisedModels;
};
constexpr KindUnderTest kKinds[] = {{"BD", DrumKind::Bd, 36, 4}, {"SN", DrumKind::Sn, 38, 2}};
constexpr int kParameterSets = 3;

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
    return kravo::test::stereoHash(renderer.left, renderer.right);
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

// Every model of every kind, one after the other on one plug-in object: the
// Tom/User slot 10 in both of its modes, each kind once with the factory
// values and once with every kind parameter but the output bus and choke group
// from a fixed sequence. Two notes per model, the second while the first sounds.
struct ModelSweep {
    const char* name;
    DrumKind kind;
    int voice;      // the kind's voice that plays, and the slot's pad note
    int note;
    int models;
    bool userMode;  // slot 10's switch on User
};
constexpr ModelSweep kSweeps[] = {
    {"BD", DrumKind::Bd, 0, 0, 28, false},           {"SN", DrumKind::Sn, 0, 2, 67, false},
    {"CL-HH", DrumKind::ClosedHiHat, 0, 4, 25, false}, {"OP-HH", DrumKind::OpenHiHat, 0, 5, 25, false},
    {"Clap", DrumKind::Clap, 1, 9, 18, false},       {"Tom", DrumKind::Tom, 0, 10, 13, false},
    {"User", DrumKind::TomUser, 0, 10, 140, true},   {"User 4", DrumKind::TomUser, 3, 13, 140, false},
};
constexpr int kFramesPerNote = 1536;

std::uint64_t sweepHash(const ModelSweep& sweep, bool sequenceValues)
{
    namespace param = kravo::param;
    platform::ManualClock clock(4242);
    platform::setClock(&clock);
    PluginRenderer renderer;
    platform::setClock(nullptr);
    const auto& layout = param::drumKindLayout(sweep.kind);
    renderer.set(param::tomUserSwitch[0], sweep.userMode ? 1.0f : 0.0f);
    kravo::test::ValueSequence values(777u + 16u * static_cast<std::uint32_t>(sweep.voice) +
                                      static_cast<std::uint32_t>(sweep.kind));
    for (int j = 0; sequenceValues && j < layout.parameterCount; ++j) {
        const float value = values.next();
        // The model is set below; the slot stays on the main output and in no choke group.
        const bool keep = sweep.kind == DrumKind::Tom
                              ? j == param::kindparam::kTomModel
                              : j == param::kindparam::kOutput || j == param::kindparam::kChokeGroup;
        if (!keep)
            renderer.set(param::kindParameterIndex(sweep.kind, j, sweep.voice), value);
    }
    for (int model = 0; model < sweep.models; ++model) {
        renderer.set(param::kindParameterIndex(sweep.kind, layout.modelParameter, sweep.voice),
                     param::drumModelValue(model));
        renderer.noteOn(sweep.note, 127);
        renderer.render(kFramesPerNote);
        renderer.noteOn(sweep.note, 90, 17);
        renderer.render(kFramesPerNote);
    }
    return kravo::test::stereoHash(renderer.left, renderer.right);
}

// Taken before the renderers were last made faster; a change meant to keep the sound keeps them.
constexpr std::uint64_t kSweepReference[][2] = {
    {0xa0585aefed98a692ull, 0x9955a97817ec4423ull},
    {0x85c07f3f0f840fceull, 0xe232916936b5635full},
    {0xcd56d00e1cbbeec9ull, 0x2e7ae6b60f17c25ull},
    {0xdec63dc8efc64525ull, 0xc9f9a597b482bf25ull},
    {0xc0f296944a762e41ull, 0xa3648f7cdbb36e1cull},
    {0x713cdd01f86e2a25ull, 0x61ddc6427e425075ull},
    {0x84b45f546e2c50e6ull, 0xd421798263d9b2fbull},
    {0x92b6828b17ca60f3ull, 0x6f03364893edfe8cull},
};

TEST(DrumReference, EveryModelOfEveryKindRendersAsBefore)
{
    for (std::size_t k = 0; k < std::size(kSweeps); ++k)
        for (int set = 0; set < 2; ++set) {
            const std::uint64_t hash = sweepHash(kSweeps[k], set == 1);
            EXPECT_EQ(hash, kSweepReference[k][set])
                << kSweeps[k].name << (set == 1 ? " with sequence values" : " with factory values") << std::hex
                << " 0x" << hash;
        }
}

} // namespace
