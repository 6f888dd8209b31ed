#pragma once

// The small toolkit the sample generator builds its drums from. Everything is plain double
// arithmetic with our own sine and exponential, so that the samples come out the same wherever
// the build runs, whatever the platform's maths library does in its last bits.

#include <cmath>
#include <cstdint>
#include <vector>

namespace factory_samples::synth {

inline constexpr double kRate = 48000.0;
inline constexpr double kPi = 3.14159265358979323846;

// sin(2 pi cycles).
inline double sine(double cycles)
{
    double p = cycles - std::floor(cycles + 0.5); // -0.5 .. 0.5
    if (p > 0.25)
        p = 0.5 - p;
    else if (p < -0.25)
        p = -0.5 - p;
    const double x = 2.0 * kPi * p;
    const double x2 = x * x;
    return x * (1.0 + x2 * (-1.0 / 6 + x2 * (1.0 / 120 + x2 * (-1.0 / 5040 + x2 * (1.0 / 362880 - x2 / 39916800.0)))));
}

inline double cosine(double cycles) { return sine(cycles + 0.25); }

inline double expo(double x)
{
    if (x < -700.0)
        return 0.0;
    constexpr double kLn2 = 0.69314718055994530942;
    const double k = std::floor(x / kLn2 + 0.5);
    const double r = x - k * kLn2;
    double term = 1.0;
    double sum = 1.0;
    for (int n = 1; n < 14; ++n) {
        term *= r / n;
        sum += term;
    }
    return std::ldexp(sum, static_cast<int>(k));
}

// A soft limit that reaches +-1 at +-3 and stays there.
inline double soft(double x)
{
    if (x >= 3.0)
        return 1.0;
    if (x <= -3.0)
        return -1.0;
    return x * (27.0 + x * x) / (27.0 + 9.0 * x * x);
}

class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {}
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. 1
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double low, double high) { return low + (high - low) * unit(); }
    double noise() { return 2.0 * unit() - 1.0; }

private:
    std::uint64_t state_;
};

// Exponential decay by a time constant in seconds, one step per frame.
class Decay {
public:
    Decay(double seconds, double start = 1.0) : value_(start), factor_(expo(-1.0 / (seconds * kRate))) {}
    double next()
    {
        const double v = value_;
        value_ *= factor_;
        return v;
    }

private:
    double value_;
    double factor_;
};

// Two-integrator state-variable filter, stable at any cutoff below Nyquist.
class Svf {
public:
    void set(double hz, double q)
    {
        if (hz > 0.45 * kRate)
            hz = 0.45 * kRate;
        if (hz < 5.0)
            hz = 5.0;
        const double w = hz / kRate / 2.0; // cycles of pi * hz / rate
        g_ = sine(w) / cosine(w);
        k_ = 1.0 / q;
        a1_ = 1.0 / (1.0 + g_ * (g_ + k_));
        a2_ = g_ * a1_;
        a3_ = g_ * a2_;
    }
    void run(double in)
    {
        const double v3 = in - ic2_;
        band = a1_ * ic1_ + a2_ * v3;
        low = ic2_ + a2_ * ic1_ + a3_ * v3;
        ic1_ = 2.0 * band - ic1_;
        ic2_ = 2.0 * low - ic2_;
        high = in - k_ * band - low;
    }
    double low = 0.0, band = 0.0, high = 0.0;

private:
    double g_ = 0.0, k_ = 1.0, a1_ = 0.0, a2_ = 0.0, a3_ = 0.0, ic1_ = 0.0, ic2_ = 0.0;
};

inline Svf makeSvf(double hz, double q)
{
    Svf f;
    f.set(hz, q);
    return f;
}

// A room for the sounds that ring out in space: parallel damped combs into two allpasses, with
// different delays per side so that the tail spreads across the stereo field.
class Room {
public:
    Room(double seconds, double damping, bool rightSide) : damping_(damping)
    {
        static constexpr std::size_t kCombs[2][4] = {{1693, 1949, 2213, 2459}, {1721, 1979, 2243, 2503}};
        static constexpr std::size_t kPasses[2][2] = {{557, 223}, {571, 241}};
        const int side = rightSide ? 1 : 0;
        for (int i = 0; i < 4; ++i) {
            combs_[i].data.assign(kCombs[side][i], 0.0);
            // -60 dB after the given time.
            combs_[i].feedback = expo(-6.907755 * static_cast<double>(kCombs[side][i]) / (seconds * kRate));
        }
        for (int i = 0; i < 2; ++i) {
            passes_[i].data.assign(kPasses[side][i], 0.0);
            passes_[i].feedback = 0.5;
        }
    }
    double run(double in)
    {
        double sum = 0.0;
        for (auto& c : combs_) {
            const double out = c.data[c.at];
            c.state = out + damping_ * (c.state - out);
            c.data[c.at] = in + c.feedback * c.state;
            c.at = (c.at + 1) % c.data.size();
            sum += out;
        }
        sum *= 0.25;
        for (auto& a : passes_) {
            const double delayed = a.data[a.at];
            const double w = sum + a.feedback * delayed;
            a.data[a.at] = w;
            a.at = (a.at + 1) % a.data.size();
            sum = delayed - a.feedback * w;
        }
        return sum;
    }

private:
    struct Line {
        std::vector<double> data;
        std::size_t at = 0;
        double feedback = 0.0;
        double state = 0.0;
    };
    Line combs_[4];
    Line passes_[2];
    double damping_;
};

using Channel = std::vector<double>;

} // namespace factory_samples::synth
