#include "plugin/aplugin.h"

#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/sample_position.h"
#include "plugin/parameters/sample_slot_parameters.h"

#include <algorithm>
#include <cmath>

namespace {

using kravo::param::kSampleSlotCount;
using kravo::param::SamplePosition;
using kravo::param::sampleLayerLayouts;

// One press of a nudge button moves a loop point by this share of the sample.
constexpr float kNudgeShare = 0.02f;

enum PositionKind : std::int32_t { kLoopStart, kLoopEnd, kLastFrame };

struct PositionParameters {
    int high;
    int low;
};

bool isLayer(std::int32_t slot, std::int32_t layer)
{
    return slot >= 0 && slot < kSampleSlotCount && (layer == 0 || layer == 1);
}

// The parameter pair of a position; high -1 for a kind that is none.
PositionParameters positionParameters(std::int32_t kind, std::int32_t slot, std::int32_t layer)
{
    const auto& layout = sampleLayerLayouts[static_cast<std::size_t>(layer)];
    switch (kind) {
    case kLoopStart: return {layout.loopStartHigh + slot, layout.loopStartLow + slot};
    case kLoopEnd: return {layout.loopEndHigh + slot, layout.loopEndLow + slot};
    case kLastFrame: return {layout.lastFrameHigh + slot, layout.lastFrameLow + slot};
    default: return {-1, -1};
    }
}

int sign(float x)
{
    return (x > 0.0f) - (x < 0.0f);
}

} // namespace

float APlugin::getSamplePosition(std::int32_t kind, std::int32_t slot, std::int32_t layer) const
{
    if (!isLayer(slot, layer))
        return 0.0f;
    const auto [high, low] = positionParameters(kind, slot, layer);
    if (high < 0)
        return 0.0f;
    return static_cast<float>(SamplePosition::read(currentValues[high], currentValues[low]));
}

void APlugin::setSamplePosition(std::int32_t kind, std::int32_t slot, std::int32_t layer, float value)
{
    if (!isLayer(slot, layer))
        return;
    const auto [high, low] = positionParameters(kind, slot, layer);
    if (high < 0)
        return;
    const std::int32_t frame = SamplePosition::heldFrame(value);
    setParameter(low, SamplePosition::low(frame));
    setParameter(high, SamplePosition::high(frame));
}

float APlugin::getLoopStart(std::int32_t slot, std::int32_t layer) const
{
    return getSamplePosition(kLoopStart, slot, layer);
}

float APlugin::getLoopEnd(std::int32_t slot, std::int32_t layer) const
{
    return getSamplePosition(kLoopEnd, slot, layer);
}

float APlugin::getLayerLastFrame(std::int32_t slot, std::int32_t layer) const
{
    return getSamplePosition(kLastFrame, slot, layer);
}

void APlugin::setLoopStart(std::int32_t slot, std::int32_t layer, float value)
{
    setSamplePosition(kLoopStart, slot, layer, value);
}

void APlugin::setLoopEnd(std::int32_t slot, std::int32_t layer, float value)
{
    setSamplePosition(kLoopEnd, slot, layer, value);
}

void APlugin::setLayerLastFrame(std::int32_t slot, std::int32_t layer, float value)
{
    setSamplePosition(kLastFrame, slot, layer, value);
}

bool APlugin::isLayerEnabled(std::int32_t slot, std::int32_t layer) const
{
    return isLayer(slot, layer) &&
           kravo::param::isSwitchOn(currentValues[sampleLayerLayouts[static_cast<std::size_t>(layer)].on + slot]);
}

void APlugin::setLayerEnabled(std::int32_t slot, std::int32_t layer, bool on)
{
    if (isLayer(slot, layer))
        setParameter(sampleLayerLayouts[static_cast<std::size_t>(layer)].on + slot, on ? 1.0f : 0.0f);
}

// fmax and fmin take a NaN request for the bound, not for the value.
float APlugin::setLoopStartClamped(std::int32_t slot, std::int32_t layer, float value)
{
    const float start = std::fmin(std::fmax(value, 0.0f), getLoopEnd(slot, layer));
    setLoopStart(slot, layer, start);
    return start;
}

float APlugin::setLoopEndClamped(std::int32_t slot, std::int32_t layer, float value)
{
    const float end = std::fmin(std::fmax(value, getLoopStart(slot, layer)), getLayerLastFrame(slot, layer));
    setLoopEnd(slot, layer, end);
    return end;
}

void APlugin::nudgeLoopStart(std::int32_t slot, std::int32_t layer, float delta)
{
    if (isLayerEnabled(slot, layer))
        setLoopStartClamped(slot, layer, getLoopStart(slot, layer) + getLayerLastFrame(slot, layer) * kNudgeShare * delta);
}

void APlugin::nudgeLoopEnd(std::int32_t slot, std::int32_t layer, float delta)
{
    if (isLayerEnabled(slot, layer))
        setLoopEndClamped(slot, layer, getLoopEnd(slot, layer) + getLayerLastFrame(slot, layer) * kNudgeShare * delta);
}

void APlugin::snapLoopStart(std::int32_t slot, std::int32_t layer, float direction)
{
    const auto frame = findZeroCrossing(slot, layer, getLoopStart(slot, layer), direction);
    setLoopStartClamped(slot, layer, static_cast<float>(frame));
}

void APlugin::snapLoopEnd(std::int32_t slot, std::int32_t layer, float direction)
{
    const auto frame = findZeroCrossing(slot, layer, getLoopEnd(slot, layer), direction);
    setLoopEndClamped(slot, layer, static_cast<float>(frame));
}

float APlugin::sampleValueAt(std::int32_t slot, std::int32_t layer, float position) const
{
    if (!isLayerEnabled(slot, layer))
        return 0.0f;
    float left = 0.0f;
    float right = 0.0f;
    layerSamples.buffer(layer + 2 * slot).readInterpolated(position, left, right);
    return left;
}

// The first frame after a sign change within a few hundred frames, else the
// frame after the quietest one passed: a loop point there does not click.
std::int32_t APlugin::findZeroCrossing(std::int32_t slot, std::int32_t layer, float startFrame, float direction) const
{
    constexpr int kMostSteps = 256;
    const auto last = static_cast<std::int32_t>(getLayerLastFrame(slot, layer));
    // Held just outside 0..last, where the search ends at once, so the cut to a frame stays in range.
    const float start = startFrame == startFrame ? std::clamp(startFrame, -1.0f, static_cast<float>(last) + 1.0f) : 0.0f;
    const std::int32_t step = direction >= 0.0f ? 1 : -1;
    auto p = static_cast<std::int32_t>(start);
    std::int32_t result = p;
    float best = 1.0f;
    for (int count = 0; count < kMostSteps; ++count) {
        if (p <= 0)
            return 0;
        if (p >= last)
            return last;
        const float a = sampleValueAt(slot, layer, static_cast<float>(p));
        p += step;
        const float b = sampleValueAt(slot, layer, static_cast<float>(p));
        if (sign(a) != sign(b) || (a == 0.0f && b == 0.0f))
            return p;
        if (std::fabs(a) < best) {
            best = std::fabs(a);
            result = p;
        }
    }
    return result;
}
