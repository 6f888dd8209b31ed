#include "plugin/aplugin.h"

#include "plugin/base/plugin_editor.h"

namespace {

constexpr std::int32_t kFirstUserModeParam = 1770;
constexpr std::int32_t kEditorVelocity = 96;
constexpr std::int32_t kFirstPatternPad = 24;

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

void APlugin::triggerPadFromEditor(std::int32_t pad)
{
    editorPadRequests.push(EditorPadRequests::Action::trigger, pad);
}

void APlugin::startPatternFromEditor(std::int32_t pattern)
{
    editorPadRequests.push(EditorPadRequests::Action::trigger, kFirstPatternPad + pattern);
}

void APlugin::releaseSlotByPad(std::int32_t pad)
{
    editorPadRequests.push(EditorPadRequests::Action::release, pad);
}

void APlugin::playEditorPadRequests()
{
    editorPadRequests.drain([this](const EditorPadRequests::Request& request) {
        if (request.action == EditorPadRequests::Action::trigger)
            engine.triggerPad(request.pad, kEditorVelocity, 0.0f, 0.0f, 1.0f);
        else
            engine.releasePad(request.pad, kEditorVelocity);
    });
}
