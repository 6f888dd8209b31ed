#include "engine/tables/noise_table.h"

#include "engine/dsp/random_source.h"
#include "engine/tables/pink_noise.h"

namespace tables {

namespace {

constexpr float kFullScale = 32767.0f;

} // namespace

void NoiseTable::fill(PinkNoise& generator)
{
    dsp::RandomRun random;
    generator.fill(left, kFrames, kFullScale, random);
    generator.fill(right, kFrames, kFullScale, random);
}

} // namespace tables
