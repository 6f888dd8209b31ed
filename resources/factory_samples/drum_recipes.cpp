#include "resources/factory_samples/drum_recipes.h"

#include <algorithm>

namespace factory_samples::synth {

namespace {

double seconds(int frame) { return frame / kRate; }

// Runs a recipe once per channel. Every channel gets its own noise, so the noisy parts of a stereo
// sound spread while its pitched parts stay in the middle.
template <typename Render> void perChannel(Sound& s, Render render)
{
    Random left(s.seed * 2);
    render(s.left, left);
    if (s.stereo) {
        Random right(s.seed * 2 + 1);
        render(s.right, right);
    }
}

double envelope(const std::vector<Stroke>& strokes, double t)
{
    double env = 0.0;
    for (const auto& k : strokes) {
        if (t < k.at)
            continue;
        const double since = t - k.at;
        env += k.gain * (since < k.attack ? since / k.attack : expo(-(since - k.attack) / k.decay));
    }
    return env;
}

double square(double cycles) { return cycles - std::floor(cycles) < 0.5 ? 1.0 : -1.0; }

} // namespace

Sound makeSoundFrames(int count, bool stereo, std::uint64_t seed)
{
    Sound s;
    s.left.assign(static_cast<std::size_t>(count), 0.0);
    if (stereo)
        s.right.assign(static_cast<std::size_t>(count), 0.0);
    s.stereo = stereo;
    s.seed = seed;
    return s;
}

Sound makeSound(double length, bool stereo, std::uint64_t seed)
{
    return makeSoundFrames(static_cast<int>(length * kRate + 0.5), stereo, seed);
}

int frames(const Sound& s) { return static_cast<int>(s.left.size()); }

void kick(Sound& s, const Kick& k)
{
    perChannel(s, [&](Channel& out, Random& r) {
        double phase = 0.0;
        Svf click = makeSvf(2500.0, 0.8);
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = seconds(static_cast<int>(i));
            const double hz = k.endHz + (k.startHz - k.endHz) * expo(-t / k.pitchTau);
            phase += hz / kRate;
            const double amp = t < k.hold ? 1.0 : expo(-(t - k.hold) / k.ampTau);
            click.run(r.noise());
            const double c = k.click * (click.band * 2.0 + 0.5 * sine(phase * 3.0)) * expo(-t / 0.004);
            out[i] += soft(k.drive * (sine(phase) * amp + c));
        }
    });
}

void snare(Sound& s, const Snare& p)
{
    perChannel(s, [&](Channel& out, Random& r) {
        double a = 0.0, b = 0.0;
        Svf band = makeSvf(p.noiseHz, 0.9);
        Svf high = makeSvf(p.highPassHz, 0.7);
        Decay tone(p.toneTau), rattle(p.noiseTau), snap(0.006);
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = seconds(static_cast<int>(i));
            const double hz = p.toneHz * (1.0 + p.bend * expo(-t / 0.012));
            a += hz / kRate;
            b += hz * 1.594 / kRate;
            const double body = (0.7 * sine(a) + 0.35 * sine(b)) * tone.next();
            high.run(r.noise());
            band.run(high.high);
            const double n = (0.6 * high.high + band.band) * (rattle.next() + 0.6 * snap.next());
            out[i] += soft(p.drive * (body + p.noiseMix * n));
        }
    });
}

void metal(Sound& s, const Metal& m)
{
    static constexpr double kRatios[] = {1.0, 1.3468, 1.5929, 1.8354, 2.1767, 2.6143, 2.9071, 3.3317,
                                         3.7702, 4.1393, 4.6181, 5.0237};
    const int count = std::clamp(m.partials, 1, 12);
    perChannel(s, [&](Channel& out, Random& r) {
        double phases[12] = {};
        for (int j = 0; j < count; ++j)
            phases[j] = r.unit();
        const double detune = 1.0 + 0.002 * r.noise();
        Svf band = makeSvf(m.centreHz, 1.1);
        Svf high = makeSvf(m.highPassHz, 0.7);
        Svf high2 = makeSvf(m.highPassHz, 0.7);
        Decay slow(m.tau), fast(m.fastTau);
        double ring = 0.0;
        for (std::size_t i = 0; i < out.size(); ++i) {
            double sum = 0.0;
            for (int j = 0; j < count; ++j) {
                phases[j] += m.baseHz * kRatios[j] * detune / kRate;
                sum += square(phases[j]);
            }
            double x = m.metal * sum / count + (1.0 - m.metal) * r.noise();
            if (m.ring > 0.0) {
                ring += m.ring / kRate;
                x *= 0.6 + 0.8 * sine(ring);
            }
            band.run(x);
            high.run(band.band + 0.3 * x);
            high2.run(high.high);
            const double env = (1.0 - m.fastShare) * slow.next() + m.fastShare * fast.next();
            out[i] += high2.high * env;
        }
    });
}

void clap(Sound& s, const Clap& c)
{
    Random timing(s.seed + 99);
    // A few hands a little apart, the last of them ringing on in the room.
    std::vector<Stroke> hands;
    double at = 0.0;
    for (int b = 0; b < c.bursts; ++b) {
        hands.push_back({at, 0.0003, b + 1 == c.bursts ? c.tailTau : 0.0022, 1.0});
        at += c.spacing * timing.range(0.75, 1.25);
    }
    perChannel(s, [&](Channel& out, Random& r) {
        Svf band = makeSvf(c.centreHz, c.q);
        Svf high = makeSvf(c.centreHz * 0.5, 0.7);
        for (std::size_t i = 0; i < out.size(); ++i) {
            high.run(r.noise());
            band.run(high.high);
            out[i] += band.band * envelope(hands, seconds(static_cast<int>(i)));
        }
    });
}

void membrane(Sound& s, const Membrane& m)
{
    static constexpr double kRatios[] = {1.0, 1.594, 2.136, 2.296, 2.653, 2.918};
    perChannel(s, [&](Channel& out, Random& r) {
        double phases[6] = {};
        Svf stick = makeSvf(m.stickHz, 1.2);
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = seconds(static_cast<int>(i));
            const double bend = 1.0 + m.bend * expo(-t / m.bendTau);
            double sum = 0.0;
            for (int j = 0; j < 6; ++j) {
                phases[j] += m.hz * kRatios[j] * bend / kRate;
                const double level = j == 0 ? 1.0 : m.overtones / (0.6 + j);
                sum += level * sine(phases[j]) * expo(-t * (1.0 + 0.8 * j) / m.tau);
            }
            stick.run(r.noise());
            sum += m.stick * stick.band * expo(-t / 0.005);
            out[i] += soft(m.drive * sum);
        }
    });
}

void modes(Sound& s, const Modes& m)
{
    perChannel(s, [&](Channel& out, Random& r) {
        std::vector<double> phases(m.ratios.size(), 0.0);
        std::vector<double> rates;
        for (std::size_t j = 0; j < m.ratios.size(); ++j)
            rates.push_back(1.0 / (m.tau * (1.0 + m.spread * static_cast<double>(j))));
        Svf strike = makeSvf(std::min(m.hz * 3.0, 12000.0), 0.9);
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = seconds(static_cast<int>(i));
            double sum = 0.0;
            for (std::size_t j = 0; j < phases.size(); ++j) {
                phases[j] += m.hz * m.ratios[j] / kRate;
                sum += sine(phases[j]) * expo(-t * rates[j]) / (1.0 + 0.4 * static_cast<double>(j));
            }
            strike.run(r.noise());
            out[i] += sum + m.strike * strike.band * expo(-t / 0.003);
        }
    });
}

void cowbell(Sound& s, const Cowbell& c)
{
    perChannel(s, [&](Channel& out, Random&) {
        double a = 0.0, b = 0.0;
        Svf band = makeSvf(c.centreHz, 2.5);
        Decay fast(c.fastTau), slow(c.tau);
        for (std::size_t i = 0; i < out.size(); ++i) {
            a += c.hz / kRate;
            b += c.hz * 1.4193 / kRate;
            band.run(square(a) + square(b));
            out[i] += band.band * (0.7 * fast.next() + 0.3 * slow.next());
        }
    });
}

void shake(Sound& s, const Shake& p)
{
    perChannel(s, [&](Channel& out, Random& r) {
        Svf band = makeSvf(p.centreHz, p.q);
        Svf high = makeSvf(p.centreHz * 0.4, 0.7);
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double env = envelope(p.strokes, seconds(static_cast<int>(i)));
            const double bead = r.unit() < p.density ? r.noise() : 0.05 * r.noise();
            band.run(bead);
            high.run(band.band);
            out[i] += high.high * env;
        }
    });
}

void jingles(Sound& s, const Jingles& j)
{
    struct Ping {
        int start;
        double hz[3];
        double gain, rate;
    };
    perChannel(s, [&](Channel& out, Random& r) {
        std::vector<Ping> pings;
        for (const auto& hit : j.hits)
            for (int k = 0; k < j.perHit; ++k) {
                Ping p{};
                p.start = static_cast<int>((hit.at + r.range(0.0, hit.attack)) * kRate);
                const double base = r.range(j.lowHz, j.highHz);
                p.hz[0] = base;
                p.hz[1] = base * r.range(1.37, 1.52);
                p.hz[2] = base * r.range(1.9, 2.3);
                p.gain = hit.gain * r.range(0.4, 1.0);
                p.rate = 1.0 / (j.tau * r.range(0.6, 1.4));
                pings.push_back(p);
            }
        const int n = static_cast<int>(out.size());
        for (const auto& p : pings) {
            const int end = std::min(n, p.start + static_cast<int>(6.0 / p.rate * kRate));
            Decay env(1.0 / p.rate, p.gain);
            for (int i = std::max(0, p.start); i < end; ++i) {
                const double t = seconds(i - p.start);
                out[static_cast<std::size_t>(i)] +=
                    env.next() * (sine(p.hz[0] * t) + 0.6 * sine(p.hz[1] * t) + 0.4 * sine(p.hz[2] * t) + 0.5 * r.noise());
            }
        }
        Svf high = makeSvf(j.lowHz * 0.6, 0.7);
        for (auto& v : out) {
            high.run(v);
            v = high.high;
        }
    });
}

void blip(Sound& s, const Blip& b)
{
    perChannel(s, [&](Channel& out, Random& r) {
        double phase = 0.0;
        Svf band = makeSvf(b.hz * 2.0, 1.5);
        Decay env(b.tau);
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = seconds(static_cast<int>(i));
            phase += b.hz * (1.0 + b.drop * expo(-t / b.dropTau)) / kRate;
            const double p = phase - std::floor(phase);
            const double tri = 4.0 * std::abs(p - 0.5) - 1.0;
            band.run(r.noise());
            out[i] += env.next() * ((1.0 - b.triangle) * sine(phase) + b.triangle * tri + b.noise * band.band);
        }
    });
}

void voice(Sound& s, const std::vector<VoicePoint>& path)
{
    perChannel(s, [&](Channel& out, Random& r) {
        Svf f[3];
        Svf smooth = makeSvf(3500.0, 0.7);
        double phase = 0.0;
        std::size_t seg = 0;
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = seconds(static_cast<int>(i));
            while (seg + 2 < path.size() && t >= path[seg + 1].at)
                ++seg;
            const VoicePoint& a = path[seg];
            const VoicePoint& b = path[std::min(seg + 1, path.size() - 1)];
            const double span = b.at - a.at;
            const double x = span > 0.0 ? std::clamp((t - a.at) / span, 0.0, 1.0) : 0.0;
            auto lerp = [x](double from, double to) { return from + (to - from) * x; };
            if (i % 32 == 0) {
                f[0].set(lerp(a.f1, b.f1), 8.0);
                f[1].set(lerp(a.f2, b.f2), 10.0);
                f[2].set(lerp(a.f3, b.f3), 14.0);
            }
            phase += lerp(a.pitch, b.pitch) / kRate;
            const double saw = 2.0 * (phase - std::floor(phase)) - 1.0;
            smooth.run(saw);
            const double voiced = lerp(a.voiced, b.voiced);
            const double source = voiced * smooth.low + (1.0 - voiced) * 0.8 * r.noise();
            for (auto& band : f)
                band.run(source);
            out[i] += lerp(a.gain, b.gain) * (f[0].band + 0.7 * f[1].band + 0.4 * f[2].band);
        }
    });
}

void sweep(Sound& s, const Sweep& p)
{
    perChannel(s, [&](Channel& out, Random& r) {
        Svf band = makeSvf(p.fromHz, p.q);
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = seconds(static_cast<int>(i));
            if (i % 16 == 0)
                band.set(p.toHz + (p.fromHz - p.toHz) * expo(-t / p.sweepTau), p.q);
            band.run(r.noise());
            const double env = t < p.attack ? t / p.attack : expo(-(t - p.attack) / p.tau);
            out[i] += band.band * env;
        }
    });
}

void addRoom(Sound& s, double length, double amount, double damping)
{
    Room left(length, damping, false), right(length, damping, true);
    const Channel dryLeft = s.left;
    const Channel& dryRight = s.stereo ? s.right : s.left;
    for (std::size_t i = 0; i < s.left.size(); ++i) {
        const double in = 0.5 * (dryLeft[i] + dryRight[i]);
        s.left[i] += amount * left.run(in);
        if (s.stereo)
            s.right[i] += amount * right.run(in);
    }
}

void crush(Sound& s, int levels, int hold)
{
    for (Channel* c : {&s.left, &s.right}) {
        double held = 0.0;
        for (std::size_t i = 0; i < c->size(); ++i) {
            if (i % static_cast<std::size_t>(hold) == 0)
                held = std::floor((*c)[i] * levels + 0.5) / levels;
            (*c)[i] = held;
        }
    }
}

void reverse(Sound& s)
{
    std::reverse(s.left.begin(), s.left.end());
    std::reverse(s.right.begin(), s.right.end());
}

void ringModulate(Sound& s, double hz, double depth)
{
    for (Channel* c : {&s.left, &s.right})
        for (std::size_t i = 0; i < c->size(); ++i)
            (*c)[i] *= 1.0 - depth + depth * sine(hz * seconds(static_cast<int>(i)));
}

void mix(Sound& into, const Sound& from, double gain)
{
    for (std::size_t i = 0; i < into.left.size() && i < from.left.size(); ++i) {
        into.left[i] += gain * from.left[i];
        if (into.stereo)
            into.right[i] += gain * (from.stereo ? from.right[i] : from.left[i]);
    }
}

} // namespace factory_samples::synth
