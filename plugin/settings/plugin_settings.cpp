#include "plugin/aplugin.h"
#include "plugin/settings/mapping_setting.h"
#include "plugin/settings/registry_settings.h"

#include "platform/registry.h"

#include <cstring>

void APlugin::loadFolderSettings()
{
    // A fresh store gets the folders and the empty record in one write.
    platform::RegistryBatch batch;
    kravo::loadFolderSettings(folderSettings);
    kravo::loadRecentProgramRecord(recentProgramRecord);
}

void APlugin::loadNoteMapping()
{
    char mapping[kravo::kTextSettingCapacity] = {};
    kravo::readMappingSetting(mapping);
    writeMappingSetting(mapping);
}

void APlugin::writeMappingSetting(const char* name)
{
    kravo::writeRegString("Mapping", name);
    noteMap.load(std::strcmp(name, kravo::kStandardMapping) == 0 ? NoteMap::standardTable : NoteMap::gmTable);
}
