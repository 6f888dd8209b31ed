#pragma once

#include <cstdint>

namespace effects {

// The coefficients of "Widener".
struct WidenerEffect {
    std::uint32_t delayOffset = 5; // samples
    float width = 0.0f;
    float lfoRate = 0.0f; // cycles per sample
};

} // namespace effects
