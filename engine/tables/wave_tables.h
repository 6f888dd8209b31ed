#pragma once

namespace tables {

// The oscillators' single-cycle waves, 4096 entries each, read by the top
// twelve bits of a 23-bit phase. Stored back to back: the click and noise
// oscillators' sine, bank 1 (sine, rising saw, square, triangle) and bank 2
// (band-limited falling saw, rising saw and square, then sine and triangle).
struct WaveTables {
    static constexpr int kSize = 4096;
    static constexpr int kBank1Count = 4;
    static constexpr int kBank2Count = 5;
    static constexpr int kTableCount = 1 + kBank1Count + kBank2Count;

    const float* sineOscillator() const { return waves[0]; }
    // Wave n of a bank; a number past the last wave reads the last one.
    const float* bank1(int n) const { return waves[1 + clampWave(n, kBank1Count)]; }
    const float* bank2(int n) const { return waves[1 + kBank1Count + clampWave(n, kBank2Count)]; }

    float waves[kTableCount][kSize];

private:
    static int clampWave(int n, int count) { return n < 0 ? 0 : (n >= count ? count - 1 : n); }
};

// Built on first use (thread-safe) and shared by every instance.
const WaveTables& waveTables();

} // namespace tables
