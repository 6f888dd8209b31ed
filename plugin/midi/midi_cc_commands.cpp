#include "plugin/aplugin.h"
#include "plugin/midi/ecs_file.h"
#include "plugin/settings/path_text.h"
#include "plugin/settings/user_dialogs.h"

namespace {

constexpr std::int32_t kLoadEcsCommand = 0;
constexpr std::int32_t kSaveEcsCommand = 1;
constexpr std::int32_t kClearMidiCommand = 2;

constexpr const char* kEcsProblem = "Problem with ECS File";
constexpr std::uint32_t kNoticeStyle = 0;

} // namespace

void APlugin::loadMidiCcMap()
{
    midiCcMap.loadFromStore();
}

void APlugin::handleEcsCommand(std::int32_t command)
{
    switch (command) {
    case kLoadEcsCommand: loadEcsFile(); break;
    case kSaveEcsCommand: saveEcsFile(); break;
    case kClearMidiCommand: clearMidiCcMap(); break;
    default: break;
    }
}

void APlugin::clearMidiCcMap()
{
    midiCcMap.assignAndStore({});
}

void APlugin::saveLearnedControllers()
{
    midiCcMap.saveUnsaved();
}

void APlugin::loadEcsFile()
{
    char folder[kravo::kPathBufferSize] = {};
    char path[kravo::kPathBufferSize] = {};
    kravo::openFileDialog("ECS Loader", folderSettings.ecsFolder, "ECS", "*.ecs", "!", folder, path);
    if (path[0] == 0)
        return;
    const auto parameters = kravo::readEcsFile(path);
    if (!parameters) {
        kravo::askUser(kEcsProblem, kNoticeStyle);
        return;
    }
    midiCcMap.assignAndStore(*parameters);
}

void APlugin::saveEcsFile()
{
    char folder[kravo::kPathBufferSize] = {};
    char path[kravo::kPathBufferSize] = {};
    kravo::saveFileDialog("ECS Save", folderSettings.ecsFolder, "ECS", "Kravo.ecs", folder, path);
    if (path[0] == 0)
        return;
    if (!kravo::writeEcsFile(path, midiCcMap.snapshot()))
        kravo::askUser(kEcsProblem, kNoticeStyle);
}
