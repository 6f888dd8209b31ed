#include "engine/effects/effect_coefficients.h"

#include <cmath>

namespace effects::formulas {

namespace {

constexpr float kSyncedLfoPer16 = 16.0f;

// A drive knob: 0 .. 255 over eight octaves.
float driveAmount(float x) { return std::exp2(8.0f * x) - 1.0f; }

// A menu of count entries read from a 0..1 value.
std::int32_t menuEntry(float x, float count) { return static_cast<std::int32_t>(x * (count - 0.01f)); }

// The amp and cabinet types' tone stack, from "Distort", "Bass", "Treble" and
// "Volume"; its filters are a low-pass bank and a high-pass bank, both opened fully.
void setToneStack(MasterEffectSlot& slot, AmpToneStack& stack, const EffectInputs& in, float level)
{
    constexpr float kLowBankValue = 200.0f;
    constexpr float kHighBankValue = 4000.0f;
    stack.drive = driveAmount(in.p[1]);
    stack.bass = decibelGain(in.s[2], 40.0f, 20.0f);
    stack.treble = decibelGain(in.s[3], 40.0f, 20.0f);
    stack.volume = decibelGain(in.p[4], 40.0f, 20.0f) * level;
    slot.tuneFilterBank(0, static_cast<std::uint32_t>(dsp::FxFilterType::LowPass12), kLowBankValue, 0.0f);
    slot.tuneFilterBank(1, static_cast<std::uint32_t>(dsp::FxFilterType::HighPass12), kHighBankValue, 0.0f);
}

// A 16-step gate pattern stored in one parameter as a 16-bit mask.
void unpackPattern(float value, float* steps)
{
    constexpr float kMaskScale = 65535.8984375f;
    const auto mask = static_cast<std::uint32_t>(value * kMaskScale);
    for (int j = 0; j < GatorEffect::kSteps; ++j)
        steps[j] = (mask >> j) & 1u ? 1.0f : 0.0f;
}

} // namespace

void distort(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates&)
{
    DistortEffect& d = slot.states.distort;
    d.limit = in.p[0];
    d.rectify = 2.0f * in.p[1] - 1.0f;
    d.drive = driveAmount(in.p[2]);
    d.tone = in.p[3];
    d.emphasis = in.p[4];
    d.volume = decibelGain(in.p[5], 40.0f, 30.0f);
    d.modWheel = 2.0f * in.p[6] - 1.0f;
}

void lowFi(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates)
{
    // The hold period follows the rate, so that a setting sounds the same at every rate.
    constexpr std::int32_t kLongestHold = 1 << 20;
    LowFiEffect& l = slot.states.lowFi;
    l.levels = std::exp2(17.0f - 16.0f * in.p[0]);
    l.inverseLevels = 1.0f / l.levels;
    l.holdPeriod = sampleCount(std::exp2(5.0f * in.p[1]) * rates.sampleRate / 44100.0f, kLongestHold);
    l.filter = in.p[2];
    l.modWheel = 2.0f * in.p[3] - 1.0f;
}

void ampSim(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates&)
{
    AmpSimEffect& a = slot.states.ampSim;
    a.ampType = menuEntry(in.p[0], 6.0f);
    setToneStack(slot, a.tone, in, 1.0f);
}

void waveshaper(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates)
{
    WaveshaperEffect& w = slot.states.waveshaper;
    w.top = std::exp2(4.0f * in.s[0]) - 1.0f;
    w.bottom = std::exp2(4.0f * in.s[1]) - 1.0f;
    w.rectify = 1.0f - 2.0f * in.p[2];
    w.low = in.p[3];
    w.modulation = in.p[4];
    w.increment = phaseIncrement(syncedLfoIncrement(in.p[5], rates) * kSyncedLfoPer16);
}

void widener(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates)
{
    constexpr float kRateScale = 0.4296875f;
    WidenerEffect& w = slot.states.widener;
    w.delayOffset = static_cast<std::uint32_t>(sampleCount(offsetSamples(in.p[0]), ReverbEffect::kLongestRingDelay));
    w.width = in.p[1];
    w.lfoRate = freeLfoRate(in.p[2], rates) * kRateScale;
    slot.onePoles[MasterEffectSlot::kLowPass].setCutoff(effectFrequency(in.p[3]), 1.0f);
    slot.onePoles[MasterEffectSlot::kHighPass].setCutoff(effectFrequency(in.p[4]), 1.0f);
}

void autoPan(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates)
{
    AutoPanEffect& a = slot.states.autoPan;
    a.depth = 0.5f * in.p[0];
    a.increment = phaseIncrement(syncedLfoIncrement(in.p[1], rates) * kSyncedLfoPer16);
}

void gator(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates)
{
    // Gate steps per sixteenth note, slowest first.
    constexpr float kGateRates[] = {0.0f,        1.0f / 64.0f, 1.0f / 48.0f, 1.0f / 32.0f, 1.0f / 24.0f,
                                    1.0f / 16.0f, 3.0f / 32.0f, 1.0f / 12.0f, 1.0f / 8.0f,  3.0f / 16.0f,
                                    1.0f / 6.0f, 1.0f / 4.0f,  3.0f / 8.0f,  1.0f / 3.0f,  1.0f / 2.0f,
                                    3.0f / 4.0f, 2.0f / 3.0f,  1.0f,         3.0f / 2.0f,  4.0f / 3.0f,
                                    2.0f,        3.0f,         8.0f / 3.0f,  4.0f,         6.0f,
                                    16.0f / 3.0f, 8.0f,        12.0f,        32.0f / 3.0f, 16.0f,
                                    24.0f,       64.0f / 3.0f, 32.0f,        48.0f,        64.0f};
    constexpr float kSixteenthsPerBeatMinute = 15.0f; // 60 s / 4 sixteenths per beat
    GatorEffect& g = slot.states.gator;
    const float rate = kGateRates[menuEntry(in.p[0], 35.0f)];
    g.stepIncrement = rates.tempo / kSixteenthsPerBeatMinute * rates.inverseSampleRate * rate;
    g.rate = rate;
    g.smoothing = 1.0f / (std::exp2(20.0f * in.p[1] - 8.0f) + 1.0f);
    g.mode = menuEntry(in.p[2], 3.0f);
    g.syncMode = menuEntry(in.p[3], 3.0f);
    unpackPattern(in.p[4], g.pattern[0]);
    unpackPattern(in.p[5], g.pattern[1]);
}

void ringMod(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates)
{
    RingModEffect& r = slot.states.ringMod;
    r.waveform = menuEntry(in.p[0], 5.0f);
    r.increment = effectFrequency(in.s[1]) * rates.inverseSampleRate;
    r.amount = in.p[2];
}

void filter(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates)
{
    FilterEffect& f = slot.states.filter;
    f.filterType = static_cast<std::uint32_t>(menuEntry(in.p[0], 15.0f));
    slot.filters[MasterEffectSlot::filterIndex(0, 0)].setDrive(in.p[1], 0.0f);
    slot.filters[MasterEffectSlot::filterIndex(0, 1)].setDrive(in.p[1], 0.0f);
    f.frequency = in.s[2];
    f.q = in.s[3];
    f.modWheel = in.s[7];
    f.lfoAmount = in.s[5] * in.s[5];
    slot.lfo.setWave(0.0f);
    slot.lfo.setRate(in.p[6], 1.0f, rates.tempo, 1.0f);
}

void equalizer(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates&)
{
    EqualizerEffect& e = slot.states.equalizer;
    for (int band = 0; band < EqualizerEffect::kBands; ++band)
        e.gains[band] = decibelGain(in.s[band], 40.0f, 20.0f);
}

void compressor(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates)
{
    CompressorEffect& c = slot.states.compressor;
    c.threshold = decibelGainNoMute(in.s[0], 40.0f, 40.0f);
    c.slope = 1.0f / std::exp2(7.0f * (1.0f - in.p[1]));
    c.attack = std::exp(-1000.0f / (std::exp2(7.0f * in.p[2]) * rates.sampleRate));
    c.release = std::exp(-1000.0f / (std::exp2(10.0f * in.p[3]) * rates.sampleRate));
    c.volume = decibelGain(in.s[4], 40.0f, 20.0f);
}

// The same gate values as the reverbs' tail gate, with a slower attack.
void noiseGate(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates)
{
    EffectGate& g = slot.states.gate;
    g.threshold = decibelGain(in.p[0], 40.0f, 40.0f);
    g.attackStep = 1000.0f / (std::exp2(8.0f * in.p[1]) * rates.sampleRate);
    g.holdLength = std::exp2(14.0f * in.p[2]) / 1000.0f * rates.sampleRate;
    g.decayStep = 1000.0f / (std::exp2(14.0f * in.p[3]) * rates.sampleRate);
}

void cabinet(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates& rates)
{
    // Above this rate a second set of cabinets, made for high rates, is used.
    constexpr float kHighRate = 80000.0f;
    // The sealed cabinets come out 9.5 dB louder than the open one and are brought down to match.
    constexpr float kCabinetLevels[] = {1.0f, 1.0f, 1.0f / 3.0f, 1.0f / 3.0f, 1.0f, 1.0f, 1.0f / 3.0f, 1.0f / 3.0f};
    CabinetEffect& c = slot.states.cabinet;
    c.cabinet = menuEntry(in.p[0], 4.0f) + (rates.sampleRate > kHighRate ? tables::kHighRateCabinets : 0);
    setToneStack(slot, c.tone, in, kCabinetLevels[c.cabinet]);
}

void multiDistort(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates&)
{
    MultiDistortEffect& m = slot.states.multiDistort;
    m.curve = prepareCurve(menuEntry(in.p[0], 12.0f), in.p[2], in.p[3]);
    m.preBoost = decibelGain(in.p[1], 60.0f, 30.0f);
    m.normalize = in.p[4];
    slot.tuneFilterBank(0, static_cast<std::uint32_t>(dsp::FxFilterType::LowPass12), in.p[5], 0.0f);
    slot.tuneFilterBank(1, static_cast<std::uint32_t>(dsp::FxFilterType::HighPass12), in.p[6], 0.0f);
    m.volume = decibelGain(in.p[7], 60.0f, 30.0f);
}

void autoWah(MasterEffectSlot& slot, const EffectInputs& in, const EffectRates&)
{
    AutoWahEffect& a = slot.states.autoWah;
    a.filterType = static_cast<std::uint32_t>(in.p[0] < 0.5f ? dsp::FxFilterType::LowPass12
                                                              : dsp::FxFilterType::BandPass12);
    a.low = in.p[1];
    a.high = in.p[2];
    a.sensitivity = 25.0f * in.p[3] * in.p[3];
    a.q = 0.99f * in.p[4];
    a.followerKeep = 1.0f - std::exp2(-8.0f - 8.0f * in.s[5]);
}

} // namespace effects::formulas
