#include "plugin/settings/mapping_setting.h"

#include "plugin/settings/registry_settings.h"

#include <cstring>

namespace kravo {

void readMappingSetting(std::span<char> name)
{
    char stored[kTextSettingCapacity] = {};
    readRegString("Mapping", stored);
    if (std::strcmp(stored, kStandardMapping) != 0 && std::strcmp(stored, kGmMapping) != 0) {
        writeRegString("Mapping", kGmMapping);
        std::strcpy(stored, kGmMapping);
    }
    if (std::strlen(stored) < name.size())
        std::strcpy(name.data(), stored);
    else if (!name.empty())
        name[0] = 0;
}

} // namespace kravo
