#pragma once

namespace tables {

inline constexpr int kAmpSimKernelCount = 6;
inline constexpr int kAmpSimKernelLength = 64;

// The FIR kernels of the "Amp Sim" effect's voicings.
extern const float kAmpSimKernels[kAmpSimKernelCount][kAmpSimKernelLength];

} // namespace tables
