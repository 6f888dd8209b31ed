#pragma once

#include "engine/dsp/lfo.h"
#include "engine/dsp/one_pole_filter.h"
#include "engine/effects/amp_sim_effect.h"
#include "engine/effects/auto_pan_effect.h"
#include "engine/effects/auto_wah_effect.h"
#include "engine/effects/cabinet_effect.h"
#include "engine/effects/chorus_effect.h"
#include "engine/effects/comb_filter_effect.h"
#include "engine/effects/compressor_effect.h"
#include "engine/effects/delay_effect.h"
#include "engine/effects/delay_lines.h"
#include "engine/effects/distort_effect.h"
#include "engine/effects/effect_gate.h"
#include "engine/effects/ensemble_effect.h"
#include "engine/effects/equalizer_band.h"
#include "engine/effects/equalizer_effect.h"
#include "engine/effects/filter_effect.h"
#include "engine/effects/flanger_effect.h"
#include "engine/effects/gator_effect.h"
#include "engine/effects/limit_effect.h"
#include "engine/effects/low_fi_effect.h"
#include "engine/effects/multi_distort_effect.h"
#include "engine/effects/noise_gate_effect.h"
#include "engine/effects/phaser_effect.h"
#include "engine/effects/reverb_effect.h"
#include "engine/effects/reverb_engine.h"
#include "engine/effects/ring_mod_effect.h"
#include "engine/effects/wah_delay_effect.h"
#include "engine/effects/waveshaper_effect.h"
#include "engine/effects/widener_effect.h"
#include "engine/filters/fx_filter.h"
#include "engine/tables/amp_sim_kernels.h"

#include <cstdint>

namespace effects {

inline constexpr int kEffectParameterCount = 10;

// The dry/wet mix, pan and activity detectors around a slot's effect; they
// carry over when the slot changes type.
struct SlotMix {
    float panGainLeft = 1.0f;
    float panGainRight = 1.0f;
    float mixPosition = 0.0f; // 0 dry only, 0.5 both at full level, 1 wet only
    float mixTarget = 0.0f;
    float mixStep = 0.0f;
    float dryGain = 1.0f;
    float wetGain = 0.0f;
    float wetPanLeft = 0.0f;
    float wetPanRight = 0.0f;
    // The last step found the ramp flat: until the next update a step would write every value as it stands.
    bool crossfadeAtRest = false;
    double inputLevel = 0.0; // 1 at a loud sample, then decaying
    double outputLevel = 0.0;
    bool silent = false; // asleep: input and output quiet for long enough
    float smoothed[kEffectParameterCount] = {};
    // The last coefficient update's pan and parameters, and whether its
    // smoothing found the parameters at rest.
    float lastPan = 0.0f;
    float lastParameters[kEffectParameterCount] = {};
    bool smoothingAtRest = false;
};

// The coefficients and running state of every effect type; a slot set up for
// a new type starts them all afresh.
struct EffectStates {
    DelayEffect delay;
    CombFilterEffect comb;
    ReverbEffect reverb;
    EffectGate gate;
    ChorusEffect chorus;
    FlangerEffect flanger;
    PhaserEffect phaser;
    WahDelayEffect wahDelay;
    EnsembleEffect ensemble;
    EffectLimiter limiter;
    DistortEffect distort;
    LowFiEffect lowFi;
    AmpSimEffect ampSim;
    WaveshaperEffect waveshaper;
    WidenerEffect widener;
    AutoPanEffect autoPan;
    GatorEffect gator;
    RingModEffect ringMod;
    FilterEffect filter;
    EqualizerEffect equalizer;
    CompressorEffect compressor;
    CabinetEffect cabinet;
    MultiDistortEffect multiDistort;
    AutoWahEffect autoWah;
};

// One of the four master effect slots: the type it runs, the mix around it,
// the building blocks the effect types share and every buffer they use, all
// fixed arrays (megabytes: a slot lives inside a heap object).
struct MasterEffectSlot {
    static constexpr int kFilterCount = 4;
    static constexpr int kEqualizerBandCount = 5;
    static constexpr int kLowPass = 0;
    static constexpr int kHighPass = 1;

    // Two banks of a left and a right FxFilter.
    static constexpr int filterIndex(int bank, int side) { return 2 * bank + side; }

    // The start state at the plug-in's construction.
    void init(float sampleRate);
    // Puts the slot into its start state for its current type at the given
    // rate; whatever the slot was holding (its tail) is lost.
    void setup(float sampleRate);
    // Clears the buffers the current type reads, and only those.
    void clearEffectBuffers();
    // Sets both filters of a bank (0 or 1) to a type, frequency value and resonance.
    void tuneFilterBank(int bank, std::uint32_t filterType, float frequencyValue, float resonance);

    std::int32_t type = 0;
    float inputLeft = 0.0f;
    float inputRight = 0.0f;
    float outputLeft = 0.0f;
    float outputRight = 0.0f;
    SlotMix mix;
    EffectStates states;

    dsp::FxFilter filters[kFilterCount];
    dsp::OnePoleFilter onePoles[2]; // low-pass, high-pass
    dsp::Lfo lfo;
    EqualizerBand equalizerBands[kEqualizerBandCount];
    float ampSimRing[2][tables::kAmpSimKernelLength] = {};

    LongDelayLines delayLines;
    ModulationLines modulationLines;
    CombRings combRings;
    EnsembleLines ensembleLines;
    SampleRing preDelayLeft;
    SampleRing preDelayRight;
    SampleRing spreadRing;
    ReverbEngine reverbEngines[2];
};

} // namespace effects
