#include "engine/tables/pink_noise.h"

#include "engine/dsp/random_source.h"

namespace tables {

namespace {

// Eight rows of at most 0.25 sum to 0..2, centred by the caller.
float freshRow(dsp::RandomRun& random)
{
    return random.unit() * 0.25f;
}

// How many of the lowest rows sample n renews (all of them at a multiple of 256).
constexpr int rowsRenewedAt(std::uint32_t n)
{
    if ((n & 0x3F) == 0)
        return 7;
    if ((n & 0x2F) == 0)
        return 6;
    if ((n & 0x1F) == 0)
        return 5;
    if ((n & 0x0F) == 0)
        return 4;
    if ((n & 7) == 0)
        return 3;
    if ((n & 3) == 0)
        return 2;
    return 1;
}

// rowsRenewedAt depends on the low six bits only: a table of them spares the table fill its tests.
struct RowCounts {
    constexpr RowCounts()
    {
        for (std::uint32_t n = 0; n < 64; ++n)
            count[n] = static_cast<std::uint8_t>(rowsRenewedAt(n));
    }
    std::uint8_t count[64] = {};
};
constexpr RowCounts kRowCounts;

} // namespace

// An even sample's draws.
inline void PinkNoise::renew(State& state, std::uint32_t n, dsp::RandomRun& random)
{
    if ((n & 0xFF) == 0) {
        for (float& r : state.rows)
            r = freshRow(random);
        // The eighth row lives only inside the sum; it is drawn last.
        float sum = freshRow(random);
        for (const float r : state.rows)
            sum += r;
        state.sum = sum;
    } else {
        const int count = kRowCounts.count[n & 0x3F];
        for (int i = 0; i < count; ++i) {
            const float fresh = freshRow(random);
            state.sum = state.sum - state.rows[i] + fresh;
            state.rows[i] = fresh;
        }
    }
}

float PinkNoise::next(int row, int set, std::uint32_t n, dsp::RandomRun& random)
{
    State& state = states_[row + 4 * set];
    if ((n & 1) == 0)
        renew(state, n, random);
    return state.sum - 1.0f;
}

void PinkNoise::fill(std::int16_t* out, std::uint32_t count, float scale, dsp::RandomRun& random)
{
    State& state = states_[0];
    for (std::uint32_t n = 0; n < count; n += 2) {
        renew(state, n, random);
        // Odd samples repeat the even one before them.
        const auto value = static_cast<std::int16_t>((state.sum - 1.0f) * scale);
        out[n] = value;
        if (n + 1 < count)
            out[n + 1] = value;
    }
}

} // namespace tables
