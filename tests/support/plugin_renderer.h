#pragma once

#include "plugin/aplugin.h"
#include "plugin/base/plug_event_list.h"
#include "plugin/parameters/default_patch.h"
#include "plugin/parameters/mixer_parameters.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <vector>

namespace kravo::test {

// Drives a plug-in object as the host does: events through processEvents,
// audio through processReplacing, and keeps what it rendered. It starts on the
// default patch, so that tests of the engine do not depend on the factory sounds,
// unless asked to stay on factory program 0.
class PluginRenderer {
public:
    explicit PluginRenderer(float sampleRate = 44100.0f, bool onDefaultPatch = true)
        : plugin(static_cast<APlugin*>(createEffectInstance(hostCallback)))
    {
        plugin->getPluginRecord()->resvd1 = reinterpret_cast<PlugIntPtr>(this);
        timeInfo.tempo = 120.0;
        timeInfo.flags = plugTimeTempoValid;
        plugin->setSampleRate(sampleRate);
        rate = sampleRate;
        if (onDefaultPatch)
            loadDefaultPatch(*plugin);
    }

    // Every parameter but the reload trigger set to its default-patch value, as a host would write them.
    static void loadDefaultPatch(APlugin& plugin)
    {
        std::array<float, kravo::param::kParameterCount> defaults{};
        kravo::fillDefaultValues(defaults);
        for (int index = 0; index < kravo::param::kReloadTrigger; ++index)
            plugin.setParameter(index, defaults[static_cast<std::size_t>(index)]);
    }

    void set(int index, float value) { plugin->setParameter(index, value); }
    // All current parameter values, for comparing whole states.
    std::vector<float> values() const
    {
        std::vector<float> all;
        for (int i = 0; i < kNumParams; ++i)
            all.push_back(plugin->getParameter(i));
        return all;
    }
    // Kind parameters j of one of the kind's voices, through the kind's index rule.
    void setKind(int (*index)(int, int), std::initializer_list<std::pair<int, float>> values, int voice = 0)
    {
        for (const auto& [j, value] : values)
            set(index(j, voice), value);
    }

    // Queues a MIDI message at a frame offset into the next render call's first block.
    void midi(int deltaFrames, std::uint8_t status, std::uint8_t d1, std::uint8_t d2)
    {
        pending.add(deltaFrames, status, d1, d2);
    }
    void noteOn(int note, int velocity = 127, int deltaFrames = 0)
    {
        midi(deltaFrames, 0x99, static_cast<std::uint8_t>(note), static_cast<std::uint8_t>(velocity));
    }

    // Renders frames in blocks of 64, appending to left and right.
    void render(int frames)
    {
        if (pending.count() > 0) {
            plugin->processEvents(pending.list());
            pending.clear();
        }
        float l[64];
        float r[64];
        float* outputs[2] = {l, r};
        for (int done = 0; done < frames; done += 64) {
            const int n = frames - done < 64 ? frames - done : 64;
            plugin->processReplacing(nullptr, outputs, n);
            left.insert(left.end(), l, l + n);
            right.insert(right.end(), r, r + n);
        }
    }
    void renderSeconds(double seconds) { render(static_cast<int>(seconds * rate)); }

    std::size_t frameAt(double seconds) const { return static_cast<std::size_t>(seconds * rate); }

    // Frequency from the rising zero crossings of the left channel between two times.
    double frequency(double fromSeconds, double toSeconds) const
    {
        double first = -1.0;
        double last = -1.0;
        int crossings = 0;
        for (std::size_t i = frameAt(fromSeconds) + 1; i < frameAt(toSeconds) && i < left.size(); ++i) {
            if (left[i - 1] <= 0.0f && left[i] > 0.0f) {
                const double t = static_cast<double>(i - 1) + left[i - 1] / (left[i - 1] - left[i]);
                if (first < 0.0)
                    first = t;
                last = t;
                ++crossings;
            }
        }
        return crossings < 2 ? 0.0 : (crossings - 1) * rate / (last - first);
    }

    float peak(double fromSeconds, double toSeconds) const
    {
        float p = 0.0f;
        for (std::size_t i = frameAt(fromSeconds); i < frameAt(toSeconds) && i < left.size(); ++i)
            p = std::fmax(p, std::fmax(std::fabs(left[i]), std::fabs(right[i])));
        return p;
    }

    float largestSideDifference() const
    {
        float d = 0.0f;
        for (std::size_t i = 0; i < left.size(); ++i)
            d = std::fmax(d, std::fabs(left[i] - right[i]));
        return d;
    }

    // The host side: it answers only the time information, which tests may change between renders.
    static PlugIntPtr hostCallback(PluginRecord* effect, std::int32_t opcode, std::int32_t, PlugIntPtr, void*, float)
    {
        auto* self = reinterpret_cast<PluginRenderer*>(effect->resvd1);
        return self && opcode == hostOpGetTimeInfo ? reinterpret_cast<PlugIntPtr>(&self->timeInfo) : 0;
    }

    PlugTimeInfo timeInfo{};
    std::unique_ptr<APlugin> plugin;
    float rate;
    PlugEventList pending;
    std::vector<float> left;
    std::vector<float> right;
};

} // namespace kravo::test
