#pragma once

// The host's classes of codes and of sample rates.

#include <cstdint>

// 0 -> 1, 1 -> 2, 2 -> 3, 3 and 4 -> 4, 5 -> 5, 6 and 7 -> 6, 8 and 9 -> 7, 10 -> 8; any other code
// throws -7401.
std::int32_t GetCodeClass(std::int32_t code);
bool IsEvenCodeClass(std::int32_t code);

// 0..51000 -> 48000, ..102000 -> 96000, ..204000 -> 192000; any other rate throws.
std::int32_t GetSampleRateClass(std::int32_t rate);
std::int32_t GetSampleRateClassIndex(std::int32_t rate);
std::int32_t GetSampleRateMultiple(std::int32_t rate);
