#pragma once

// How the effects page lays out each master effect type: how many of the ten positions it uses, the
// short label over each, and the background made for that many.

#include "editor/fx_type_defaults.h"

#include <array>
#include <cstdint>

namespace editor {

struct FxTypeLayout {
    int count;
    std::array<const char*, kFxKnobCount> labels;
};

extern const std::array<FxTypeLayout, kFxTypeCount> kFxTypeLayouts;

inline constexpr int kGatorType = 17;
inline constexpr int kFilterType = 19;
// The gate rows of "Gator" are its positions 4 and 5.
inline constexpr int kFirstGateRow = 4;

// The container's background for a type 0..26.
std::int32_t fxBackgroundImage(int type);

} // namespace editor
