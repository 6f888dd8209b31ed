#pragma once

#include "engine/samples/sample_slot_voice.h"
#include "plugin/parameters/parameter_reading.h"

#include <cstdint>

// How a sample layer moves through its sample: where a note places it, and
// one step of play. Shared by the sample slots' layers and the sample layer
// of the synthesised voices.
namespace samples {

inline constexpr std::uint32_t kRetriggerCounts[] = {0, 1, 2, 3, 4, 6, 8, 12};

// "Retriggers" picks how many times a note jumps back to its start.
inline std::uint32_t retriggerLimit(float retriggers)
{
    constexpr float kScale = 7.99f;
    constexpr int kChoices = 8;
    return kRetriggerCounts[kravo::param::readChoiceClamped(retriggers, kScale, kChoices)];
}

// Start, end and retrigger bound of a note over frames 0..last: the offset
// and the retrigger time are squared, and reverse play mirrors forward play.
inline void placeLayer(LayerState& s, float last, float offsetValue, float retriggerTimeValue)
{
    const float offset = offsetValue * offsetValue;
    const float time = retriggerTimeValue * retriggerTimeValue;
    if (s.reverse) {
        s.startPosition = last - last * offset;
        s.endPosition = 0.0f;
        s.retriggerBound = s.startPosition - time * s.startPosition;
    } else {
        s.startPosition = last * offset;
        s.endPosition = last;
        s.retriggerBound = s.startPosition + time * (last - s.startPosition);
    }
    s.position = s.startPosition;
    s.retriggerCount = 0;
}

// Forward and reverse play are mirror images: a bound is passed once the
// position is beyond it in the direction of play.
template <bool Reverse>
bool passes(float position, float bound)
{
    return Reverse ? position < bound : position > bound;
}

// One step; false once the layer has run past its end. A jump lands exactly
// on its target, dropping the overshoot.
template <bool Reverse>
bool moveLayer(LayerState& s)
{
    s.position += Reverse ? -s.step : s.step;
    if (s.retriggerCount < s.retriggerLimit) {
        if (passes<Reverse>(s.position, s.retriggerBound)) {
            s.position = s.startPosition;
            ++s.retriggerCount;
        }
        return true;
    }
    if (!s.looping)
        return !passes<Reverse>(s.position, s.endPosition);
    if (passes<Reverse>(s.position, Reverse ? s.loopStart : s.loopEnd))
        s.position = Reverse ? s.loopEnd : s.loopStart;
    return true;
}

inline bool moveLayer(LayerState& s)
{
    return s.reverse ? moveLayer<true>(s) : moveLayer<false>(s);
}

} // namespace samples
