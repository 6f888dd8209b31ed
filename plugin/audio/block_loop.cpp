#include "plugin/aplugin.h"

#include "engine/dsp/random_source.h"
#include "plugin/audio/audio_thread.h"

namespace {

constexpr std::uint32_t kEvery16 = 0xF;
constexpr std::uint32_t kEvery64 = 0x3F;
constexpr std::uint32_t kEvery8192 = 0x1FFF;

} // namespace

void APlugin::processReplacing(float** inputs, float** outputs, std::int32_t frames)
{
    (void)inputs;
    if (!audioThreadSeeded) {
        dsp::seedRandom(randomSeed);
        audioThreadSeeded = true;
    }
    timeInfo = getTimeInfo(kTimeInfoFilter);
    engine.setHostTime(timeInfo);
    const kravo::RenderingBlockScope rendering;
    playEditorRequests();
    // Asked before the buffers are taken, so a preview begins with its own buffer.
    const bool previewStarting = samplePreview.isStarting();
    layerSamples.takePublished();
    if (previewStarting)
        samplePreview.begin(layerSamples.audioBuffer(LayerSamples::kPreview));
    float* left = outputs[0];
    float* right = outputs[1];
    for (std::int32_t i = 0; i < frames; ++i) {
        if (midiQueue.isDueAt(i))
            dispatchMidiEvents(i);
        outLeft = 0.0f;
        outRight = 0.0f;
        ++sampleCounter;
        renderSample();
        left[i] = outLeft;
        right[i] = outRight;
    }
    midiQueue.endBlock(frames);
}

void APlugin::process(float** inputs, float** outputs, std::int32_t frames)
{
    processReplacing(inputs, outputs, frames);
}

void APlugin::renderSample()
{
    engine.setSampleCounter(sampleCounter);
    engine.rotateEqualizerTaps();
    if ((sampleCounter & kEvery8192) == 0)
        applyPendingProgram();
    outLeft = 0.0f;
    outRight = 0.0f;
    if (samplePreview.isSounding()) {
        renderPreviewSample();
        return;
    }
    engine.clearBuses();

    if ((sampleCounter & kEvery16) == 0) {
        const float tempo = engine.getTempo();
        engine.updateMasterEffectCoefficients(tempo != lastTempo);
        lastTempo = tempo;
        if ((sampleCounter & kEvery64) == 0) {
            engine.killGlobalModEnvelopesWhenSilent();
            engine.decodeEffectRouting();
            engine.decodeModulationMatrix();
            engine.updateSlotActivity();
        }
    }

    engine.updateGlobalModulators();
    engine.updateEasyLfo();
    engine.updateMasterGain();
    engine.syncToHost();
    engine.updateVoiceLfos();
    engine.renderDrumSlots();
    engine.renderSampleSlots();
    engine.tickPatternPlayers();
    engine.processMasterEffects();
    engine.mixOutput(outLeft, outRight);
}

