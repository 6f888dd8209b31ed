#pragma once

#include <cstdint>

namespace effects {

// The coefficients of "AutoPan".
struct AutoPanEffect {
    float depth = 0.0f;
    std::uint32_t increment = 0;
};

} // namespace effects
