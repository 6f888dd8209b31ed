#!/usr/bin/env python3
"""Designs the speaker-cabinet filters of the "Cabinet" effect and prints them as engine/tables/cabinet_rows.cpp.

usage: design_cabinet_rows.py > engine/tables/cabinet_rows.cpp

A cabinet is a target magnitude response in dB over frequency. Its filter has 32 feed-forward taps b and 31
feedback taps a, with the feedback added: y[n] = sum b_k x[n-k] + sum a_k y[n-k]. Rows 1..3 are designed at
44100 Hz, rows 5..7 (the same cabinets, used above 80000 Hz) at 96000 Hz. Row 1 starts with taps that were given
beforehand (its first three b, and a1, a2); the rest of its b are fitted to the magnitude alone, its poles are
those two. The other rows fit b and up to eight poles to the minimum-phase version of their target by iterated
equation error. Every row's loudness on pink noise, times the cabinet level the effect gives it (1 for rows 1 and 5, a
third for the sealed cabinets), comes out equal. The script stops if a row, rounded to float, is not stable.
Pure Python, so that it runs wherever the build does.
"""
import cmath
import math
import struct
import sys

TAPS = 32
FFT_SIZE = 4096
MOST_POLES = 8
# The sealed cabinets are this much louder, and are brought back by the effect's cabinet level of a third.
SEALED_LOUDNESS_DB = 20 * math.log10(3)
# A design whose poles come closer to the unit circle than this, or move further than the drift when rounded to
# float, is rejected.
LARGEST_POLE_RADIUS = 0.996
POLE_DRIFT = 0.001
ROW1_HEAD_B = (0.95258, 0.42365, -0.29933)
ROW1_HEAD_A = (0.0, 0.37329, -0.37911)


def bump(f, centre, gain_db, width_octaves):
    return gain_db * math.exp(-0.5 * (math.log2(f / centre) / width_octaves) ** 2)


def low_cut(f, corner, order):
    return -10 * math.log10(1 + (corner / f) ** (2 * order))


def high_cut(f, corner, order):
    return -10 * math.log10(1 + (f / corner) ** (2 * order))


def open_back(f):
    """An open-back combo: the back wave cancels the lows below about 160 Hz, a slight scoop at 400 Hz, a broad
    presence lift around 2.5 kHz, the cone's peak at 5.5 kHz and a gentle top from 12 kHz: bright and light."""
    return (1.5 + low_cut(f, 160, 1) + bump(f, 400, -2, 0.7) + bump(f, 2500, 4, 0.7) + bump(f, 5500, 3, 0.4)
            + high_cut(f, 12000, 2))


def sealed(f):
    """A sealed four-speaker box: firm lows from 80 Hz, low-mid body at 900 Hz, a presence peak at 2.6 kHz, the
    cone's break-up notch at 4.5 kHz and a steep fall above 5 kHz."""
    return (low_cut(f, 80, 1) + bump(f, 900, 3, 1.0) + bump(f, 2600, 8, 0.35) + bump(f, 4500, -8, 0.15)
            + high_cut(f, 5000, 4))


def sealed_off_axis(f):
    """The same box miked off the cone's axis: the highs beam past the microphone, so the body sits lower
    (700 Hz), the presence peak moves down to 1.8 kHz, the notch deepens at 3.8 kHz and the fall starts at 3.2 kHz."""
    return (low_cut(f, 80, 1) + bump(f, 700, 4, 1.0) + bump(f, 1800, 6, 0.4) + bump(f, 3800, -10, 0.12)
            + high_cut(f, 3200, 4))


def fft(x, inverse=False):
    n = len(x)
    if n == 1:
        return list(x)
    even = fft(x[0::2], inverse)
    odd = fft(x[1::2], inverse)
    sign = 1 if inverse else -1
    out = [0j] * n
    for k in range(n // 2):
        t = cmath.exp(sign * 2j * math.pi * k / n) * odd[k]
        out[k] = even[k] + t
        out[k + n // 2] = even[k] - t
    return out


def minimum_phase(target, rate):
    """The minimum-phase response of a dB target on the FFT bins 0..N/2, from the folded real cepstrum."""
    n = FFT_SIZE
    half = [target(max(rate * k / n, 1.0)) * math.log(10) / 20 for k in range(n // 2 + 1)]
    cepstrum = [v.real / n for v in fft([complex(v) for v in half + half[-2:0:-1]], inverse=True)]
    folded = [cepstrum[0]] + [2 * v for v in cepstrum[1:n // 2]] + [cepstrum[n // 2]] + [0.0] * (n // 2 - 1)
    return [cmath.exp(s) for s in fft([complex(v) for v in folded])[: n // 2 + 1]]


def solve_least_squares(rows, rhs):
    """Householder QR; the systems are small (under 40 unknowns)."""
    m, n = len(rows), len(rows[0])
    a = [list(r) for r in rows]
    b = list(rhs)
    for j in range(n):
        norm = math.sqrt(sum(a[i][j] ** 2 for i in range(j, m)))
        alpha = -norm if a[j][j] > 0 else norm
        v = [0.0] * m
        v[j] = a[j][j] - alpha
        for i in range(j + 1, m):
            v[i] = a[i][j]
        vv = sum(v[i] ** 2 for i in range(j, m))
        if vv == 0:
            continue
        for k in range(j, n):
            s = sum(v[i] * a[i][k] for i in range(j, m)) * 2 / vv
            for i in range(j, m):
                a[i][k] -= s * v[i]
        s = sum(v[i] * b[i] for i in range(j, m)) * 2 / vv
        for i in range(j, m):
            b[i] -= s * v[i]
    x = [0.0] * n
    for j in reversed(range(n)):
        x[j] = (b[j] - sum(a[j][k] * x[k] for k in range(j + 1, n))) / a[j][j]
    return x


def delays(w):
    return [cmath.exp(-1j * w * k) for k in range(TAPS)]


def response(b, a, w):
    z = delays(w)
    return sum(b[k] * z[k] for k in range(TAPS)) / (1 - sum(a[k] * z[k] for k in range(1, TAPS)))


def fit(target_response, rate, fixed_b, fixed_a, free_poles, iterations):
    """Least squares of B - D A over the audible band, each point weighted by 1 / |A| of the previous pass, so
    that the equation error approaches the error of B / A itself."""
    free_b = range(len(fixed_b), TAPS)
    free_a = range(max(1, len(fixed_a)), free_poles + 1)
    a = [0.0] * TAPS
    a[:len(fixed_a)] = fixed_a
    b = []
    for _ in range(iterations):
        rows, rhs = [], []
        for k in range(1, FFT_SIZE // 2 + 1, 4):
            w = 2 * math.pi * k / FFT_SIZE
            f = rate * k / FFT_SIZE
            d = target_response[k]
            z = delays(w)
            weight = (1.0 if f >= 60 else 0.05) / abs(1 - sum(a[j] * z[j] for j in range(1, TAPS)))
            columns = [z[j] for j in free_b] + [d * z[j] for j in free_a]
            right = (d - sum(fixed_b[j] * z[j] for j in range(len(fixed_b)))
                     - d * sum(fixed_a[j] * z[j] for j in range(1, len(fixed_a))))
            rows.append([weight * c.real for c in columns])
            rhs.append(weight * right.real)
            rows.append([weight * c.imag for c in columns])
            rhs.append(weight * right.imag)
        x = solve_least_squares(rows, rhs)
        b = list(fixed_b) + x[:len(free_b)]
        for j, v in zip(free_a, x[len(free_b):]):
            a[j] = v
    return b, a


def fit_free(target, rate):
    """The pole count (up to eight) that fits best among those whose poles stay put when the taps are rounded to
    float: many poles crowd together near z = 1 and then move a long way, even out of the circle, on rounding."""
    wanted = minimum_phase(target, rate)
    best = None
    for poles in range(1, MOST_POLES + 1):
        b, a = fit(wanted, rate, (), (), poles, iterations=8)
        exact = pole_radius(a)
        rounded = pole_radius([to_float(v) for v in a])
        if rounded > LARGEST_POLE_RADIUS or abs(rounded - exact) > POLE_DRIFT:
            continue
        error = fit_error_db(b, a, target, rate)
        if best is None or error < best[0]:
            best = (error, b, a)
    if best is None:
        sys.exit(f"design_cabinet_rows: no stable fit of {target.__name__} at {rate} Hz")
    return best[1], best[2]


def fit_error_db(b, a, target, rate):
    """Root-mean-square error in dB over log frequency, 60 Hz .. 16 kHz in semitone steps."""
    errors = [(20 * math.log10(abs(response(b, a, 2 * math.pi * f / rate))) - target(f)) ** 2
              for f in (60 * 2 ** (s / 12) for s in range(96))]
    return math.sqrt(sum(errors) / len(errors))


def fit_with_head(target, rate, head_b, head_a):
    """The given taps fix the start of the impulse response, which no minimum-phase target shares; only the
    magnitude is fitted, each pass taking the phase the filter had after the pass before."""
    wanted = minimum_phase(target, rate)
    b, a = fit(wanted, rate, head_b, head_a, len(head_a) - 1, iterations=1)
    for _ in range(20):
        phased = [abs(d) * cmath.exp(1j * cmath.phase(response(b, a, 2 * math.pi * k / FFT_SIZE)))
                  for k, d in enumerate(wanted)]
        b, a = fit(phased, rate, head_b, head_a, len(head_a) - 1, iterations=1)
    return b, a


def pink_loudness_db(b, a, rate):
    """Mean power gain over log frequency, 40 Hz .. 16 kHz in semitone steps."""
    gains = [abs(response(b, a, 2 * math.pi * 40 * 2 ** (s / 12) / rate)) ** 2 for s in range(0, 104)]
    return 10 * math.log10(sum(gains) / len(gains))


def reflection_coefficients(a):
    """Step-down recursion on 1 - sum a_k z^-k: every pole lies inside the unit circle exactly when all |k| < 1."""
    p = [1.0] + [-v for v in a[1:]]
    while len(p) > 1 and p[-1] == 0.0:
        p.pop()
    ks = []
    while len(p) > 1:
        k = p[-1]
        ks.append(k)
        if abs(k) >= 1:
            break
        p = [(p[i] - k * p[len(p) - 1 - i]) / (1 - k * k) for i in range(len(p) - 1)]
    return ks


def stable_within(a, radius):
    return all(abs(k) < 1 for k in reflection_coefficients([v / radius ** j for j, v in enumerate(a)]))


def pole_radius(a):
    """The largest pole radius, by bisection on the stability of the polynomial scaled by the radius."""
    if not any(a[1:]):
        return 0.0
    low, high = 0.0, 4.0
    for _ in range(40):
        middle = 0.5 * (low + high)
        if stable_within(a, middle):
            high = middle
        else:
            low = middle
    return high


def to_float(v):
    return struct.unpack("f", struct.pack("f", v))[0]


def literal(v):
    """The shortest decimal that reads back as the same float."""
    v = to_float(v)
    text = next(t for t in ("%.6g" % v, "%.7g" % v, "%.8g" % v, "%.9g" % v) if to_float(float(t)) == v)
    if text in ("0", "-0"):
        return "0.0f"
    if "." not in text and "e" not in text:
        text += ".0"
    return text + "f"


def scaled(b, gain_db):
    g = 10 ** (gain_db / 20)
    return [g * v for v in b]


def design_rows():
    identity = ([1.0] + [0.0] * (TAPS - 1), [0.0] * TAPS)
    row1 = fit_with_head(open_back, 44100.0, ROW1_HEAD_B, ROW1_HEAD_A)
    reference = pink_loudness_db(*row1, 44100.0)
    rows = [identity, row1]
    for target in (sealed, sealed_off_axis):
        b, a = fit_free(target, 44100.0)
        rows.append((scaled(b, reference + SEALED_LOUDNESS_DB - pink_loudness_db(b, a, 44100.0)), a))
    rows.append(identity)
    for target, level in ((open_back, 0.0), (sealed, SEALED_LOUDNESS_DB), (sealed_off_axis, SEALED_LOUDNESS_DB)):
        b, a = fit_free(target, 96000.0)
        rows.append((scaled(b, reference + level - pink_loudness_db(b, a, 96000.0)), a))
    return rows


def check(rows):
    targets = (None, open_back, sealed, sealed_off_axis) * 2
    for number, (b, a) in enumerate(rows):
        radius = pole_radius([to_float(float(literal(v)[:-1])) for v in a])
        if radius > LARGEST_POLE_RADIUS:
            sys.exit(f"design_cabinet_rows: row {number} has a pole beyond {LARGEST_POLE_RADIUS}")
        if targets[number]:
            rate = 44100.0 if number < 4 else 96000.0
            poles = max((j for j in range(TAPS) if a[j] != 0.0), default=0)
            print(f"row {number}: {targets[number].__name__}, {poles} poles, largest radius {radius:.4f}, "
                  f"pink loudness {pink_loudness_db(b, a, rate):+.2f} dB", file=sys.stderr)


def print_table(rows):
    def values(v):
        cells = [literal(x) for x in v]
        return ",\n".join("         " + ", ".join(cells[i:i + 8]) for i in range(0, TAPS, 8))

    print('#include "engine/tables/cabinet_rows.h"\n')
    print("namespace tables {\n")
    print("// Written by scripts/design_cabinet_rows.py, which holds the targets; see cabinet_rows.h for the rows.")
    print("// clang-format off")
    print("const CabinetRow kCabinetRows[kCabinetRowCount] = {")
    for b, a in rows:
        print("    {{\n" + values(b) + "},\n     {\n" + values(a) + "}},")
    print("};")
    print("// clang-format on\n")
    print("} // namespace tables")


if __name__ == "__main__":
    designed = design_rows()
    check(designed)
    print_table(designed)
