#include "hostframework/controls/linear_control.h"

#include "hostframework/controls/host_value_conversions.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// (maximum - minimum) / step + 1, cut toward zero and held to the 32-bit range.
std::int32_t stepCount(double minimum, double maximum, double step)
{
    const double steps = std::trunc((maximum - minimum) / step + 1.0);
    if (std::isnan(steps))
        return 0;
    return static_cast<std::int32_t>(std::clamp<double>(steps, std::numeric_limits<std::int32_t>::min(),
                                                        std::numeric_limits<std::int32_t>::max()));
}

} // namespace

CPluginControl_Linear::CPluginControl_Linear(std::uint32_t id, const char* name, double minimum, double maximum,
                                             double step, double value, bool automatable,
                                             const SPrefixRecord* prefixFirst, const SPrefixRecord* prefixLast)
    : CPluginControl_Continuous(id, name, minimum, maximum, value, automatable, prefixFirst, prefixLast),
      steps(stepCount(minimum, maximum, step))
{
    SetHostValue(ContinuousToHost(value));
}

std::int32_t CPluginControl_Linear::ContinuousToHost(double continuous)
{
    return continuousToHostValue(continuous, minimum, maximum);
}

double CPluginControl_Linear::HostToContinuous(std::int32_t hostValue)
{
    return hostValueToContinuous(hostValue, minimum, maximum);
}
