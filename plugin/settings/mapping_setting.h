#pragma once

#include <span>

namespace kravo {

inline constexpr const char* kStandardMapping = "Standard";
inline constexpr const char* kGmMapping = "GM";

// The stored note mapping, "Standard" or "GM". Any other stored value, or none, is replaced by "GM" in the
// store and answered as "GM".
void readMappingSetting(std::span<char> name);

} // namespace kravo
