#include "plugin/aplugin.h"

#include "plugin/base/plugin_editor.h"

namespace {

constexpr std::int32_t kFirstUserModeParam = 1770;

} // namespace

bool APlugin::isEditorOpen()
{
    return editor && editor->isOpen() && !editorOpening.load();
}

void APlugin::requestEditorRefresh()
{
    if (isEditorOpen())
        setEditorRefreshFlag(true);
}

void APlugin::showVoiceActivity(std::int32_t pad, bool on)
{
    if (pad != kNoPad && isEditorOpen())
        editor->setVoiceLed(pad, on);
}

void APlugin::refreshSampleBrowserIfOpen()
{
    if (isEditorOpen())
        editor->refreshSampleBrowser();
}

bool APlugin::isUserMode(std::int32_t slot) const
{
    return currentValues[kFirstUserModeParam + slot] >= 0.5f;
}
