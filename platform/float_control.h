#pragma once

// The calling thread's floating-point control word (the SSE control and status register): which
// exceptions are masked and how results round.

#include <cstdint>

namespace platform {

// Mask bits: a set bit keeps the exception from trapping.
inline constexpr std::uint32_t kDenormalOperandMask = 1u << 8;
inline constexpr std::uint32_t kUnderflowMask = 1u << 11;

std::uint32_t readFloatControlWord();
void writeFloatControlWord(std::uint32_t word);

} // namespace platform
