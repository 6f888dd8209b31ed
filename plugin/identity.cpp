#include "plugin/aplugin.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kEffectName = "Kravo";
constexpr const char* kVendor = "Vexo";
constexpr const char* kProduct = "Kravo";
constexpr std::int32_t kVendorVersion = 0x10000;
constexpr std::int32_t kStereoActivePin = plugPinIsActive | plugPinIsStereo;

} // namespace

bool APlugin::getEffectName(char* name)
{
    std::strcpy(name, kEffectName);
    return true;
}

bool APlugin::getVendorString(char* text)
{
    std::strcpy(text, kVendor);
    return true;
}

bool APlugin::getProductString(char* text)
{
    std::strcpy(text, kProduct);
    return true;
}

std::int32_t APlugin::getVendorVersion()
{
    return kVendorVersion;
}

std::int32_t APlugin::canDo(char* text)
{
    for (const char* capability : {"receivePlugEvents", "receivePlugMidiEvent", "receivePlugTimeInfo"})
        if (std::strcmp(text, capability) == 0)
            return 1;
    return 0;
}

bool APlugin::getOutputProperties(std::int32_t index, PlugPinProperties* properties)
{
    if (index < 0 || index >= 2)
        return false;
    if (index == 0)
        std::snprintf(properties->label, sizeof properties->label, "Out %d + %d", 1, 2);
    properties->flags = kStereoActivePin;
    return true;
}
