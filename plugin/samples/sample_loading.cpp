#include "plugin/aplugin.h"

#include "plugin/parameters/param_text.h"
#include "plugin/parameters/sample_slot_parameters.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace {

using kravo::param::kSampleNameLength;
using kravo::param::sampleNameIndex;

// The last of a name's parameters always stays 0.0, ending the text.
constexpr std::size_t kLongestSampleName = kSampleNameLength - 1;

bool isLayer(std::int32_t slot, std::int32_t layer)
{
    return slot >= 0 && slot < kravo::param::kSampleSlotCount && (layer == 0 || layer == 1);
}

int layerIndex(std::int32_t slot, std::int32_t layer)
{
    return layer + 2 * slot;
}

int nameIndex(std::int32_t slot, std::int32_t layer)
{
    return sampleNameIndex(static_cast<kravo::param::SampleLayer>(layer), slot);
}

std::string withBackslashes(std::string text)
{
    std::replace(text.begin(), text.end(), '/', '\\');
    return text;
}

} // namespace

void APlugin::setParamText(std::int32_t first, const std::string& text, std::int32_t count, std::int32_t program)
{
    if (first < 0 || count <= 0 || first + count > kNumParams || program < -1 || program >= kNumPrograms)
        return;
    const std::string kept = withBackslashes(text.substr(0, static_cast<std::size_t>(count - 1)));
    for (std::int32_t k = 0; k < count; ++k) {
        const float value = static_cast<std::size_t>(k) < kept.size() ? kravo::paramTextValue(kept[static_cast<std::size_t>(k)]) : 0.0f;
        if (program < 0)
            setParameter(first + k, value);
        else
            storedPrograms[program][first + k] = value;
    }
}

std::string APlugin::getParamText(std::int32_t first, std::int32_t count, std::int32_t program) const
{
    if (first < 0 || count <= 0 || first + count > kNumParams || program < -1 || program >= kNumPrograms)
        return {};
    const float* values = program < 0 ? currentValues : storedPrograms[program];
    return withBackslashes(kravo::readParamText(std::span<const float, kNumParams>(values, kNumParams), first, count));
}

kravo::LayerBrowseState& APlugin::browseState(std::int32_t slot, std::int32_t layer)
{
    return layerBrowse[static_cast<std::size_t>(layerIndex(slot, layer))];
}

std::string APlugin::getLayerBrowseFolder(std::int32_t slot, std::int32_t layer) const
{
    return isLayer(slot, layer) ? layerBrowse[static_cast<std::size_t>(layerIndex(slot, layer))].browseFolder : std::string();
}

void APlugin::listSampleFolder(std::int32_t slot, std::int32_t layer)
{
    if (isLayer(slot, layer))
        sampleList.list(folderSettings.sampleFolder + browseState(slot, layer).browseFolder);
}

void APlugin::enterSampleFolder(std::int32_t slot, std::int32_t layer, std::int32_t n)
{
    if (!isLayer(slot, layer) || sampleList.kind(n) != kravo::FileBrowserList::kFolder)
        return;
    std::string entered = browseState(slot, layer).browseFolder + sampleList.name(n) + "\\";
    // Cut, it would be another folder.
    if (entered.size() > kravo::LayerBrowseState::kLongestFolder)
        return;
    const std::int32_t other = 1 - layer;
    if (!isLayerEnabled(slot, other))
        browseState(slot, other).browseFolder = entered;
    browseState(slot, layer).browseFolder = std::move(entered);
    listSampleFolder(slot, layer);
}

void APlugin::sampleFolderUp(std::int32_t slot, std::int32_t layer)
{
    if (!isLayer(slot, layer) || browseState(slot, layer).browseFolder.empty())
        return;
    browseState(slot, layer).browseFolder = kravo::parentBrowseFolder(browseState(slot, layer).browseFolder);
    listSampleFolder(slot, layer);
}

void APlugin::sampleFolderToRoot(std::int32_t slot, std::int32_t layer)
{
    if (!isLayer(slot, layer))
        return;
    const std::int32_t other = 1 - layer;
    if (!isLayerEnabled(slot, other))
        browseState(slot, other).browseFolder.clear();
    browseState(slot, layer).browseFolder.clear();
    listSampleFolder(slot, layer);
}

std::string APlugin::getLayerSampleName(std::int32_t slot, std::int32_t layer) const
{
    // A layer whose file is missing holds no sample, though its program still names the file.
    if (!isLayerEnabled(slot, layer) || !layerSamples.buffer(layerIndex(slot, layer)).isLoaded())
        return std::string(kravo::kNoSampleName);
    return kravo::fileOfName(getParamText(nameIndex(slot, layer), kSampleNameLength, -1));
}

void APlugin::previewSample(std::int32_t slot, std::int32_t layer, std::int32_t n)
{
    if (samplePreview.isPlaying() || !isLayer(slot, layer) || sampleList.kind(n) != kravo::FileBrowserList::kFile)
        return;
    auto buffer = std::make_unique<SampleBuffer>();
    const std::string path = folderSettings.sampleFolder + browseState(slot, layer).browseFolder + sampleList.name(n);
    const bool loaded = kravo::readSampleFile(*buffer, path);
    layerSamples.replace(LayerSamples::kPreview, std::move(buffer));
    if (loaded)
        samplePreview.start();
}

void APlugin::renderPreviewSample()
{
    engine.updateMasterGain();
    const float gain = engine.getMasterGain() * 0.5f;
    float left = 0.0f;
    float right = 0.0f;
    if (samplePreview.play(layerSamples.audioBuffer(LayerSamples::kPreview), engine.getSampleRate(), left, right)) {
        outLeft = left * gain;
        outRight = right * gain;
    }
}

bool APlugin::loadSampleIntoLayer(std::int32_t slot, std::int32_t layer, std::int32_t n)
{
    if (!isLayer(slot, layer) || sampleList.kind(n) != kravo::FileBrowserList::kFile)
        return false;
    const std::string name = withBackslashes(browseState(slot, layer).browseFolder + sampleList.name(n));
    if (name.size() > kLongestSampleName)
        return false;
    auto buffer = std::make_unique<SampleBuffer>();
    const bool loaded = kravo::readSampleFile(*buffer, folderSettings.sampleFolder + name);
    const auto lastFrame = static_cast<float>(buffer->getLastFrame());
    layerSamples.replace(layerIndex(slot, layer), std::move(buffer));
    setLayerEnabled(slot, layer, loaded);
    if (!loaded)
        return false;
    setParamText(nameIndex(slot, layer), name, kSampleNameLength, -1);
    // What the layer holds now: a program that stores the same name need not read it again.
    browseState(slot, layer).loadedName = name;
    setLayerLastFrame(slot, layer, lastFrame);
    setLoopStart(slot, layer, 0.0f);
    setLoopEnd(slot, layer, lastFrame);
    return true;
}

void APlugin::reloadLayerSample(std::int32_t slot, std::int32_t layer)
{
    if (!isLayer(slot, layer))
        return;
    kravo::LayerBrowseState& state = browseState(slot, layer);
    const bool on = isLayerEnabled(slot, layer);
    const std::string stored = getParamText(nameIndex(slot, layer), kSampleNameLength, -1);
    const std::string previous = std::exchange(state.loadedName, on ? stored : std::string(kravo::kNoSampleName));
    if (state.loadedName == previous) {
        if (!on)
            state.browseFolder.clear();
        return;
    }
    state.browseFolder.clear();
    if (!on)
        return;
    state.browseFolder = kravo::folderOfName(stored);
    auto buffer = std::make_unique<SampleBuffer>();
    const bool loaded = kravo::readSampleFile(*buffer, folderSettings.sampleFolder + stored);
    if (loaded) {
        layerSamples.replace(layerIndex(slot, layer), std::move(buffer));
        return;
    }
    // A missing file silences the layer while it is missing (it plays the silent placeholder) but
    // leaves the program as it stands: switching the layer off here would store the "off", and a
    // state saved on a machine without the file would lose the layer for good. The next reload
    // looks for the file again.
    buffer->reset();
    layerSamples.replace(layerIndex(slot, layer), std::move(buffer));
    state.loadedName = kravo::kNoSampleName;
    state.browseFolder.clear();
}

void APlugin::reloadLayerSamples()
{
    for (std::int32_t slot = 0; slot < kravo::param::kSampleSlotCount; ++slot)
        for (std::int32_t layer = 0; layer < 2; ++layer)
            reloadLayerSample(slot, layer);
}
