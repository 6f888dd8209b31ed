#pragma once

#include <array>
#include <cstdint>

namespace modulation {

inline constexpr int kModDestinationCount = 700;

// The arithmetic a modulation row applies to a destination cell.
enum class ModDestinationKind : std::uint32_t {
    Add = 0,   // value += x
    Scale = 1, // value *= 2^(4x)
    Pitch = 2, // value += 2x octaves; ratio = 2^value
    Level = 3, // value += x (voice volumes)
    None = 4,  // never applied
};

namespace detail {

inline constexpr int kScaleCells[] = {
    5,   6,   9,   11,  13,  18,  23,  25,  31,  37,  43,  49,  55,  61,  67,  73,  79,  85,  91,
    97,  103, 109, 115, 121, 127, 133, 139, 145, 151, 157, 163, 169, 175, 181, 187, 193, 199, 205,
    211, 217, 223, 227, 234, 238, 245, 249, 256, 260, 267, 271, 278, 282, 289, 293, 300, 304};
inline constexpr int kPitchCells[] = {3,   4,   30,  42,  54,  66,  78,  90,  102, 114, 126, 138, 150,
                                      162, 174, 186, 198, 210, 222, 233, 244, 255, 266, 277, 288, 299};
inline constexpr int kLevelCells[] = {26,  38,  50,  62,  74,  86,  98,  110, 122, 134, 146, 158,
                                      170, 182, 194, 206, 218, 229, 240, 251, 262, 273, 284, 295};

constexpr std::array<ModDestinationKind, kModDestinationCount> buildKinds()
{
    std::array<ModDestinationKind, kModDestinationCount> kinds{};
    kinds.fill(ModDestinationKind::Add);
    kinds[0] = ModDestinationKind::None;
    for (int d : kScaleCells)
        kinds[d] = ModDestinationKind::Scale;
    for (int d : kPitchCells)
        kinds[d] = ModDestinationKind::Pitch;
    for (int d : kLevelCells)
        kinds[d] = ModDestinationKind::Level;
    return kinds;
}

} // namespace detail

// The kind of every destination, the same in every table; the parameter
// display texts read it too.
inline constexpr std::array<ModDestinationKind, kModDestinationCount> kModDestinationKinds = detail::buildKinds();

// Destinations that act on the whole instrument (master volume and pan, the
// modulation envelopes and LFOs, the master effects) live in the global table.
// A slot table marks the first group as global too, so that the per-slot pass
// leaves them alone; the effect cells only the global table owns.
constexpr bool isGlobalDestination(int d, bool globalTable)
{
    const bool shared = d == 1 || d == 2 || (d >= 12 && d <= 25);
    return shared || (globalTable && d >= 500 && d < kModDestinationCount);
}

// The unmodulated value of a cell: 1 for Scale cells, 0 otherwise.
constexpr float modDestinationBase(int d)
{
    return kModDestinationKinds[d] == ModDestinationKind::Scale ? 1.0f : 0.0f;
}

// Cells of the 16 synthesised voices (slots 0..15) and of the 8 sample voices
// (slots 16..23), by the voice's own destination number j.
namespace voicedest {
inline constexpr int kVolume = 0;
inline constexpr int kPan = 1;
inline constexpr int kDistort1 = 2;
inline constexpr int kDistort2 = 3;
inline constexpr int kPitch = 4;
inline constexpr int kEnvSpeed = 5;
inline constexpr int kFilterFreq = 6;
inline constexpr int kFilterQ = 7;
inline constexpr int kNoiseFreq = 8;
inline constexpr int kNoiseQ = 9;
inline constexpr int kLfoAmount = 10;
inline constexpr int kLfoSpeed = 11;
} // namespace voicedest

// The sample voices' cells differ from the synthesised voices' from j = 8 on.
namespace sampledest {
inline constexpr int kLfoAmount = 8;
inline constexpr int kLfoSpeed = 9;
inline constexpr int kMix = 10;
} // namespace sampledest

constexpr int voiceDestination(int slot, int j)
{
    constexpr int kSynthFirst = 26;
    constexpr int kSynthStride = 12;
    constexpr int kSampleFirst = 218;
    constexpr int kSampleStride = 11;
    constexpr int kFirstSampleSlot = 16;
    return slot < kFirstSampleSlot ? kSynthFirst + kSynthStride * slot + j
                                   : kSampleFirst + kSampleStride * (slot - kFirstSampleSlot) + j;
}

// Easy-control destinations, one cell per slot table.
namespace easydest {
inline constexpr int kSynthPitch = 3;
inline constexpr int kSamplePitch = 4;
inline constexpr int kSynthDecay = 5;
inline constexpr int kSampleDecay = 6;
inline constexpr int kFilterFreq = 7;
inline constexpr int kFilterQ = 8;
inline constexpr int kPitchEnv = 9;
inline constexpr int kLfoAmount = 10;
inline constexpr int kLfoSpeed = 11;
} // namespace easydest

// Global destinations of the modulation envelopes and LFOs and of the master mix.
namespace globaldest {
inline constexpr int kMainVolume = 1;
inline constexpr int kMainPan = 2;
inline constexpr int kEnvAmount[2] = {12, 17};
inline constexpr int kEnvSpeed[2] = {13, 18};
inline constexpr int kEnvAttack[2] = {14, 19};
inline constexpr int kEnvHold[2] = {15, 20};
inline constexpr int kEnvDecay[2] = {16, 21};
inline constexpr int kLfoAmount[2] = {22, 24};
inline constexpr int kLfoSpeed[2] = {23, 25};
inline constexpr int kEffectNone = 500;
} // namespace globaldest

// One table of 700 cells: what the matrix made of each destination since the
// last rebuild. value is read by every consumer, ratio (2^value) by pitch cells.
struct ModDestinationTable {
    float value[kModDestinationCount];
    float ratio[kModDestinationCount];

    ModDestinationTable() { resetToBase(); }

    void resetToBase();
    void resetCell(int d) { value[d] = modDestinationBase(d); }
};

} // namespace modulation
