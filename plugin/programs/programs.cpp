#include "plugin/aplugin.h"

#include "plugin/audio/audio_thread.h"
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
    // Showing the original is only a view: a write returns to the edited set
    // and lands there, so the edits made before it stay heard and stored.
    if (compareShowsOriginal && v != currentValues[index])
        compareShowEdited(curProgram);
    const bool changed = v != currentValues[index];
    if (changed) {
        currentValues[index] = v;
        editedValues[index] = v;
        storedPrograms[curProgram][index] = v;
        // A model chosen by the host sounds at once, as one chosen in the editor does.
        const int modelSlot = engine.slotOfModelParameter(index);
        if (modelSlot != Engine::kNoSlot)
            loadFactorySample(modelSlot);
    }
    if (currentValues[index] != lastValues[index]) {
        lastValues[index] = v;
        if (v != loadedValues[index])
            compareShowsEdited = true;
    }
    if (index == kReloadTriggerParam)
        reapplyCurrentProgram();
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
    compareShowsOriginal = false;
    if (!isProgramNumber(program))
        return;
    curProgram = program;
    copyName(loadedProgramName, programNames[program], kProgramNameSize);
    copyName(editedProgramName, programNames[program], kProgramNameSize);
    loadStoredProgram(program);
    // Entered after the values are in, so the entry carries this program's own bank name.
    updateRecentPrograms();
    samplePreview.stop();
    // The layers' samples are read here, on the main thread, and handed to the
    // audio thread complete; its half of the change never reads a file.
    reloadLayerSamples();
    programReloadPending = true;
}

// The values are put in place here, on the caller's thread, so that the audio
// thread's half of the reload never copies over a newer write.
void APlugin::reapplyCurrentProgram()
{
    compareShowsEdited = false;
    compareShowsOriginal = false;
    loadStoredProgram(curProgram);
    if (kravo::renderingBlock)
        layerReloadsWanted = true;
    else
        reloadLayerSamples();
    programReloadPending = true;
}

// A new instance has nothing sounding yet: its first program is completed
// at once, so a note in its first block is not cut by a reload.
void APlugin::loadFirstProgram()
{
    setProgram(0);
    programReloadPending = false;
    completeProgramChange();
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
    // Taken in one step: a request that arrives while this reload runs is
    // left pending for the next mark instead of being cleared with this one.
    if (!programReloadPending.exchange(false))
        return;
    programReloadBusy = true;
    completeProgramChange();
    programReloadBusy = false;
}

void APlugin::completeProgramChange()
{
    resetAllVoices();
    engine.decodeModulationMatrix();
    engine.updateGlobalModulators();
    loadFactorySamplesOfVoices();
    requestEditorRefresh();
    setPatternViewRefreshFlag(true);
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

std::string APlugin::getBankName() const
{
    return kravo::readBankName(currentValues);
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
    // A rename made since the load belongs to the edited program.
    copyName(editedProgramName, programNames[curProgram], kProgramNameSize);
    std::memcpy(currentValues, loadedValues, kProgramBytes);
    setProgramName(loadedProgramName);
    requestEditorRefresh();
    compareShowsEdited = false;
    compareShowsOriginal = true;
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
    compareShowsOriginal = false;
}

void APlugin::loadFactorySamplesOfVoices()
{
    for (std::int32_t slot = 0; slot < samples::FactorySamples::kSlots; ++slot)
        loadFactorySample(slot);
}
