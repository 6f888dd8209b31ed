#pragma once

namespace tables {

inline constexpr int kCabinetRowCount = 8;
inline constexpr int kCabinetTaps = 32;
// Rows from this one on are the same cabinets made for rates above 80 kHz.
inline constexpr int kHighRateCabinets = 4;

// One speaker cabinet as a filter: y[n] = sum of b[k] x[n-k] + sum of a[k] y[n-k],
// the feedback added, a[0] unused (0).
//
// Rows 0 and 4 pass the signal unchanged. Rows 1..3 are designed at 44.1 kHz,
// rows 5..7 model the same cabinets at 96 kHz:
// - 1, 5: an open-back combo, bright and light. The open back cancels the lows
//   below about 160 Hz; a slight scoop at 400 Hz, a broad presence lift around
//   2.5 kHz, the cone's own peak near 5.5 kHz, a gentle fall from 12 kHz.
// - 2, 6: a sealed four-speaker box. Firm lows from 80 Hz, low-mid body at
//   900 Hz, a presence peak at 2.6 kHz, the cone's break-up notch at 4.5 kHz
//   and a steep fall above 5 kHz.
// - 3, 7: the same box miked off the cone's axis, where the highs beam past the
//   microphone: the body at 700 Hz, the presence peak down at 1.8 kHz, a deeper
//   notch at 3.8 kHz and the fall from 3.2 kHz.
// The sealed rows come out 9.5 dB louder on pink noise than the open one; the
// effect's cabinet level of a third evens that out after the saturation, which
// they therefore drive harder. Every row's poles lie inside the unit circle.
struct CabinetRow {
    float b[kCabinetTaps];
    float a[kCabinetTaps];
};

extern const CabinetRow kCabinetRows[kCabinetRowCount];

} // namespace tables
