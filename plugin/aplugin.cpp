#include "plugin/aplugin.h"

#include "editor/ueditor.h"
#include "engine/dsp/random_source.h"
#include "platform/clock.h"
#include "platform/four_char_code.h"
#include "platform/registry.h"
#include "plugin/base/plugin_editor.h"
#include "plugin/parameters/default_patch.h"
#include "plugin/parameters/voice_order.h"

#include <cmath>
#include <new>

namespace {

constexpr auto kUniqueId = static_cast<std::int32_t>(FourCharCode("KrCH"));
// No host plays audio below this; far below it the drum models' filters blow up.
constexpr float kMinSampleRate = 1000.0f;
constexpr float kMaxSampleRate = 500000.0f;

} // namespace

extern "C" AudioPlugin* createEffectInstance(HostCallback masterCallback)
{
    return new (std::nothrow) APlugin(masterCallback);
}

APlugin::APlugin(HostCallback masterCallback) : AudioPluginX(masterCallback, kNumPrograms, kNumParams)
{
    // The settings a start reads and writes back reach the store in one write.
    platform::RegistryBatch settingsWrites;
    engine.attach(currentValues, this, &layerSamples);
    // Registers itself with the plug-in object, which deletes it; it has no window until the host asks.
    new uEditor(this);
    seedRandomSource();
    setNumInputs(2);
    setNumOutputs(2);
    canProcessReplacing(true);
    isSynth(true);
    programsAreChunks(false);
    setUniqueID(kUniqueId);
    programReloadBusy = false;
    patternViewRefreshFlag = false;
    editorRefreshFlag = false;
    loadMidiCcMap();
    clearRecentPrograms();
    loadFactoryPrograms();
    initEngine();
    loadFolderSettings();
    listAllDrumPresets();
    initDefaultPatch();
    loadNoteMapping();
    loadFirstProgram();
}

APlugin::~APlugin()
{
    // A host ought to close the editor first; one that does not must not leave its window and controls behind.
    if (editor != nullptr && editor->isOpen())
        editor->close();
    saveLearnedControllers();
}

PlugIntPtr APlugin::dispatcher(std::int32_t opcode, std::int32_t index, PlugIntPtr value, void* ptr, float opt)
{
    // The editor's idle is the main thread's regular visit while MIDI learn is possible.
    if (opcode == plugEditIdle) {
        saveLearnedControllers();
        if (layerReloadsWanted.exchange(false))
            reloadLayerSamples();
    }
    return AudioPluginX::dispatcher(opcode, index, value, ptr, opt);
}

void APlugin::setSampleRate(float rate)
{
    if (!std::isfinite(rate) || rate < kMinSampleRate || rate > kMaxSampleRate || rate == sampleRate)
        return;
    sampleRate = rate;
    samplePeriod = 1.0f / rate;
    engine.setSampleRate(rate);
}

void APlugin::resetAllVoices()
{
    engine.resetAllVoices();
}

bool APlugin::beginEdit(std::int32_t index)
{
    if (editor)
        editor->trackEditedControl(index);
    return AudioPluginX::beginEdit(index);
}

bool APlugin::endEdit(std::int32_t index)
{
    if (editor)
        editor->trackEditedControl(-1);
    return AudioPluginX::endEdit(index);
}

// Construction steps whose substance the settings, programs and engine units provide.
void APlugin::seedRandomSource()
{
    randomSeed = GetTickCount();
    dsp::seedRandom(randomSeed);
}

void APlugin::clearRecentPrograms()
{
    recentPrograms = {};
    recentProgramRecord = {};
}

void APlugin::initEngine()
{
    engine.attachFactorySamples(&factorySamples);
    initSampleTable();
    engine.initEngine();
}

// Drum presets are listed by the drum-preset unit.
void APlugin::listAllDrumPresets()
{
    for (std::int32_t slot = 0; slot < kravo::param::kVoiceSlotCount; ++slot)
        listDrumPresets(slot);
}

void APlugin::initDefaultPatch()
{
    kravo::fillDefaultValues(defaultValues);
    kravo::fillZeroValues(zeroValues);
    kravo::fillPatternClearValues(patternClearValues);
}
