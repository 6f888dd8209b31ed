#include "plugin/aplugin.h"

#include "plugin/base/plugin_editor.h"
#include "plugin/parameters/param_text.h"
#include "plugin/programs/factory_bank.h"
#include "plugin/programs/program_name.h"

#include <cmath>
#include <cstring>

namespace {

constexpr std::int32_t kReloadTriggerParam = kNumParams - 1;
constexpr std::size_t kProgramBytes = sizeof(float) * kNumParams;

bool isProgramNumber(std::int32_t program)
{
    return program >= 0 && program < kNumPrograms;
}

// Copies a zero-terminated name into a field of `size` bytes, always terminated.
void copyName(char* to, const char* from, std::size_t size)
{
    std::size_t i = 0;
    for (; i + 1 < size && from[i] != 0; ++i)
        to[i] = from[i];
    to[i] = 0;
}

} // namespace

void APlugin::loadFactoryPrograms()
{
    static_assert(kravo::kProgramCount == kNumPrograms && kravo::kProgramNameSize == kProgramNameSize);
    std::memcpy(storedPrograms, kravo::factoryBank, sizeof storedPrograms);
    std::memcpy(programNames, kravo::factoryProgramNames, sizeof programNames);
}

void APlugin::setParameter(std::int32_t index, float value)
{
    if (index < 0 || index >= kNumParams)
        return;
    // A non-finite value would break the 0..1 range every reader relies on.
    const float v = !std::isfinite(value) ? 0.0f : value < 0.0f ? 0.0f : value > 1.0f ? 1.0f : value;
    currentValues[index] = v;
    editedValues[index] = v;
    storedPrograms[curProgram][index] = v;
    if (currentValues[index] != lastValues[index]) {
        lastValues[index] = v;
        if (v != loadedValues[index])
            compareShowsEdited = true;
    }
    if (index == kReloadTriggerParam)
        programReloadPending = true;
    if (editor)
        editor->setParameter(index, v);
}

float APlugin::getParameter(std::int32_t index)
{
    return index >= 0 && index < kNumParams ? currentValues[index] : 0.0f;
}

void APlugin::loadStoredProgram(std::int32_t program)
{
    std::memcpy(currentValues, storedPrograms[program], kProgramBytes);
    std::memcpy(loadedValues, currentValues, kProgramBytes);
    std::memcpy(lastValues, currentValues, kProgramBytes);
    std::memcpy(editedValues, currentValues, kProgramBytes);
}

void APlugin::setProgram(std::int32_t program)
{
    compareShowsEdited = false;
    if (!isProgramNumber(program))
        return;
    curProgram = program;
    copyName(loadedProgramName, programNames[program], kProgramNameSize);
    copyName(editedProgramName, programNames[program], kProgramNameSize);
    loadStoredProgram(program);
    // Entered after the values are in, so the entry carries this program's own bank name.
    updateRecentPrograms();
    programReloadPending = true;
}

void APlugin::updateRecentPrograms()
{
    char name[kProgramNameSize];
    getProgramName(name);
    recentPrograms.enterProgram(name, kravo::readBankName(currentValues), curProgram);
}

void APlugin::applyPendingProgram()
{
    if (programReloadBusy)
        return;
    if (programReloadPending) {
        programReloadBusy = true;
        programReloadPending = false;
        loadStoredProgram(getProgram());
        resetAllVoices();
        reloadProgramSamples();
        engine.decodeModulationMatrix();
        engine.updateGlobalModulators();
        loadFactorySamplesOfVoices();
        requestEditorRefresh();
        setPatternViewRefreshFlag(true);
        programReloadBusy = false;
    }
    programReloadPending = false;
}

void APlugin::setProgramName(char* name)
{
    char cut[kProgramNameSize];
    copyName(cut, name, kProgramNameSize);
    kravo::truncateProgramName(cut);
    if (cut[0] == 0)
        return;
    copyName(programNames[curProgram], cut, kProgramNameSize);
    requestEditorRefresh();
}

void APlugin::getProgramName(char* name)
{
    std::memcpy(name, programNames[curProgram], kProgramNameSize);
}

bool APlugin::getProgramNameIndexed(std::int32_t category, std::int32_t index, char* text)
{
    (void)category;
    text[0] = 0;
    if (!isProgramNumber(index))
        return false;
    copyName(text, programNames[index], kProgramNameSize);
    kravo::truncateProgramName(text);
    return true;
}

void APlugin::compareShowOriginal(std::int32_t program)
{
    (void)program;
    if (!compareShowsEdited)
        return;
    std::memcpy(currentValues, loadedValues, kProgramBytes);
    setProgramName(loadedProgramName);
    requestEditorRefresh();
    compareShowsEdited = false;
}

void APlugin::compareShowEdited(std::int32_t program)
{
    (void)program;
    if (compareShowsEdited)
        return;
    std::memcpy(currentValues, editedValues, kProgramBytes);
    setProgramName(editedProgramName);
    requestEditorRefresh();
    compareShowsEdited = true;
}

// Sample reloads of the sample slots and the factory samples of the synthesised
// voices come with the sample units.
void APlugin::reloadProgramSamples() {}
void APlugin::loadFactorySamplesOfVoices() {}
