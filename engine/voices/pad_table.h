#pragma once

#include <array>
#include <cstdint>

// Which drum kind, and which of the kind's instances, each pad plays.
namespace voices {

enum class PadKind : std::uint8_t {
    BassDrum = 0,
    Snare = 1,
    OpenHat = 2,
    ClosedHat = 3,
    Clap = 4,
    TomOrUser = 5,
    User = 6,
    SampleSlot = 7,
    Pattern = 8,
};

inline constexpr int kPadCount = 32;

inline constexpr std::array<PadKind, kPadCount> kKindOfPad = {
    PadKind::BassDrum,   PadKind::BassDrum,   PadKind::Snare,      PadKind::Snare,      PadKind::ClosedHat,
    PadKind::OpenHat,    PadKind::ClosedHat,  PadKind::OpenHat,    PadKind::Clap,       PadKind::Clap,
    PadKind::TomOrUser,  PadKind::TomOrUser,  PadKind::TomOrUser,  PadKind::User,       PadKind::User,
    PadKind::User,       PadKind::SampleSlot, PadKind::SampleSlot, PadKind::SampleSlot, PadKind::SampleSlot,
    PadKind::SampleSlot, PadKind::SampleSlot, PadKind::SampleSlot, PadKind::SampleSlot, PadKind::Pattern,
    PadKind::Pattern,    PadKind::Pattern,    PadKind::Pattern,    PadKind::Pattern,    PadKind::Pattern,
    PadKind::Pattern,    PadKind::Pattern,
};

// The user slots count on across slots 10..15, so User 4..6 are user instances 3..5.
inline constexpr std::array<std::uint8_t, kPadCount> kIndexInKindOfPad = {
    0, 1, 0, 1, 0, 0, 1, 1, 0, 1, 0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4, 5, 6, 7,
};

// Bit p set for each pad p of the kind.
constexpr std::uint32_t padsOfKind(PadKind kind)
{
    std::uint32_t pads = 0;
    for (int pad = 0; pad < kPadCount; ++pad)
        if (kKindOfPad[static_cast<std::size_t>(pad)] == kind)
            pads |= 1u << pad;
    return pads;
}

} // namespace voices
