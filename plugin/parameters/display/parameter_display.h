#pragma once

#include "plugin/parameters/param_text.h"

#include <cstddef>

namespace kravo::param::display {

// The smallest text buffer a host gives for a parameter's display text, terminator included.
inline constexpr std::size_t kDisplayTextSize = 32;

// Writes the text the host shows for parameter `index` (0..kParameterCount; the index one past
// the last still shows as "----") from the current program's values. The text is cut to `size`
// bytes, terminator included; an index outside that range leaves it empty.
void formatParameterDisplay(int index, ConstParameterSpan values, char* text, std::size_t size);

} // namespace kravo::param::display
