#pragma once

#include "engine/dsp/envelope_generator.h"

#include <cstdint>

namespace dsp {

// Attack, hold and decay, each with its own time scale; attack and decay have
// their own curves. With the sustain flag a fully turned-up hold lasts until
// release, and an idle envelope reads 0 on every track (modulation envelopes).
class AhdEnvelope {
public:
    void init(float sampleRate);
    void reset();
    void trigger();
    // Restarts the attack from the current level instead of from 0.
    void retrigger();
    void kill() { core_.killing = true; }
    void release() { stage_ = kDecay; }

    void setGain(float gain) { core_.gain = gain; }
    void setAmount(float amount) { amount_ = amount; }
    void setHoldFlag(bool sustain) { sustainFlag_ = sustain; }
    void setAttackTimeScale(float longestMs);
    void setHoldTimeScale(float longestMs);
    void setDecayTimeScale(float longestMs);
    void setAttack(float value, float mod, float factor);
    void setHold(float value, float mod, float factor);
    void setDecay(float value, float mod, float factor);
    void setStages(float attack, float hold, float decay, float attackMod, float holdMod, float decayMod,
                   float attackFactor, float holdFactor, float decayFactor);
    void setAttackCurve(float x, float range);
    void setDecayCurve(float x, float range);

    // Once per 16-sample block, after the rates.
    void process();
    void step() { core_.step(); }
    void step4() { core_.step4(); }

    float level() const { return core_.levelTrack.run; }
    float output() const { return core_.levelTrack.run * amount_; }
    float bipolarOutput() const { return 0.5f * core_.levelTrack.run * amount_ + 0.5f; }
    float curvedOutput() const { return core_.outTrack.run; }
    bool isActive() const { return core_.active; }

private:
    enum Stage { kAttack, kHold, kDecay };

    // A fully turned-up stage under the sustain flag stands still.
    static constexpr float kSustainThreshold = 0.999f;

    bool sustains(float value) const { return sustainFlag_ && value > kSustainThreshold; }

    // A stage's increment before gain and factor, an exp2 of its value and time scale. Voices set their
    // stages at every coefficient tick from values that stand still between notes, so it is worked out
    // again only when the bits of either move; the sample rate is fixed from init on.
    struct RampMemo {
        std::uint32_t value = 0;
        std::uint32_t scale = 0;
        float increment = 0.0f;
        bool known = false;
    };
    float stageRate(RampMemo& memo, float value, float scale, float factor) const;

    float attackRate_ = 0.0f;
    float holdRate_ = 0.0f;
    float decayRate_ = 0.0f;
    float attackValue_ = 0.0f;
    float amount_ = 1.0f;
    float attackScale_ = kDefaultEnvelopeTimeScale;
    float holdScale_ = kDefaultEnvelopeTimeScale;
    float decayScale_ = kDefaultEnvelopeTimeScale;
    float attackExponent_ = 1.0f;
    float decayExponent_ = 1.0f;
    float holdCounter_ = 0.0f;
    RampMemo attackRamp_;
    RampMemo holdRamp_;
    RampMemo decayRamp_;
    EnvelopeCore core_{0.0f};
    Stage stage_ = kAttack;
    bool sustainFlag_ = false;
};

} // namespace dsp
