#pragma once

// Formant centre frequencies in Hz of the five vowels both vowel filters
// move through, four formants each. The cutoff shifts them all by the ratio
// cutoff / kFormantReferenceHz, so at 440 Hz they sit at these values.
namespace dsp {

inline constexpr int kVowelCount = 5;
inline constexpr int kFormantCount = 4;
inline constexpr float kFormantReferenceHz = 440.0f;

inline constexpr float kFormantFrequencies[kVowelCount][kFormantCount] = {
    {650.0f, 1080.0f, 2650.0f, 2900.0f},
    {400.0f, 1700.0f, 2600.0f, 3200.0f},
    {290.0f, 1870.0f, 2800.0f, 3250.0f},
    {400.0f, 800.0f, 2800.0f, 3000.0f},
    {350.0f, 600.0f, 2700.0f, 2900.0f},
};

// Position p in 0..kVowelSpan walks vowel 0 -> 1 -> 2 -> 3 -> 4 and back
// toward 0 (the stretch after vowel 4 blends into vowel 0); positions beyond
// the span wrap round, negative ones act as 0.
inline constexpr float kVowelSpan = 4.99f;

inline float vowelFormantFrequency(float position, int formant)
{
    const float v = position > 0.0f ? position : 0.0f;
    const float p = v - kVowelSpan * float(static_cast<int>(v / kVowelSpan));
    const int i0 = static_cast<int>(p);
    const int i1 = i0 + 1 < kVowelCount ? i0 + 1 : 0;
    const float t = p - float(i0);
    return t * kFormantFrequencies[i1][formant] + (1.0f - t) * kFormantFrequencies[i0][formant];
}

} // namespace dsp
