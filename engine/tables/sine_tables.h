#pragma once

namespace tables {

// One cycle of sine, cosine and a 0..1 sine, for the effects, the voice
// distortion and the modulation sources.
struct SineTables {
    static constexpr int kSize = 65536;
    static constexpr int kMask = kSize - 1;

    float sine[kSize];
    float cosine[kSize];
    float unipolarSine[kSize];
};

// Built on first use (thread-safe) and shared by every instance.
const SineTables& sineTables();

} // namespace tables
