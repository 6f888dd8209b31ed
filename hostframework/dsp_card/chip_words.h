#pragma once

// The words that tell the DSP classes apart: where a process's DSP addresses start, the number the
// chip's host commands are counted from, the kind, and the two address limits.

#include <cstdint>

struct SChipWords {
    std::int32_t addressBase;
    std::int32_t hostCommandBase;
    std::int16_t kind;
    std::int32_t firstLimit;
    std::int32_t secondLimit;
};

inline constexpr SChipWords kProcessDSPWords{65472, 0, 18, 63, 63};
inline constexpr SChipWords kGenericDSPWords{65472, 0, 18, 63, 63};
inline constexpr SChipWords kOnyxChipWords{0x8001C0, 58, 18, 63, 63};
inline constexpr SChipWords kPrestoChipWords{0x801800, 74, 18, 511, 510};
inline constexpr SChipWords k321ChipWords{0x801800, 0, 58, 511, 510};
