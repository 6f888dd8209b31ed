#include "plugin/aplugin.h"

#include "plugin/base/plugin_editor.h"

#include <algorithm>
#include <iterator>

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
    editorRequests.push(EditorRequests::Action::trigger, pad);
}

void APlugin::startPatternFromEditor(std::int32_t pattern)
{
    editorRequests.push(EditorRequests::Action::trigger, kFirstPatternPad + pattern);
}

void APlugin::releaseSlotByPad(std::int32_t pad)
{
    editorRequests.push(EditorRequests::Action::release, pad);
}

void APlugin::stopPattern(std::int32_t pattern)
{
    if (pattern >= 0 && pattern < kNumPatterns)
        editorRequests.push(EditorRequests::Action::stopPattern, pattern);
}

std::int32_t APlugin::getPatternStep(std::int32_t pattern) const
{
    if (pattern < 0 || pattern >= kNumPatterns)
        return 0;
    return static_cast<std::int32_t>(engine.getPatternStep(pattern));
}

std::int32_t APlugin::freeLockCopy() const
{
    const std::int32_t engineCopy = engineLockCopy.load();
    std::int32_t copy = 0;
    while (copy == engineCopy || copy == queuedLockCopy)
        ++copy;
    return copy;
}

void APlugin::setPatternLockMode(std::int32_t mode)
{
    // Only the pattern values go back: the rest of the program may have been edited meanwhile.
    constexpr std::int32_t kFirstWrittenBack = 2299;
    constexpr std::int32_t kLastWrittenBack = 6143;
    const std::int32_t current = patternLockMode.load();
    // Writing back without a lock would put an old or empty copy over the program.
    if (mode < 0 || mode > 2 || mode == current || (mode == 2 && current != 1))
        return;
    if (mode == 1) {
        shownLockCopy = freeLockCopy();
        float* copy = patternLockCopies[shownLockCopy];
        std::copy(std::begin(currentValues), std::end(currentValues), copy);
        queuedLockCopy = shownLockCopy;
        patternLockMode.store(1);
        editorRequests.push(EditorRequests::Action::lockPatterns, shownLockCopy);
    } else {
        if (mode == 2)
            for (std::int32_t index = kFirstWrittenBack; index <= kLastWrittenBack; ++index)
                setParameter(index, patternLockCopies[shownLockCopy][index]);
        queuedLockCopy = kNoLockCopy;
        patternLockMode.store(0);
        editorRequests.push(EditorRequests::Action::unlockPatterns);
    }
    requestEditorRefresh();
}

float APlugin::getParameterValue(std::int32_t index) const
{
    if (index < 0 || index >= kNumParams)
        return 0.0f;
    return patternLockMode.load() != 0 ? patternLockCopies[shownLockCopy][index] : currentValues[index];
}

void APlugin::setPatternParameter(std::int32_t index, float value)
{
    if (patternLockMode.load() == 0)
        setParameterAutomated(index, value);
}

void APlugin::playEditorRequests()
{
    editorRequests.drain([this](const EditorRequests::Request& request) {
        switch (request.action) {
        case EditorRequests::Action::trigger:
            engine.triggerPad(request.pad, kEditorVelocity, 0.0f, 0.0f, 1.0f);
            break;
        case EditorRequests::Action::release:
            engine.releasePad(request.pad, kEditorVelocity);
            break;
        case EditorRequests::Action::stopPattern:
            engine.stopPattern(request.pad);
            break;
        case EditorRequests::Action::lockPatterns:
            engine.lockPatterns(patternLockCopies[request.pad]);
            engineLockCopy.store(request.pad);
            break;
        case EditorRequests::Action::unlockPatterns:
            engine.unlockPatterns();
            engineLockCopy.store(kNoLockCopy);
            break;
        }
    });
}
