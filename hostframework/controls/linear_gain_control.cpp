#include "hostframework/controls/linear_gain_control.h"

CPluginControl_LinearGain::CPluginControl_LinearGain(std::uint32_t id, const char* name, double minimum,
                                                     double maximum, double step, double value, bool automatable,
                                                     const SPrefixRecord* prefixFirst,
                                                     const SPrefixRecord* prefixLast)
    : CPluginControl_Continuous(id, name, minimum, maximum, value, automatable, prefixFirst, prefixLast),
      CPluginControl_Gain(id, name, minimum, maximum, value, automatable, prefixFirst, prefixLast),
      CPluginControl_Linear(id, name, minimum, maximum, step, value, automatable, prefixFirst, prefixLast)
{
}
