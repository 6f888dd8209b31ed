#include "plugin/aplugin.h"

#include "platform/module_resources.h"

void APlugin::initSampleTable()
{
    for (int i = 0; i < factory_samples::kCount; ++i)
        factorySamples.setSampleEntry(i, factory_samples::kSpecs[i].length, factory_samples::kSpecs[i].stereo);
}

// The resource lookup only searches the module's table in memory: no file and
// no allocation, so a program change may load on the audio thread.
void APlugin::loadSampleResource(std::int32_t slot, std::int32_t entry)
{
    if (entry < 0 || entry >= factory_samples::kCount)
        return;
    HMODULE module = platform::pluginModule();
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(factory_samples::kFirstResourceId + entry), "TXT");
    if (found == nullptr)
        return;
    const auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
    factorySamples.loadSampleResource(slot, entry, bytes, SizeofResource(module, found));
}

void APlugin::loadFactorySample(std::int32_t slot)
{
    if (slot < 0 || slot >= samples::FactorySamples::kSlots)
        return;
    const int entry = engine.factorySampleOfSlot(slot);
    // A slot that holds its entry already keeps it: a program change on the
    // audio thread copies only what changed.
    if (entry != Engine::kNoFactorySample && entry != factorySamples.loadedEntry(slot))
        loadSampleResource(slot, entry);
}
