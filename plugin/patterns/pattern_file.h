#pragma once

// ".pat" files: one pattern as text, 475 numbers separated by white space in the order of the
// pattern list (engine/tables/pattern_list.h). Number 0 stands for no parameter; whatever follows
// the 475th number is ignored.

#include "engine/tables/pattern_list.h"

#include <array>
#include <optional>
#include <string_view>

namespace kravo::patterns {

using PatternFileValues = std::array<float, tables::kPatternListLength>;

// Only the exact, lower-case ending counts: what the pattern browser lists.
bool isPatternFileName(std::string_view name);

// The whole file is read before anything is applied: nothing when the file cannot be opened, or
// when any of its first 475 tokens is missing or not a finite number.
std::optional<PatternFileValues> readPatternFile(const char* path);

// Each value on a line of its own, reading back as the same float. False when the file cannot be
// written whole.
bool writePatternFile(const char* path, const PatternFileValues& values);

} // namespace kravo::patterns
