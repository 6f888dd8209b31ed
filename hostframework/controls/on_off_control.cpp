#include "hostframework/controls/on_off_control.h"

#include "hostframework/controls/value_text.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::size_t kLongestStateText = 254;

bool sameUpperCase(const std::string& a, const char* b)
{
    const std::string other = b != nullptr ? b : "";
    return a.size() == other.size() && std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

} // namespace

CPluginControl_OnOff::CPluginControl_OnOff(std::uint32_t id, const char* name, std::int32_t value, bool automatable,
                                           const char* on, const char* off)
    : CPluginControl_Discrete(id, name, 0, 1, value, automatable),
      onText(on != nullptr && off != nullptr ? std::string(on).substr(0, kLongestStateText) : "On"),
      offText(on != nullptr && off != nullptr ? std::string(off).substr(0, kLongestStateText) : "Off")
{
}

std::int32_t CPluginControl_OnOff::SetValueFromText(const char* text)
{
    return IntegerToHost(sameUpperCase(onText, text) ? 1 : 0);
}

bool CPluginControl_OnOff::IsKeyValid(std::int16_t character)
{
    return character == 'o' || character == 'n' || character == 'O' || IsDiscreteKey(character);
}

void CPluginControl_OnOff::GetValueText(char* text, std::int32_t maxLength, std::int32_t hostValue)
{
    const bool on = HostToInteger(hostValue) != 0;
    if (maxLength < 2)
        CopyValueText(on ? "1" : "0", text, maxLength);
    else
        CopyValueText(on ? onText : offText, text, maxLength);
}
