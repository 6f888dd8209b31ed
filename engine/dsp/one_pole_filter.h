#pragma once

#include <limits>

namespace dsp {

// One-pole low-pass and the matching high-pass (input minus low-pass), mono
// and stereo. The cutoff is recomputed only when its input changes.
class OnePoleFilter {
public:
    void init(float sampleRate);
    void reset() { state_ = stateLeft_ = stateRight_ = 0.0f; }

    // Cutoff in Hz = value * factor; held between 50 Hz and 0.2 * sampleRate.
    void setCutoff(float value, float factor);

    float highPass(float x)
    {
        state_ = lowPassStep(x, state_);
        return x - state_;
    }

    void lowPassStereo(float& left, float& right)
    {
        stateLeft_ = lowPassStep(left, stateLeft_);
        stateRight_ = lowPassStep(right, stateRight_);
        left = stateLeft_;
        right = stateRight_;
    }

    void highPassStereo(float& left, float& right)
    {
        stateLeft_ = lowPassStep(left, stateLeft_);
        stateRight_ = lowPassStep(right, stateRight_);
        left = left - stateLeft_ + kDenormalOffset;
        right = right - stateRight_ + kDenormalOffset;
    }

private:
    // Keeps a decaying state out of the denormal range.
    static constexpr float kDenormalOffset = 1e-15f;

    float lowPassStep(float x, float y) const { return a_ * x + b_ * y + kDenormalOffset; }

    float inverseSampleRate_ = 1.0f / 44100.0f;
    float a_ = 1.0f;
    float b_ = 0.0f;
    // No cutoff has been set yet, so the first one always takes effect.
    float lastCutoff_ = std::numeric_limits<float>::quiet_NaN();
    float state_ = 0.0f;
    float stateLeft_ = 0.0f;
    float stateRight_ = 0.0f;
};

} // namespace dsp
