#include "hostframework/controls/continuous_control.h"

#include "hostframework/host_text.h"

CPluginControl_Continuous::CPluginControl_Continuous(std::uint32_t id, const char* name, double minimum,
                                                     double maximum, double value, bool automatable,
                                                     const SPrefixRecord* prefixFirst,
                                                     const SPrefixRecord* prefixLast)
    : id(id), name(name != nullptr ? name : ""), minimum(minimum), maximum(maximum), value(value),
      automatable(automatable),
      prefixes(prefixFirst != nullptr ? std::span<const SPrefixRecord>(prefixFirst, prefixLast + 1)
                                      : std::span<const SPrefixRecord>())
{
}

std::int32_t CPluginControl_Continuous::SetValueFromText(const char* text)
{
    return ContinuousToHost(ParseValueText(text, unit, prefixes, ""));
}

bool CPluginControl_Continuous::IsKeyValid(std::int16_t character)
{
    return IsContinuousKey(character, unit, prefixes);
}

void CPluginControl_Continuous::GetName(char* buffer, std::int32_t maxLength)
{
    CopyNameVariant(buffer, name.c_str(), maxLength);
}

void CPluginControl_Continuous::GetValueText(char* text, std::int32_t maxLength, std::int32_t hostValue)
{
    CopyValueText(FormatValueText(HostToContinuous(hostValue), digits, unit, maxLength, prefixes, !unit.empty()),
                  text, maxLength);
}
