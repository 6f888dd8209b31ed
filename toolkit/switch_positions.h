#pragma once

// What the vertical and horizontal switches share: how many images a strip holds, which image a value
// shows, and which value a point along the control picks.

#include "toolkit/bitmap.h"
#include "toolkit/truncate_into.h"

#include <cmath>
#include <cstdint>

namespace Toolkit {

// Whole images of the extent in the background's height (or width, across); none without a background
// or with images of no extent.
inline std::int32_t imagesAlong(const CBitmap* background, bool across, std::int32_t extent)
{
    if (background == nullptr || extent <= 0)
        return 0;
    return (across ? background->getWidth() : background->getHeight()) / extent;
}

// The nearest image; values beyond 0..1 show the first or the last.
inline std::int32_t imageOfValue(float value, std::int32_t positions)
{
    return truncateInto(static_cast<float>(positions - 1) * value + 0.5f, 0, positions - 1);
}

// The control's extent is divided into one band per position; the value of the band at the distance
// from the control's edge, within 0..1. Needs two positions at least and an extent.
inline float positionAt(std::int32_t distance, std::int32_t extent, std::int32_t positions)
{
    const float band = static_cast<float>(extent) / static_cast<float>(positions);
    const float position = std::trunc(static_cast<float>(distance) / band) / static_cast<float>(positions - 1);
    return position < 0.0f ? 0.0f : position > 1.0f ? 1.0f : position;
}

} // namespace Toolkit
