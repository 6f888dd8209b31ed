#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace kravo::param {

// The longest name has 31 characters; callers hand in at least this many bytes.
inline constexpr std::size_t kParameterNameSize = 32;

// The name of every index that carries no setting.
inline constexpr std::string_view kUnnamedParameter = "-------------------";

// Writes the host's name of parameter `index` into `text` (kParameterNameSize bytes), cut to fit
// and always terminated, whatever the index. A few names follow the current values of other
// parameters (the sample-layer tag, the voice distortion and master effect types): `values` holds
// all parameters; a shorter span reads the missing ones as 0.
void writeParameterName(int index, std::span<const float> values, char* text);

} // namespace kravo::param
