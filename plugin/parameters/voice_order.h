#pragma once

#include <array>

namespace kravo::param {

// Voice slots are numbered in pad order ("slot order"): BD 1, BD 2, SN 1, SN 2, CL-HH 1, OP-HH 1,
// CL-HH 2, OP-HH 2, Clap 1, Clap 2, TM/US 1..3, User 4..6, Sample 1..8. Volumes, pans and the
// synthesised layer block are laid out in "kind order" instead, which groups the hi-hats by kind
// (CL-HH 1, CL-HH 2, OP-HH 1, OP-HH 2); only slots 5 and 6 trade places.
inline constexpr int kVoiceSlotCount = 24;
inline constexpr int kSynthVoiceCount = 16;
inline constexpr int kSampleSlotCount = 8;
inline constexpr int kFirstSampleSlot = 16;
inline constexpr int kTomUserSlotCount = 3;
inline constexpr int kFirstTomUserSlot = 10;
inline constexpr int kNoPad = 32;

inline constexpr std::array<int, kVoiceSlotCount> kindPositionOfSlot = {
    0, 1, 2, 3, 4, 6, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23};

// The swap is its own inverse.
inline constexpr std::array<int, kVoiceSlotCount> slotOfKindPosition = kindPositionOfSlot;

} // namespace kravo::param
