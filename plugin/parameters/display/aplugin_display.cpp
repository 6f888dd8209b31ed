#include "plugin/aplugin.h"
#include "plugin/parameters/display/parameter_display.h"

// The host's buffer is taken to hold the shortest size hosts give; every text is cut to it.
void APlugin::getParameterDisplay(std::int32_t index, char* text)
{
    kravo::param::display::formatParameterDisplay(index, kravo::ConstParameterSpan(currentValues), text,
                                           kravo::param::display::kDisplayTextSize);
}
