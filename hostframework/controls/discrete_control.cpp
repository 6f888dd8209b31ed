#include "hostframework/controls/discrete_control.h"

#include "hostframework/controls/host_value_conversions.h"
#include "hostframework/controls/value_text.h"
#include "hostframework/host_text.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

CPluginControl_Discrete::CPluginControl_Discrete(std::uint32_t id, const char* name, std::int32_t minimum,
                                                 std::int32_t maximum, std::int32_t value, bool automatable)
    : id(id), name(name != nullptr ? name : ""), minimum(minimum), maximum(maximum), value(value),
      automatable(automatable)
{
    SetHostValue(IntegerToHost(value));
}

std::int32_t CPluginControl_Discrete::GetValue()
{
    return IntegerToHost(value);
}

void CPluginControl_Discrete::SetValue(std::int32_t hostValue)
{
    value = HostToInteger(hostValue);
}

std::int32_t CPluginControl_Discrete::SetValueFromText(const char* text)
{
    const long number = text != nullptr ? std::strtol(text, nullptr, 10) : 0;
    return IntegerToHost(static_cast<std::int32_t>(std::clamp<long>(number, INT32_MIN, INT32_MAX)));
}

bool CPluginControl_Discrete::IsKeyValid(std::int16_t character)
{
    return IsDiscreteKey(character);
}

void CPluginControl_Discrete::GetName(char* buffer, std::int32_t maxLength)
{
    CopyNameVariant(buffer, name.c_str(), maxLength);
}

void CPluginControl_Discrete::GetValueText(char* text, std::int32_t maxLength, std::int32_t hostValue)
{
    std::string number = std::to_string(HostToInteger(hostValue));
    if (number.size() > static_cast<std::size_t>(std::max(maxLength, 0)))
        number = "*";
    CopyValueText(number, text, maxLength);
}

std::int32_t CPluginControl_Discrete::GetCurrentInteger() const
{
    return HostToInteger(GetHostValue());
}

std::int32_t CPluginControl_Discrete::IntegerToHost(std::int32_t integer) const
{
    return discreteToHostValue(integer, minimum, maximum);
}

std::int32_t CPluginControl_Discrete::HostToInteger(std::int32_t hostValue) const
{
    return hostValueToDiscrete(hostValue, minimum, maximum);
}
