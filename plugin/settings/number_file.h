#pragma once

// Numbers in the plug-in's own text files (drum presets, patterns), one white-space separated token each.

#include <cstdio>
#include <optional>

namespace kravo {

// Nothing at the end of the file, or for a token that is not wholly an integer.
std::optional<int> readInteger(std::FILE* file);
// Nothing at the end of the file, or for a token that is not wholly a finite number.
std::optional<float> readFiniteValue(std::FILE* file);
// The value on a line of its own, written so that it reads back as the same float.
bool writeValueLine(std::FILE* file, float value);

} // namespace kravo
