#pragma once

#include "engine/distortion/voice_distortion.h"
#include "engine/dsp/ahd_envelope.h"
#include "engine/dsp/lfo.h"
#include "engine/filters/voice_filter.h"
#include "engine/voices/synth_voice.h"
#include "engine/voices/voice_context.h"

#include <cstdint>

class SampleBuffer;

namespace samples {

// How a slot's two layers share its notes, numbered as the slot's "Mode" selects them;
// every value from Mix on mixes.
enum class CombineMode : std::int32_t { SampleA = 0, SampleB = 1, Alternate = 2, Split = 3, Mix = 4 };

inline constexpr int kLayerCount = 2; // A and B

// What a slot's voices play from during one sample: the buffers of its
// layers (null when the layer has none) and the filter LFO of each layer that
// its voices share while "LFO Mode" does not give each voice its own.
struct SlotSources {
    const SampleBuffer* buffers[kLayerCount] = {};
    voices::SharedLfo* sharedLfos = nullptr;
};

// Where one layer's playback stands, what its note-on fixed, and what its
// control-rate updates last worked out. Positions are in frames of its sample.
struct LayerState {
    bool on = false; // started by the note and not yet ended
    bool looping = false;
    bool reverse = false;
    bool pitchEnvOn = false;
    float position = 0.0f;
    float rateRatio = 1.0f;
    float lastFrame = 0.0f;
    float startPosition = 0.0f;
    float endPosition = 0.0f;
    float retriggerBound = 0.0f;
    std::uint32_t retriggerCount = 0;
    std::uint32_t retriggerLimit = 0;
    float loopStart = 0.0f;
    float loopEnd = 0.0f;
    float pitchEnvAmount = 0.0f; // octaves at full envelope
    float filterEnvAmount = 0.0f;
    float randomPitch = 0.0f;   // octaves
    float velocityPitch = 0.0f; // octaves
    float velocityFreq = 0.0f;
    float stereoStart = 0.5f;
    float stereoEnd = 0.5f;
    float sweepPhase = 0.0f;
    float sweepRate = 0.0f;
    float baseStep = 0.0f; // frames per output sample before the pitch envelope
    float step = 0.0f;
    float volumeGain = 0.0f;
    float panLeft = 0.0f; // balance times the layer's volume
    float panRight = 0.0f;
    float lfoValue = 0.0f;
    float filterFreq = 0.0f; // 0..1 before the envelope and the LFO
    float filterQ = 0.0f;
    float outLeft = 0.0f;
    float outRight = 0.0f;
};

// One voice of a sample slot ("Sample 1" .. "Sample 8"): two layers, each
// playing its slot layer's user sample with its own pitch, start, retriggers,
// loop, direction, envelopes, filter, filter LFO and stereo sweep, combined by
// the slot's mode into the slot's bus.
class SampleSlotVoice {
public:
    static constexpr int kInstances = 8;

    // Each layer's filter lives in the engine, as a drum pad's layer's does. Bound once, before setup.
    void bindFilter(int layer, dsp::VoiceFilter* filter) { layers_[layer].filter = filter; }
    // The neutral start for a sample rate: silent, every envelope at rest.
    void setup(float sampleRate, const float* sineTable, const float* cosineTable);
    // `alternate` is the slot's alternation flag as this note left it.
    void noteOn(const voices::VoiceContext& c, const SlotSources& sources, float velocity, std::uint32_t alternate);
    // A stolen voice fades fast.
    void kill();
    // Note-off lets the looping layers decay; the others play on.
    void releaseLoopingLayers();
    void stop();
    // One sample; `layersEnabled`: at least one of the slot's layer switches is on; `blockLeft`: the samples
    // of the host's block from this one on.
    // Inline, as each sounding voice hands out one sample a sample.
    void render(const voices::VoiceContext& c, const SlotSources& sources, bool layersEnabled,
                std::uint32_t blockLeft)
    {
        if (!layersEnabled)
            playing = false;
        if (!playing || (aheadNext_ == aheadCount_ && !startRun(c, sources, blockLeft)))
            return;
        ++counter_;
        const std::uint32_t k = aheadNext_++;
        c.route(aheadLeft_[k], aheadRight_[k]);
    }

    // Whether the next render starts a run, and so reads the slot's sources.
    bool startsRun() const { return aheadNext_ == aheadCount_; }

    // The filter LFO rate of a layer (the parameter layer when B shares A's).
    static dsp::LfoRate filterLfoRate(const voices::VoiceContext& c, int parameterLayer);

    bool layerAOn() const { return layers_[0].state.on; }
    bool layerBOn() const { return layers_[1].state.on; }
    const LayerState& layer(int layer) const { return layers_[layer].state; }

    bool playing = false;

private:
    struct Layer {
        LayerState state;
        dsp::AhdEnvelope ampEnv;
        dsp::AhdEnvelope pitchEnv;
        dsp::AhdEnvelope filterEnv;
        dsp::VoiceFilter* filter = nullptr;
        dsp::Lfo lfo;
        // Each layer has its own: a shaper's held values and DC state follow one signal.
        dsp::VoiceDistortion distortion;
        voices::DbGainMemo volumeGain;
        voices::Exp2Memo pitchFactor;
    };

    void startLayer(const voices::VoiceContext& c, int layer, const SampleBuffer* buffer);
    void updateControls(const voices::VoiceContext& c, const SlotSources& sources, bool timesTick);
    void updateLayer(const voices::VoiceContext& c, int layer, voices::SharedLfo& sharedLfo, bool timesTick);
    void setEnvelopeTimes(const voices::VoiceContext& c, Layer& layer, int parameterLayer);
    void updateFilterLfo(const voices::VoiceContext& c, Layer& layer, voices::SharedLfo& sharedLfo,
                         int parameterLayer);
    // Between two control ticks a voice reads nothing but its own state and its layers' buffers, which
    // change only between blocks (a kill or a release acts at the envelopes' next block), so the samples
    // up to the next tick or the block's end are worked out in one go and handed out one a sample.
    void renderAhead(const SlotSources& sources, std::uint32_t blockLeft);
    // The control tick if one is due, then a run; false when the tick stopped the voice (its sample counted).
    bool startRun(const voices::VoiceContext& c, const SlotSources& sources, std::uint32_t blockLeft);
    // `count` samples of one layer into outLeft and outRight.
    void renderLayerRun(int layer, const SampleBuffer* buffer, std::uint32_t count, float* outLeft,
                        float* outRight);
    void stepEnvelopes(Layer& layer, bool pitchTick);
    int parameterLayer(int layer) const { return shareLayerA_ ? 0 : layer; }

    std::uint32_t counter_ = 0; // samples since the note-on
    CombineMode combineMode_ = CombineMode::SampleA;
    bool shareLayerA_ = false;
    bool lfoPerVoice_ = false;
    float velocity_ = 0.0f;
    float velocityGain_ = 1.0f;
    float voiceGain_ = 0.0f;
    voices::DbGainMemo volumeGain_;
    float mix_ = 0.0f;
    float timeFactor_ = 1.0f; // the note's decay factor times the slot's "Env Speed" modulation
    float spread_[kLayerCount] = {}; // pan offsets of the layers in the mixing modes
    Layer layers_[kLayerCount];
    static constexpr std::uint32_t kMostAhead = voicetick::kControlMask + 1;
    float aheadLeft_[kMostAhead] = {};
    float aheadRight_[kMostAhead] = {};
    std::uint32_t aheadCount_ = 0;
    std::uint32_t aheadNext_ = 0;
};

} // namespace samples
