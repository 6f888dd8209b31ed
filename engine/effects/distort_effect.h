#pragma once

namespace effects {

// The coefficients of "Distort".
struct DistortEffect {
    float limit = 0.0f;
    float rectify = 0.0f; // -1 .. 1
    float drive = 0.0f;   // 0 .. 255
    float tone = 0.0f;
    float emphasis = 0.0f;
    float volume = 0.0f;
    float modWheel = 0.0f; // -1 .. 1
};

} // namespace effects
