#pragma once

#include <cstdint>

// The built-in drum samples as the build made them: one entry per sample, in
// entry order, each embedded as resource "TXT" kFirstFactorySampleId + entry
// (headerless signed 16-bit little-endian frames at 48000 Hz, left then right
// for a stereo entry). The generator writes the data and this table together.
namespace factory_samples {

inline constexpr int kCount = 265;
inline constexpr int kFirstResourceId = 17000;
inline constexpr float kSampleRate = 48000.0f;
// The longest entry of the set, in frames: what a slot's buffer must hold.
inline constexpr int kLongestFrames = 300287;

struct Spec {
    float length; // frames to play; the resource may hold more
    std::uint8_t stereo;
};

extern const Spec kSpecs[kCount];

} // namespace factory_samples
