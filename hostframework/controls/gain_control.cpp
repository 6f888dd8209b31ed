#include "hostframework/controls/gain_control.h"

#include "hostframework/controls/host_value_conversions.h"

#include <cmath>

CPluginControl_Gain::CPluginControl_Gain(std::uint32_t id, const char* name, double minimum, double maximum,
                                         double value, bool automatable, const SPrefixRecord* prefixFirst,
                                         const SPrefixRecord* prefixLast)
    : CPluginControl_Continuous(id, name, minimum, maximum, value, automatable, prefixFirst, prefixLast)
{
    unit = "dB";
}

std::int32_t CPluginControl_Gain::SetValueFromText(const char* text)
{
    return ContinuousToHost(DBToLinear(ParseValueText(text, unit, prefixes, "")));
}

void CPluginControl_Gain::GetValueText(char* text, std::int32_t maxLength, std::int32_t hostValue)
{
    const double linear = HostToContinuous(hostValue);
    if (linear == 0.0) {
        CopyValueText("-INF", text, maxLength);
        return;
    }
    CopyValueText(FormatValueText(LinearToDB(std::fabs(linear)), digits, unit, maxLength, prefixes, true), text,
                  maxLength);
}
