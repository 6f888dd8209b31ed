#pragma once

// What the effects page starts each master effect type with: the ten knob values and the mix, and which
// knob positions are switches or knobs of the second kind.

#include <array>
#include <cstdint>

namespace editor {

inline constexpr int kFxTypeCount = 27;
inline constexpr int kFxKnobCount = 10;

struct FxTypeDefault {
    std::array<float, kFxKnobCount> knobs;
    float mix;
    std::uint16_t switches;   // bit k: position k is a switch
    std::uint16_t secondKind; // bit k: position k is a knob of the second kind
};

extern const std::array<FxTypeDefault, kFxTypeCount> kFxTypeDefaults;

// Filter has no control at position 4.
inline constexpr int kFxTypeWithoutPosition = 19;
inline constexpr int kFxPositionWithoutControl = 4;

} // namespace editor
