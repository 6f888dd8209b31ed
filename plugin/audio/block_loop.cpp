#include "plugin/aplugin.h"

#include "engine/dsp/random_source.h"
#include "plugin/audio/audio_thread.h"

#include <algorithm>

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
    engine.setBlockEnd(sampleCounter + static_cast<std::uint32_t>(std::max(frames, 0)));
    // A block starts on a full sample: the requests and the host's time above may have moved anything.
    // A quiet run ends before an event and at each control tick, which take the full path.
    bool quiet = false;
    for (std::int32_t i = 0; i < frames;) {
        if (midiQueue.isDueAt(i)) {
            if (quiet)
                engine.endQuietRun();
            quiet = false;
            dispatchMidiEvents(i);
        }
        if (quiet) {
            const auto beforeTick = static_cast<std::int32_t>(kEvery16 - (sampleCounter & kEvery16));
            const std::int32_t run = midiQueue.samplesBeforeDue(i, std::min(beforeTick, frames - i));
            if (run > 0) {
                engine.renderQuietRun(sampleCounter + 1, run, outLeft, outRight);
                sampleCounter += static_cast<std::uint32_t>(run);
                std::fill(left + i, left + i + run, outLeft);
                std::fill(right + i, right + i + run, outRight);
                i += run;
                continue;
            }
            engine.endQuietRun();
        }
        ++sampleCounter;
        outLeft = 0.0f;
        outRight = 0.0f;
        quiet = renderSample() && quietRuns;
        left[i] = outLeft;
        right[i] = outRight;
        ++i;
    }
    if (quiet)
        engine.endQuietRun();
    midiQueue.endBlock(frames);
}

void APlugin::process(float** inputs, float** outputs, std::int32_t frames)
{
    processReplacing(inputs, outputs, frames);
}

bool APlugin::renderSample()
{
    engine.setSampleCounter(sampleCounter);
    engine.rotateEqualizerTaps();
    if ((sampleCounter & kEvery8192) == 0)
        applyPendingProgram();
    outLeft = 0.0f;
    outRight = 0.0f;
    if (samplePreview.isSounding()) {
        renderPreviewSample();
        return false;
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
    return !samplePreview.isSounding() && engine.isQuiet();
}

