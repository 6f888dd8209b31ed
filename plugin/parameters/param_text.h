#pragma once

#include "plugin/parameters/parameter_index_table.h"

#include <span>
#include <string>
#include <string_view>

namespace kravo {

// Texts (sample paths, preset, pattern and bank names) are kept in the program itself, one
// character per parameter, so that they travel with programs and host state like any value.
using ParameterSpan = std::span<float, param::kParameterCount>;
using ConstParameterSpan = std::span<const float, param::kParameterCount>;

// A character c is stored as (c + 0.5) / 256, the middle of its 1/256 band, so that truncating
// value * 256 gives c back exactly. Codes are taken as unsigned bytes: a UTF-8 name (a file name
// above all) survives a reload, and ASCII is stored as ever.
float paramTextValue(char c);
char paramTextChar(float value);

// Clears the field of `fieldLength` parameters from `first`, then writes the text's characters
// from its start. A text longer than the field is cut to the field, never written past it.
void writeParamText(ParameterSpan values, int first, std::string_view text, int fieldLength);

// The text of `count` parameters from `first`, ending at the first zero character.
std::string readParamText(ConstParameterSpan values, int first, int count);

// The kit name kept in parameters 9250..9287, read as int(value * 255.9); a character outside
// 32..127 ends it.
std::string readBankName(ConstParameterSpan values);

} // namespace kravo
