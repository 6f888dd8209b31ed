#pragma once

#include "engine/dsp/ahd_envelope.h"
#include "engine/dsp/lfo.h"
#include "engine/filters/voice_filter.h"
#include "engine/samples/sample_slot_voice.h"
#include "engine/voices/shared_lfo.h"
#include "engine/voices/synth_voice.h"

namespace samples {
class FactorySamples;
}

namespace voices {

// The sample layer of one voice of a synthesised slot: plays the built-in
// sample that the slot's sample model copied into the slot's buffer, with
// the slot's tuning, start offset, retriggers, direction, amplitude envelope,
// filter with its own envelope and LFO, the voice's distortion and a stereo
// sweep. It never loops; it ends with its envelope or at the sample's end.
class VoiceLayer {
public:
    // The layer's filter, which with its comb memory is far larger than the rest of the layer, lives in
    // the engine beside the other layers' filters: the layers the engine walks every sample stay small
    // and close together. Bound once, before setup.
    void bindFilter(dsp::VoiceFilter* filter) { filter_ = filter; }
    void setup(float sampleRate);
    // `length`: the entry's frames; the layer plays no further than the slot's copy holds.
    void start(const VoiceContext& c, float velocity, float length, std::int32_t loadedFrames);
    void kill() { ampEnv_.kill(); }
    // One output sample, added to the slot's bus; false once the layer has ended.
    // `sharedLfo`: the slot's filter LFO, which the engine steps once a sample.
    // `blockLeft`: the samples of the host's block from this one on.
    bool render(const VoiceContext& c, SynthVoice& voice, const samples::FactorySamples& buffers,
                SharedLfo& sharedLfo, std::uint32_t blockLeft)
    {
        if (aheadNext_ == aheadCount_) {
            if (!state_.on)
                return false;
            renderAhead(c, voice, buffers, sharedLfo, blockLeft);
        }
        ++voice.counter;
        const std::uint32_t k = aheadNext_++;
        if (k == endsAt_)
            return false;
        c.route(aheadLeft_[k], aheadRight_[k]);
        return true;
    }
    static dsp::LfoRate filterLfoRate(const VoiceContext& c);

    const samples::LayerState& state() const { return state_; }

private:
    // Between two control ticks a layer reads nothing but its own state and
    // its slot's copy of the sample: a kill acts at the envelope's next block,
    // a new note starts the layer afresh, and the bus is chosen as each sample
    // is handed out. So the samples up to the next tick are worked out in one
    // go, but not past the block, between whose blocks a host may have the
    // copy replaced.
    void renderAhead(const VoiceContext& c, SynthVoice& voice, const samples::FactorySamples& buffers,
                     SharedLfo& sharedLfo, std::uint32_t blockLeft);
    bool stepAndMove(samples::LayerState& s, std::uint32_t sample);
    void updateControls(const VoiceContext& c, SynthVoice& voice, SharedLfo& sharedLfo);
    void setEnvelopeTimes(const VoiceContext& c, float timeFactor);

    samples::LayerState state_;
    bool lfoPerVoice_ = false;
    float panLeft_ = 0.0f;
    float panRight_ = 0.0f;
    Exp2Memo tuningFactor_;
    dsp::AhdEnvelope ampEnv_;
    dsp::AhdEnvelope filterEnv_;
    dsp::VoiceFilter* filter_ = nullptr;
    dsp::Lfo lfo_;
    static constexpr std::uint32_t kMostAhead = voicetick::kControlMask + 1;
    static constexpr std::uint32_t kNoEnd = kMostAhead;
    float aheadLeft_[kMostAhead] = {};
    float aheadRight_[kMostAhead] = {};
    std::uint32_t aheadCount_ = 0; // samples worked out, the ending one included
    std::uint32_t aheadNext_ = 0;
    std::uint32_t endsAt_ = kNoEnd; // the sample at which the layer ends, if worked out
};

} // namespace voices
