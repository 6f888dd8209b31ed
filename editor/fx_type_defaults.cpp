#include "editor/fx_type_defaults.h"

namespace editor {

namespace {

constexpr std::uint16_t bits(std::initializer_list<int> positions)
{
    std::uint16_t mask = 0;
    for (const int k : positions)
        mask = static_cast<std::uint16_t>(mask | (1u << k));
    return mask;
}

} // namespace

const std::array<FxTypeDefault, kFxTypeCount> kFxTypeDefaults = {{
    {{}, 0.166f, 0, 0},                                                                   // None
    {{0.54f, 0.6f, 0.92f, 0.19f, 0, 0, 0, 1.0f}, 0.166f, bits({7}), bits({1})},          // Mono Delay
    {{0.67f, 0.57f, 0.69f, 0.5f, 1.0f, 0.91f, 0.19f, 0, 1.0f}, 0.166f, bits({4, 8}), bits({2, 3})}, // Stereo Delay
    {{0.1f, 0.75f, 0, 0.1f, 0.75f}, 0.166f, 0, bits({1, 5})},                             // Comb Filter
    {{0.69f, 0.79f, 0.75f, 0.09f, 0, 0.97f, 0.06f}, 0.11f, 0, 0},                         // Reverb
    {{0.69f, 0.79f, 0.75f, 0.09f, 0, 0.97f, 0.06f}, 0.11f, 0, 0},                         // HQ Reverb
    {{0.481f, 0.44f, 0.42f, 0.36f, 0.98f}, 0.166f, 0, 0},                                 // Chorus
    {{0.41f, 0.34f, 0.65f, 0.35f, 0.56f, 0.36f}, 0.37f, 0, 0},                            // Chorus / Delay
    {{0.15f, 1.0f, 0.43f, 0.91f, 0, 0.92f, 0.19f}, 0.25f, 0, bits({3})},                  // Flanger
    {{0.5f, 0.53f, 0.57f, 0.85f, 0.44f, 0.91f, 0.68f}, 0.5f, 0, 0},                       // Phaser
    {{0, 1.0f, 0.48f, 0.5f}, 1.0f, 0, 0},                                                 // WahWah Delay
    {{0.88f, 0.72f, 0.57f, 0.46f, 0.81f, 0.28f, 0.5f}, 0.89f, 0, bits({1, 5, 6})},        // Distort
    {{0.52f, 0.95f, 1.0f, 0.45f, 0, 0, 0, 1.0f}, 0.166f, 0, bits({3})},                   // Low Fi
    {{0, 0, 0.5f, 0.5f, 0.5f, 0, 0, 1.0f}, 0.166f, 0, bits({2, 3, 4})},                   // Amp Sim
    {{0, 0, 0, 1.0f}, 1.0f, 0, bits({2})},                                                // Waveshaper
    {{1.0f, 0.24f, 0.31f, 0.92f, 0.19f, 0, 0, 1.0f}, 0.166f, 0, 0},                       // Widener
    {{1.0f, 0.48f, 0, 0, 0, 0, 0, 0, 1.0f}, 0.166f, 0, 0},                                // AutoPan
    {{0.46f, 0.7f, 0, 0, 0.333333f, 0.333333f}, 1.0f, 0, 0},                              // Gator
    {{0, 0.5f, 1.0f}, 1.0f, 0, 0},                                                        // Ring-Mod
    {{0, 0, 0.5f, 0, 0, 0, 0.5f, 0.5f}, 1.0f, 0, bits({7})},                              // Filter
    {{0.5f, 0.5f, 0.5f, 0.5f, 0.5f}, 1.0f, 0, bits({0, 1, 2, 3, 4})},                     // Equalizer
    {{0.5f, 0.29f, 0.2f, 0.2f, 0.5f}, 1.0f, 0, bits({4})},                                // Compressor
    {{}, 1.0f, 0, 0},                                                                     // Noise-Gate
    {{0.49f, 0.36f, 0.685f, 0.34f, 0.855f, 1.0f}, 0.53f, 0, 0},                           // Ensemble
    {{0, 0, 0.5f, 0.5f, 0.5f}, 0.166f, 0, bits({2, 3, 4})},                               // Cabinet
    {{0, 0.5f, 0, 0, 0, 1.0f, 0, 0.5f}, 1.0f, 0, bits({1, 7})},                           // Multi Distort
    {{0, 0.25f, 1.0f, 0.5f, 0.2f, 0.25f}, 1.0f, 0, 0},                                    // AutoWah
}};

} // namespace editor
