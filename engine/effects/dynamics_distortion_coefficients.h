#pragma once

#include <cstdint>

namespace effects {

// The coefficients of the dynamics, filter, ring modulation, panning, bit
// reduction and distortion types, which their algorithms read per sample.
struct DistortCoefficients {
    float limit = 0.0f;
    float rectify = 0.0f; // -1 .. 1
    float drive = 0.0f;   // 0 .. 255
    float tone = 0.0f;
    float emphasis = 0.0f;
    float volume = 0.0f;
    float modWheel = 0.0f; // -1 .. 1
};

struct LowFiCoefficients {
    float levels = 2.0f; // quantisation steps per unit
    float inverseLevels = 0.5f;
    std::int32_t holdPeriod = 1; // samples
    float filter = 0.0f;
    float modWheel = 0.0f;
};

struct AmpSimCoefficients {
    std::int32_t ampType = 0;
    float drive = 0.0f;
    float bass = 0.0f;
    float treble = 0.0f;
    float volume = 0.0f;
};

struct WaveshaperCoefficients {
    float top = 0.0f;
    float bottom = 0.0f;
    float rectify = 0.0f;
    float low = 0.0f;
    float modulation = 0.0f;
    std::uint32_t increment = 0;
};

struct WidenerCoefficients {
    std::uint32_t delayOffset = 5; // samples
    float width = 0.0f;
    float lfoRate = 0.0f; // cycles per sample
};

struct AutoPanCoefficients {
    float depth = 0.0f;
    std::uint32_t increment = 0;
};

struct GatorCoefficients {
    static constexpr int kSteps = 16;

    float stepIncrement = 0.0f; // sixteenth notes per sample, times the rate factor
    float halfFactor = 0.0f;
    float smoothing = 1.0f;
    std::int32_t mode = 0;
    std::int32_t syncMode = 0;
    float pattern[2][kSteps] = {};
};

struct RingModCoefficients {
    std::int32_t waveform = 0;
    float increment = 0.0f; // cycles per sample
    float amount = 0.0f;
};

struct FilterEffectCoefficients {
    std::int32_t filterType = 0;
    float frequency = 0.0f;
    float q = 0.0f;
    float modWheel = 0.0f;
    float lfoAmount = 0.0f;
};

struct EqualizerCoefficients {
    static constexpr int kBands = 5;
    float gains[kBands] = {};
};

struct CompressorCoefficients {
    float threshold = 0.0f;
    float makeup = 0.0f;
    float slope = 1.0f;
    float attack = 0.0f;
    float release = 0.0f;
    float volume = 0.0f;
};

struct CabinetCoefficients {
    std::int32_t cabinet = 0;
    float drive = 0.0f;
    float bass = 0.0f;
    float treble = 0.0f;
    float volume = 0.0f;
};

struct MultiDistortCoefficients {
    std::int32_t curve = 0;
    float preBoost = 0.0f;
    float amount1 = 0.0f;
    float amount2 = 0.0f;
    float normalize = 0.0f;
    float volume = 0.0f;
};

struct AutoWahCoefficients {
    std::uint32_t filterType = 3;
    float low = 0.0f;
    float high = 0.0f;
    float sensitivity = 0.0f;
    float q = 0.0f;
    float follower = 0.0f;
};

struct DynamicsDistortionCoefficients {
    DistortCoefficients distort;
    LowFiCoefficients lowFi;
    AmpSimCoefficients ampSim;
    WaveshaperCoefficients waveshaper;
    WidenerCoefficients widener;
    AutoPanCoefficients autoPan;
    GatorCoefficients gator;
    RingModCoefficients ringMod;
    FilterEffectCoefficients filter;
    EqualizerCoefficients equalizer;
    CompressorCoefficients compressor;
    CabinetCoefficients cabinet;
    MultiDistortCoefficients multiDistort;
    AutoWahCoefficients autoWah;
};

} // namespace effects
