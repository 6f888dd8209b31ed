#include "engine/tables/noise_table.h"

#include "engine/dsp/random_source.h"
#include "engine/tables/pink_noise.h"

namespace tables {

namespace {

constexpr float kFullScale = 32767.0f;

void fillChannel(std::int16_t* channel, PinkNoise& generator, dsp::RandomRun& random)
{
    for (std::uint32_t i = 0; i < NoiseTable::kFrames; ++i)
        channel[i] = static_cast<std::int16_t>(generator.next(0, 0, i, random) * kFullScale);
}

} // namespace

void NoiseTable::fill(PinkNoise& generator)
{
    dsp::RandomRun random;
    fillChannel(left, generator, random);
    fillChannel(right, generator, random);
}

} // namespace tables
