#include "plugin/parameters/param_text.h"

#include "plugin/parameters/text_field_parameters.h"

#include <algorithm>
#include <cassert>

namespace kravo {

namespace {
constexpr float kCharacterBands = 256.0f;
}

float paramTextValue(char c)
{
    const auto code = static_cast<unsigned char>(c);
    return (static_cast<float>(code) + 0.5f) / kCharacterBands;
}

char paramTextChar(float value)
{
    return static_cast<char>(static_cast<int>(value * kCharacterBands));
}

void writeParamText(ParameterSpan values, int first, std::string_view text, int fieldLength)
{
    assert(first >= 0 && fieldLength >= 0 && first + fieldLength <= param::kParameterCount);
    const auto field = values.subspan(static_cast<std::size_t>(first), static_cast<std::size_t>(fieldLength));
    std::fill(field.begin(), field.end(), 0.0f);
    const std::size_t written = std::min(text.size(), field.size());
    for (std::size_t k = 0; k < written; ++k)
        field[k] = paramTextValue(text[k]);
}

std::string readParamText(ConstParameterSpan values, int first, int count)
{
    assert(first >= 0 && count >= 0 && first + count <= param::kParameterCount);
    std::string text;
    for (int k = 0; k < count; ++k) {
        const char c = paramTextChar(values[static_cast<std::size_t>(first + k)]);
        if (c == '\0')
            break;
        text.push_back(c);
    }
    return text;
}

std::string readBankName(ConstParameterSpan values)
{
    constexpr float kBankCharacterScale = 255.9f;
    std::string name;
    for (int k = 0; k < param::kBankNameLength; ++k) {
        const int code = static_cast<int>(values[static_cast<std::size_t>(param::kBankNameFirst + k)] * kBankCharacterScale);
        if (code < 32 || code > 127)
            break;
        name.push_back(static_cast<char>(code));
    }
    return name;
}

} // namespace kravo
