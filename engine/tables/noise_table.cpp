#include "engine/tables/noise_table.h"

#include "engine/tables/pink_noise.h"

namespace tables {

namespace {

constexpr float kFullScale = 32767.0f;

void fillChannel(std::int16_t* channel, PinkNoise& generator)
{
    for (std::uint32_t i = 0; i < NoiseTable::kFrames; ++i)
        channel[i] = static_cast<std::int16_t>(generator.next(0, 0, i) * kFullScale);
}

} // namespace

void NoiseTable::fill(PinkNoise& generator)
{
    fillChannel(left, generator);
    fillChannel(right, generator);
}

} // namespace tables
