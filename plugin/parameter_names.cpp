#include "plugin/aplugin.h"

#include "plugin/parameters/names/parameter_names.h"

#include <span>

void APlugin::getParameterName(std::int32_t index, char* text)
{
    kravo::param::writeParameterName(index, std::span<const float>(currentValues), text);
}

void APlugin::getParameterLabel(std::int32_t index, char* label)
{
    (void)index;
    label[0] = ' ';
    label[1] = 0;
}
