#pragma once

// The longest block the host renders natively: its answer when it offers one ('vqta') and the
// answer is at least one frame, else 32.

#include <cstdint>

std::int32_t GetMaximumNativeBlockLength();
