#pragma once

namespace effects {

// Keeps the resonant effects ("Flanger", "Phaser") from running far above the
// output level "Main Volume" sets: an envelope follower per side scales the
// signal down once the envelope passes 1.2 times the reference level.
struct EffectLimiter {
    static constexpr int kLeft = 0;
    static constexpr int kRight = 1;

    float envelope[2] = {};

    // referenceLevel 0 lets the signal through untouched.
    float limitEffect(int side, float x, float referenceLevel)
    {
        constexpr float kKeep = 0.999f;
        constexpr float kHeadroom = 1.2f;
        constexpr float kDenormalOffset = 1e-15f;
        float& env = envelope[side];
        env = kKeep * env + (1.0f - kKeep) * (x < 0.0f ? -x : x) + kDenormalOffset;
        if (referenceLevel == 0.0f)
            return x;
        const float ceiling = kHeadroom * referenceLevel;
        return env > ceiling ? ceiling * x / env + kDenormalOffset : x + kDenormalOffset;
    }
};

} // namespace effects
